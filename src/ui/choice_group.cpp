#include "ui/choice_group.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace quantora {

void CheckOnly(QButtonGroup& group, std::optional<int> buttonId) {
    const bool exclusive = group.exclusive();
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) button->setChecked(false);
    group.setExclusive(exclusive);
    if (!buttonId) return;
    if (QAbstractButton* button = group.button(*buttonId)) button->setChecked(true);
}

}  // namespace quantora
