#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <array>

namespace quantora {

enum class ButtonLook { kNormal, kPressed, kHover, kDisabled };

// The skinned image button of the main and formula windows: a picture scaled to the button with a
// caption over it, both chosen by the button's look at every repaint.
class CFxButton : public QPushButton {
    Q_OBJECT

public:
    explicit CFxButton(QWidget* parent = nullptr);
    ~CFxButton() override;

    // A picture, usually from the ":/bitmaps" resources, with its "@2x" twin for high-density
    // screens; "" leaves the look without one.
    void SetLookPicture(ButtonLook look, const QString& resourcePath);
    // The normal look's caption is also the button's own text, so its "&" mnemonic works as a shortcut.
    void SetLookCaption(ButtonLook look, const QString& caption);
    void SetLookCaptionColour(ButtonLook look, const QColor& colour);
    void SetHoverTip(const QString& tip);

    QString LookPicture(ButtonLook look) const;
    QString LookCaption(ButtonLook look) const;
    QColor LookCaptionColour(ButtonLook look) const;

    // Disabled beats pressed (held down or checked), which beats hover, which beats normal.
    ButtonLook CurrentLook() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Look {
        QString picturePath;
        QIcon picture;
        QString caption;
        QColor captionColour;
    };

    Look& LookOf(ButtonLook look) { return looks_[static_cast<std::size_t>(look)]; }
    const Look& LookOf(ButtonLook look) const { return looks_[static_cast<std::size_t>(look)]; }
    void PaintCaption(QPainter& painter, ButtonLook current, bool besidePictogram) const;
    void PaintFocusMark(QPainter& painter) const;

    std::array<Look, 4> looks_;
    bool hovered_ = false;
};

// Sets a button up as the main window sets each of its ten skinned buttons: the picture of bitmapId
// and the caption in blue for the normal, pressed and hover looks, nothing for the disabled look.
void ConfigureSkinnedButton(CFxButton& button, int bitmapId, const QString& caption, const QString& tip);

}  // namespace quantora
