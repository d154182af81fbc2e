#include "ui/fx_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include "ui/button_pictures.h"

namespace quantora {

namespace {

const QColor kCaptionBlue(0, 0, 255);

// The pictures carry their pictogram in their left quarter; the caption is centred over the rest
// so that a long caption never runs into it.
constexpr int kPictogramQuarter = 4;

// Hover and pressed share the normal picture in the main window, so a light wash or a shade
// over it is what tells the looks apart.
QColor WashOf(ButtonLook look) {
    switch (look) {
        case ButtonLook::kHover: return QColor(255, 255, 255, 70);
        case ButtonLook::kPressed: return QColor(0, 0, 0, 35);
        default: return Qt::transparent;
    }
}

}  // namespace

CFxButton::CFxButton(QWidget* parent) : QPushButton(parent) {}

CFxButton::~CFxButton() = default;

void CFxButton::SetLookPicture(ButtonLook look, const QString& resourcePath) {
    Look& target = LookOf(look);
    target.picturePath = resourcePath;
    target.picture = resourcePath.isEmpty() ? QIcon() : QIcon(resourcePath);
    update();
}

void CFxButton::SetLookCaption(ButtonLook look, const QString& caption) {
    LookOf(look).caption = caption;
    if (look == ButtonLook::kNormal) setText(caption);
    update();
}

void CFxButton::SetLookCaptionColour(ButtonLook look, const QColor& colour) {
    LookOf(look).captionColour = colour;
    update();
}

void CFxButton::SetHoverTip(const QString& tip) { setToolTip(tip); }

QString CFxButton::LookPicture(ButtonLook look) const { return LookOf(look).picturePath; }
QString CFxButton::LookCaption(ButtonLook look) const { return LookOf(look).caption; }
QColor CFxButton::LookCaptionColour(ButtonLook look) const { return LookOf(look).captionColour; }

ButtonLook CFxButton::CurrentLook() const {
    if (!isEnabled()) return ButtonLook::kDisabled;
    if (isDown() || isChecked()) return ButtonLook::kPressed;
    if (hovered_) return ButtonLook::kHover;
    return ButtonLook::kNormal;
}

void CFxButton::paintEvent(QPaintEvent* event) {
    const ButtonLook current = CurrentLook();
    const Look& look = LookOf(current);
    const bool hasPicture = !look.picture.isNull();
    // A look with neither picture nor caption (the disabled one, as configured) is the plain button.
    if (!hasPicture && look.caption.isEmpty()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hasPicture) {
        // The closest of the picture's sizes for the screen, stretched over the whole button.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), look.picture.pixmap(size(), devicePixelRatioF()));
        painter.fillRect(rect(), WashOf(current));
    } else {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    }
    PaintCaption(painter, current, hasPicture);
    if (hasFocus()) PaintFocusMark(painter);
}

void CFxButton::PaintCaption(QPainter& painter, ButtonLook current, bool besidePictogram) const {
    const Look& look = LookOf(current);
    QStyleOptionButton option;
    initStyleOption(&option);
    int flags = Qt::AlignCenter | Qt::TextSingleLine;
    flags |=
        style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    QRect area = besidePictogram ? rect().adjusted(width() / kPictogramQuarter, 0, 0, 0) : rect();
    if (current == ButtonLook::kPressed) area.translate(1, 1);
    painter.setPen(look.captionColour.isValid() ? look.captionColour : palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(area, flags, look.caption);
}

void CFxButton::PaintFocusMark(QPainter& painter) const {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void CFxButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QPushButton::enterEvent(event);
}

void CFxButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void ConfigureSkinnedButton(CFxButton& button, int bitmapId, const QString& caption, const QString& tip) {
    const QString picture = ButtonPicturePath(bitmapId);
    for (const ButtonLook look : {ButtonLook::kNormal, ButtonLook::kPressed, ButtonLook::kHover}) {
        button.SetLookPicture(look, picture);
        button.SetLookCaption(look, caption);
        button.SetLookCaptionColour(look, kCaptionBlue);
    }
    button.SetLookPicture(ButtonLook::kDisabled, QString());
    button.SetLookCaption(ButtonLook::kDisabled, QString());
    button.SetHoverTip(tip);
}

}  // namespace quantora
