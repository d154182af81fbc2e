#include "ui/fx_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "ui/button_pictures.h"

namespace quantora {
namespace {

enum class Pointer { kOutside, kEntered, kEnteredAndLeft };

void MovePointer(CFxButton& button, Pointer pointer) {
    if (pointer == Pointer::kOutside) return;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    if (pointer == Pointer::kEntered) return;
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

TEST(CFxButton, LookFollowsDisabledThenPressedThenHoverThenNormal) {
    struct Case {
        std::string name;
        bool enabled;
        bool down;
        bool checked;
        Pointer pointer;
        ButtonLook expected;
    };
    const std::vector<Case> cases = {
        {"idle", true, false, false, Pointer::kOutside, ButtonLook::kNormal},
        {"pointer over it", true, false, false, Pointer::kEntered, ButtonLook::kHover},
        {"pointer gone again", true, false, false, Pointer::kEnteredAndLeft, ButtonLook::kNormal},
        {"held down", true, true, false, Pointer::kOutside, ButtonLook::kPressed},
        {"checked", true, false, true, Pointer::kOutside, ButtonLook::kPressed},
        {"held down under the pointer", true, true, false, Pointer::kEntered, ButtonLook::kPressed},
        {"checked under the pointer", true, false, true, Pointer::kEntered, ButtonLook::kPressed},
        {"disabled", false, false, false, Pointer::kOutside, ButtonLook::kDisabled},
        {"disabled under the pointer", false, false, false, Pointer::kEntered, ButtonLook::kDisabled},
        {"disabled and checked", false, false, true, Pointer::kEntered, ButtonLook::kDisabled},
        {"disabled and held down", false, true, false, Pointer::kOutside, ButtonLook::kDisabled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        button.setCheckable(c.checked);
        button.setChecked(c.checked);
        button.setDown(c.down);
        MovePointer(button, c.pointer);
        button.setEnabled(c.enabled);
        EXPECT_EQ(button.CurrentLook(), c.expected);
    }
}

// Which picture and caption each of the main window's buttons shows is checked over the window
// itself; this is what configuring one gives it in each look.
TEST(CFxButton, ConfiguredButtonShowsItsPictureAndBlueCaptionExceptWhenDisabled) {
    CFxButton button;
    ConfigureSkinnedButton(button, 186, "E&xit", "Exit Application");
    for (const ButtonLook look : {ButtonLook::kNormal, ButtonLook::kPressed, ButtonLook::kHover}) {
        EXPECT_EQ(button.LookPicture(look), QStringLiteral(":/bitmaps/186.png"));
        EXPECT_EQ(button.LookCaption(look), "E&xit");
        EXPECT_EQ(button.LookCaptionColour(look), QColor(0, 0, 255));
    }
    EXPECT_TRUE(button.LookPicture(ButtonLook::kDisabled).isEmpty());
    EXPECT_TRUE(button.LookCaption(ButtonLook::kDisabled).isEmpty());
    EXPECT_EQ(button.toolTip(), "Exit Application");
    EXPECT_EQ(button.text(), "E&xit");
}

int CaptionBluePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() < 60 && colour.green() < 60 && colour.blue() > 200) ++count;
        }
    }
    return count;
}

QImage Rendered(CFxButton& button) { return button.grab().toImage(); }

TEST(CFxButton, EachLookIsDrawnDifferently) {
    CFxButton button;
    button.resize(90, 30);
    ConfigureSkinnedButton(button, 186, "E&xit", "Exit Application");

    const QImage normal = Rendered(button);
    EXPECT_GT(CaptionBluePixels(normal), 10) << "the caption is drawn in the look's colour";

    MovePointer(button, Pointer::kEntered);
    ASSERT_EQ(button.CurrentLook(), ButtonLook::kHover);
    const QImage hover = Rendered(button);
    button.setDown(true);
    const QImage pressed = Rendered(button);
    button.setDown(false);
    button.setEnabled(false);
    const QImage disabled = Rendered(button);

    EXPECT_NE(hover, normal);
    EXPECT_NE(pressed, normal);
    EXPECT_NE(pressed, hover);
    EXPECT_EQ(CaptionBluePixels(disabled), 0) << "the disabled look has no blue caption";
    EXPECT_NE(disabled, normal);
}

TEST(CFxButton, KeyboardFocusIsMarked) {
    QDialog window;
    auto* first = new CFxButton(&window);
    auto* button = new CFxButton(&window);
    button->setGeometry(10, 10, 90, 30);
    ConfigureSkinnedButton(*first, 187, "&Help", "Open Help");
    ConfigureSkinnedButton(*button, 188, "&Options", "Open Options Window");
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    const QImage unfocused = Rendered(*button);
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(Rendered(*button), unfocused);
}

TEST(CFxButton, AltAndTheMarkedLetterClicksTheButton) {
    QDialog window;
    auto* button = new CFxButton(&window);
    ConfigureSkinnedButton(*button, 186, "E&xit", "Exit Application");
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    // A mnemonic clicks the way a mouse would, pressing the button briefly first.
    EXPECT_TRUE(clicks.wait(2000));
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace quantora
