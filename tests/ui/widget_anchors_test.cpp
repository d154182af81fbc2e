#include "ui/widget_anchors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace quantora {
namespace {

// A window that re-anchors on its own size notifications, as the converter window does.
class AnchoredDialog : public QDialog {
public:
    WidgetAnchors anchors;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        anchors.Apply();
    }
    void moveEvent(QMoveEvent* event) override {
        QDialog::moveEvent(event);
        anchors.Apply();
    }
    void changeEvent(QEvent* event) override {
        QDialog::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange) anchors.Apply();
    }
};

QWidget* AddControl(QWidget& parent, int id, QRect geometry) {
    auto* control = new QPushButton(QString::number(id), &parent);
    control->setObjectName(QString::number(id));
    control->setGeometry(geometry);
    return control;
}

struct ControlCase {
    int id;
    int bits;
    QRect before;
    QRect afterWiderAndTaller;  // window grown by 100 across and 40 down
};

const std::vector<ControlCase> kControls = {
    {1010, 0x70, {2, 17, 105, 250}, {2, 17, 105, 290}},
    {1020, 0xD0, {110, 17, 200, 120}, {110, 17, 300, 120}},
    {1021, 0xF0, {110, 140, 200, 127}, {110, 140, 300, 167}},
    {57672, 0x90, {320, 1, 70, 20}, {420, 1, 70, 20}},
    {57674, 0xA0, {320, 240, 60, 20}, {420, 280, 60, 20}},
    {1105, 0x00, {110, 126, 50, 10}, {160, 146, 50, 10}},
    {1102, 0x40, {4, 3, 60, 12}, {4, 23, 60, 12}},
};

void MakeDialog(AnchoredDialog& dialog, bool withSizeGrip) {
    dialog.setGeometry(100, 100, 400, 270);
    for (const ControlCase& c : kControls) {
        AddControl(dialog, c.id, c.before);
        dialog.anchors.Register(c.id, c.bits);
    }
    dialog.anchors.SetUp(dialog, withSizeGrip);
}

QRect GeometryOf(const QWidget& window, int id) { return window.findChild<QWidget*>(QString::number(id))->geometry(); }

void ShowAndSettle(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

TEST(WidgetAnchors, ResizingTheWindowMovesAndStretchesTheNamedControls) {
    AnchoredDialog dialog;
    MakeDialog(dialog, false);
    ShowAndSettle(dialog);
    for (const ControlCase& c : kControls) EXPECT_EQ(GeometryOf(dialog, c.id), c.before) << c.id;

    dialog.resize(500, 310);
    for (const ControlCase& c : kControls) EXPECT_EQ(GeometryOf(dialog, c.id), c.afterWiderAndTaller) << c.id;

    dialog.resize(400, 270);
    for (const ControlCase& c : kControls) EXPECT_EQ(GeometryOf(dialog, c.id), c.before) << c.id;
}

TEST(WidgetAnchors, MovingTheWindowLeavesTheControlsInPlace) {
    AnchoredDialog dialog;
    MakeDialog(dialog, true);
    ShowAndSettle(dialog);
    dialog.move(dialog.pos() + QPoint(37, 21));
    QApplication::processEvents();
    for (const ControlCase& c : kControls) EXPECT_EQ(GeometryOf(dialog, c.id), c.before) << c.id;
}

TEST(WidgetAnchors, ControlsInsideAGroupMoveOnceWithIt) {
    AnchoredDialog dialog;
    dialog.setGeometry(100, 100, 400, 300);
    auto* group = new QGroupBox("Show :", &dialog);
    group->setObjectName("1066");
    group->setGeometry(300, 200, 90, 60);
    auto* choice = new QRadioButton("All Units", group);
    choice->setObjectName("1026");
    choice->setGeometry(6, 12, 70, 16);
    // Registered before its group, as in the converter window.
    dialog.anchors.Register(1026, 0x90);
    dialog.anchors.Register(1066, 0x90);
    dialog.anchors.SetUp(dialog, false);
    ShowAndSettle(dialog);

    dialog.resize(500, 300);
    EXPECT_EQ(group->geometry(), QRect(400, 200, 90, 60));
    EXPECT_EQ(choice->geometry(), QRect(6, 12, 70, 16));
}

TEST(WidgetAnchors, SizeGripSitsInTheCornerAndFollowsIt) {
    AnchoredDialog dialog;
    MakeDialog(dialog, true);
    QSizeGrip* grip = dialog.anchors.SizeGrip();
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->parentWidget(), &dialog);
    const int extent = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    EXPECT_EQ(grip->geometry(), QRect(400 - extent, 270 - extent, extent, extent));
    EXPECT_EQ(dialog.children().last(), grip) << "the grip is on top of every control";

    ShowAndSettle(dialog);
    dialog.resize(460, 300);
    EXPECT_EQ(grip->geometry(), QRect(460 - extent, 300 - extent, extent, extent));
}

TEST(WidgetAnchors, MaximisingHidesTheSizeGripAndRestoringShowsIt) {
    AnchoredDialog dialog;
    MakeDialog(dialog, true);
    ShowAndSettle(dialog);
    QSizeGrip* grip = dialog.anchors.SizeGrip();
    ASSERT_TRUE(grip->isVisible());

    dialog.setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    ASSERT_TRUE(dialog.isMaximized());
    EXPECT_FALSE(grip->isVisible());
    EXPECT_EQ(grip->geometry().bottomRight(), dialog.rect().bottomRight());

    dialog.setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_TRUE(grip->isVisible());
    for (const ControlCase& c : kControls) EXPECT_EQ(GeometryOf(dialog, c.id), c.before) << c.id;
}

}  // namespace
}  // namespace quantora
