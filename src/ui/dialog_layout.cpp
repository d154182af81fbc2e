#include "ui/dialog_layout.h"

#include <QPalette>
#include <algorithm>

namespace quantora {

DialogLayout::DialogLayout(QWidget& window) : window_(window), units_(window.font()) {}

QRect DialogLayout::Map(const DialogRect& place) const {
    return units_.Map(place.x, place.y, place.width, place.height);
}

void DialogLayout::Place(QWidget& control, int controlId, const DialogRect& place) const {
    control.setObjectName(QString::number(controlId));
    control.setGeometry(Map(place));
}

void DialogLayout::WidenToCaption(QWidget& choice) {
    choice.resize(std::max(choice.width(), choice.sizeHint().width()), choice.height());
}

void SetTextColour(QWidget& control, const QColor& colour) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, colour);
    control.setPalette(palette);
}

}  // namespace quantora
