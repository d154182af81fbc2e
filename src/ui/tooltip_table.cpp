#include "ui/tooltip_table.h"

#include "ui/control_lookup.h"

namespace quantora {

void SetTooltips(QWidget& window, std::span<const ControlTip> tips) {
    for (const ControlTip& entry : tips)
        Control<QWidget>(window, entry.controlId).setToolTip(QString::fromUtf8(entry.tip));
}

}  // namespace quantora
