#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/settings.h"
#include "catalogue/catalogue.h"
#include "edit/search_dialog.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "sample_units.h"
#include "support/controls.h"
#include "support/converter_window_fixture.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/control_lookup.h"
#include "ui/standard_ids.h"

namespace quantora {
namespace {

constexpr int kFilter = 1124;
constexpr int kLines = 1133;

using test::Lines;

class FindWindowTest : public test::ConverterWindowFixture {
protected:
    // The launchers keep window places in the user's profile; a test keeps them out of the real one.
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }

    void SetUp() override {
        ConverterWindowFixture::SetUp();
        WriteSetting(profile_.Store(), Setting::kFirstCat, std::to_string(test::sample_line::kMass));
    }
};

TEST_F(FindWindowTest, FiltersAndHandsBackTheChosenLinesCode) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Load(folder_ / "data", false).complete);
    struct Case {
        QString typed;
        int pressed;  // the button, or 0 for a double-click on the first line
        QStringList lines;
        std::optional<int> result;
    };
    const std::vector<Case> cases{
        {"LENGTH>", 0, {"Length>Ångström", "Length>Fathom", "Length>Kilometer", "Length>Meter", "Length>Mile"}, 1},
        {"gram", standard_id::kOk, {"Mass>Gram", "Mass>Kilogram", "Mass>Microgram"}, 2},
        {"h>m", standard_id::kCancel, {"Length>Meter", "Length>Mile"}, std::nullopt},
        {"nothing", standard_id::kOk, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        dlgSearch find(profile_.Store(), catalogue);
        find.show();
        auto& list = Control<QListWidget>(find, kLines);
        QTest::keyClicks(&Control<QLineEdit>(find, kFilter), c.typed);
        EXPECT_EQ(Lines(list), c.lines);
        if (c.pressed == 0) {
            const QRect place = list.visualItemRect(list.item(0));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, place.center());
        } else {
            if (list.count() > 0) list.setCurrentRow(0);
            Control<QPushButton>(find, c.pressed).click();
        }
        EXPECT_FALSE(find.isVisible());
        EXPECT_EQ(find.Result(), c.result);
    }
}

// The first match is chosen as the list narrows; Enter takes the chosen one, and the arrows from
// the filter start at it.
TEST_F(FindWindowTest, TheKeyboardTakesTheFirstMatchOrTheOneMovedTo) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Load(folder_ / "data", false).complete);
    struct Case {
        QString typed;
        std::vector<Qt::Key> keys;
        std::optional<int> result;
    };
    const std::vector<Case> cases{
        {"fath", {Qt::Key_Return}, 1001},
        {"gram", {Qt::Key_Return}, 2},
        {"gram", {Qt::Key_Down, Qt::Key_Return}, 2},
        {"gram", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 1002},
        {"nothing", {Qt::Key_Down, Qt::Key_Return}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " " + std::to_string(c.keys.size()));
        dlgSearch find(profile_.Store(), catalogue);
        find.show();
        QTest::keyClicks(&Control<QLineEdit>(find, kFilter), c.typed);
        for (Qt::Key key : c.keys) QTest::keyClick(find.focusWidget(), key);
        EXPECT_FALSE(find.isVisible());
        EXPECT_EQ(find.Result(), c.result);
    }
}

// The whole road: the main window in common-units mode, the real find window, the unit chosen there
// by the keyboard, and the main window showing it.
TEST_F(FindWindowTest, TheMainWindowSwitchesToAllUnitsAndSelectsTheFoundUnit) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    CConverterDlg& window = Open();
    ASSERT_EQ(Source().topLevelItemCount(), 3);
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* find = qobject_cast<dlgSearch*>(QApplication::activeModalWidget());
        ASSERT_NE(find, nullptr);
        auto& filter = Control<QLineEdit>(*find, kFilter);
        EXPECT_EQ(find->focusWidget(), &filter);
        QTest::keyClicks(&filter, "fath");
        QTest::keyClick(&filter, Qt::Key_Down);
        QTest::keyClick(&Control<QListWidget>(*find, kLines), Qt::Key_Return);
        driven = true;
    });
    Control<QPushButton>(window, converter_id::kFind).click();
    ASSERT_TRUE(driven);
    EXPECT_TRUE(Control<QRadioButton>(window, converter_id::kAllUnits).isChecked());
    EXPECT_EQ(Control<QListWidget>(window, converter_id::kCategories).currentRow(),
              static_cast<int>(test::sample_line::kLength));
    const QTreeWidget& source = Source();
    ASSERT_EQ(source.topLevelItemCount(), 5);
    ASSERT_EQ(source.selectedItems().size(), 1);
    EXPECT_EQ(source.selectedItems().first()->text(0), "Fathom");
}

}  // namespace
}  // namespace quantora
