#include "app/widget_placement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include "support/test_profile.h"

namespace quantora {
namespace {

TEST(WidgetPlacement, NormalGeometryRoundTripsThroughTheProfile) {
    test::TestProfile profile;
    {
        QDialog window;
        window.setGeometry(120, 140, 400, 300);
        SaveWindowPlacement(profile.Store(), "ConstantsWindow", window);
    }
    const auto saved = LoadPlacement(profile.Store(), "ConstantsWindow");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->showCmd, WindowPlacementRecord::kShowNormal);
    EXPECT_EQ(saved->normalPosition, (WindowPlacementRecord::Rect{120, 140, 520, 440}));

    QDialog next;
    RestoreWindowPlacement(*profile.Reopen(), "ConstantsWindow", next);
    EXPECT_EQ(next.geometry(), QRect(120, 140, 400, 300));
}

TEST(WidgetPlacement, MaximisedStateIsStoredAndRestored) {
    test::TestProfile profile;
    {
        QDialog window;
        window.setGeometry(50, 60, 300, 200);
        window.show();
        window.showMaximized();
        QApplication::processEvents();
        SaveWindowPlacement(profile.Store(), "MainWindow", window);
    }
    EXPECT_EQ(LoadPlacement(profile.Store(), "MainWindow")->showCmd, WindowPlacementRecord::kShowMaximized);
    QDialog next;
    RestoreWindowPlacement(profile.Store(), "MainWindow", next);
    EXPECT_TRUE(next.windowState().testFlag(Qt::WindowMaximized));
}

TEST(WidgetPlacement, MinimisedStateIsStored) {
    test::TestProfile profile;
    QDialog window;
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    SaveWindowPlacement(profile.Store(), "MainWindow", window);
    EXPECT_EQ(LoadPlacement(profile.Store(), "MainWindow")->showCmd, WindowPlacementRecord::kShowMinimized);
}

TEST(WidgetPlacement, MissingEntryLeavesTheWindowWhereItIs) {
    test::TestProfile profile;
    QDialog window;
    window.setGeometry(10, 20, 200, 100);
    RestoreWindowPlacement(profile.Store(), "SearchWindow", window);
    EXPECT_EQ(window.geometry(), QRect(10, 20, 200, 100));
}

TEST(WidgetPlacement, PlacementOffEveryScreenIsBroughtBack) {
    WindowPlacementRecord far;
    far.normalPosition = {50000, 50000, 50400, 50300};
    QDialog window;
    ApplyPlacement(window, far);
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_LT(window.geometry().left(), 50000);
}

}  // namespace
}  // namespace quantora
