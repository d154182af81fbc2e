#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "catalogue/record_file.h"
#include "lists/constants_dialog.h"
#include "lists/elements_dialog.h"
#include "support/controls.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/control_lookup.h"

namespace quantora {
namespace {

constexpr int kFilter = 1124;
constexpr int kList = 1136;
constexpr int kFileError = 1141;

using test::MakeConstant;

ElementRecord Element(std::int32_t number, const std::string& name, const std::string& symbol,
                      const std::string& weight, const std::string& description) {
    return test::MakeElement(
        {.atomicNumber = number, .name = name, .symbol = symbol, .atomicWeight = weight, .description = description});
}

void DoubleClickRow(QTreeWidget& list, int row) {
    const QRect place = list.visualItemRect(list.topLevelItem(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, place.center());
}

class ConstantsWindowTest : public testing::Test {
protected:
    void SetUp() override {
        // "1.0\xB1" ends in a Windows-1252 plus-minus sign; the copy must hold it once, as stored.
        const std::vector<ConstantRecord> constants{
            MakeConstant("speed of light in vacuum", "299 792 458", "(exact)"),
            MakeConstant("Planck constant", "6.626 070 15 e-34", "(exact)"),
            MakeConstant("Speed of sound ratio", "1.0\xB1", "0.1"),
            MakeConstant("electron mass", "9.109 383 7015 e-31", "0.000 000 0028 e-31"),
        };
        ASSERT_EQ(WriteRecordFile(folder_ / "consts.dat", constants), std::nullopt);
    }

    dlgConstants& Open(const std::string& file = "consts.dat") {
        window_ = std::make_unique<dlgConstants>(profile_.Store(), folder_ / file);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        return *window_;
    }
    QTreeWidget& List() { return Control<QTreeWidget>(*window_, kList); }
    QLineEdit& Filter() { return Control<QLineEdit>(*window_, kFilter); }

    test::TempFolder folder_;
    test::TestProfile profile_;
    std::unique_ptr<dlgConstants> window_;
};

TEST_F(ConstantsWindowTest, TypingNarrowsTheSortedListIgnoringCase) {
    Open();
    struct Case {
        QString typed;
        QStringList rows;
    };
    const std::vector<Case> cases{
        {"", {"electron mass", "Planck constant", "speed of light in vacuum", "Speed of sound ratio"}},
        {"SPEED", {"speed of light in vacuum", "Speed of sound ratio"}},
        {"vacuum>", {"speed of light in vacuum"}},
        {"light>", {}},
        {"6.626", {}},
    };
    for (const Case& c : cases) {
        Filter().clear();
        QTest::keyClicks(&Filter(), c.typed);
        EXPECT_EQ(test::Column(List(), 0), c.rows) << c.typed.toStdString();
    }
    EXPECT_EQ(List().topLevelItemCount(), 0);
}

TEST_F(ConstantsWindowTest, DoubleClickEnterAndCopyLeaveExactlyTheStoredValue) {
    Open();
    EXPECT_TRUE(Filter().hasFocus());
    QTest::keyClick(&Filter(), Qt::Key_Down);  // into the list, on the first row
    ASSERT_TRUE(List().hasFocus());
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "6.626 070 15 e-34");
    EXPECT_TRUE(window_->isVisible()) << "Enter copies; it does not close the window";

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "6.626 070 15 e-34");

    DoubleClickRow(List(), 3);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("1.0±"));
}

TEST_F(ConstantsWindowTest, AFileThatCannotBeReadOrEndsInAFragmentIsNamed) {
    test::WriteBytes(folder_ / "cut.dat", std::vector<std::uint8_t>(ConstantRecord::kSize + 17, 'a'));
    struct Case {
        std::string file;
        int rows;
        bool namesFile;
    };
    const std::vector<Case> cases{{"missing.dat", 0, true}, {"cut.dat", 1, true}, {"consts.dat", 4, false}};
    for (const Case& c : cases) {
        Open(c.file);
        const QLabel& error = Control<QLabel>(*window_, kFileError);
        EXPECT_EQ(List().topLevelItemCount(), c.rows) << c.file;
        EXPECT_EQ(error.isVisible(), c.namesFile) << c.file;
        EXPECT_EQ(error.text().contains(QString::fromStdString(c.file)), c.namesFile) << error.text().toStdString();
    }
}

// Cells of `list` whose text the list would cut short.
QStringList CutCells(QTreeWidget& list) {
    QStringList cut;
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        for (int column = 0; column < list.columnCount(); ++column) {
            const QModelIndex index = list.model()->index(row, column);
            if (list.itemDelegate()->sizeHint(option, index).width() > list.columnWidth(column))
                cut << index.data().toString();
        }
    return cut;
}

// The values and uncertainties read whole at the window's first size; the names give way and the
// list follows the window, so a wider window shows every text whole.
TEST_F(ConstantsWindowTest, TheListFollowsTheWindowAndItsColumnsFitTheirTexts) {
    const std::vector<ConstantRecord> constants{
        MakeConstant(std::string(79, 'W'), "3727.379 4066", "0.000 0011"),
        MakeConstant("proton magnetic shielding correction", "2.567 15 e-5", "0.000 41 e-5"),
    };
    ASSERT_EQ(WriteRecordFile(folder_ / "long.dat", constants), std::nullopt);
    Open("long.dat");
    QCoreApplication::processEvents();
    EXPECT_EQ(CutCells(List()), QStringList{constants[0].name.Text().c_str()});
    const int listWidth = List().width();
    window_->resize(window_->size() + QSize(1000, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(List().width(), listWidth + 1000);
    EXPECT_EQ(CutCells(List()), QStringList{});
}

class ElementsWindowTest : public testing::Test {
protected:
    void SetUp() override {
        // Two records named "Iron": both rows show the first; the weight of Tin fills its field.
        const std::vector<ElementRecord> elements{
            Element(26, "Iron", "Fe", "55.845", "A metal."),
            Element(50, "Tin", "Sn", "118.710000", "Soft."),
            Element(126, "Iron", "Xx", "0", "A second record of the same name."),
            Element(85, "Astatine", "At", "(210)", "Rare."),
        };
        ASSERT_EQ(WriteRecordFile(folder_ / "element.dat", elements), std::nullopt);
        window_ = std::make_unique<dlgElements>(profile_.Store(), folder_ / "element.dat");
        window_->show();
        QApplication::setActiveWindow(window_.get());
    }
    QTreeWidget& List() { return Control<QTreeWidget>(*window_, kList); }
    QString Field(int controlId) {
        if (controlId == 1108 || controlId == 1140) return Control<QPlainTextEdit>(*window_, controlId).toPlainText();
        return Control<QLineEdit>(*window_, controlId).text();
    }

    test::TempFolder folder_;
    test::TestProfile profile_;
    std::unique_ptr<dlgElements> window_;
};

TEST_F(ElementsWindowTest, TheListShowsEveryNameAndSymbolWhole) {
    QCoreApplication::processEvents();
    EXPECT_EQ(CutCells(List()), QStringList{});
}

TEST_F(ElementsWindowTest, TheDetailPaneFollowsTheSelection) {
    ASSERT_EQ(test::Column(List(), 0), (QStringList{"Astatine", "Iron", "Iron", "Tin"}));
    EXPECT_EQ(Field(1137), "");
    struct Case {
        int row;
        QString number, weight, description;
    };
    const std::vector<Case> cases{
        {3, "50", "118.710000", "Soft."},
        {2, "26", "55.845", "A metal."},
        {0, "85", "(210)", "Rare."},
        {1, "26", "55.845", "A metal."},
    };
    for (const Case& c : cases) {
        List().setCurrentItem(List().topLevelItem(c.row));
        EXPECT_EQ(Field(1137), c.number) << c.row;
        EXPECT_EQ(Field(1138), c.weight) << c.row;
        EXPECT_EQ(Field(1140), c.description) << c.row;
    }
    QTest::keyClicks(&Control<QLineEdit>(*window_, kFilter), "zz");
    EXPECT_EQ(List().topLevelItemCount(), 0);
    EXPECT_EQ(Field(1137), "26") << "refilling leaves the pane as it was";
}

TEST_F(ElementsWindowTest, SymbolsAreCopiedAndNotSearched) {
    auto& filter = Control<QLineEdit>(*window_, kFilter);
    QTest::keyClicks(&filter, "sn");
    EXPECT_EQ(List().topLevelItemCount(), 0);
    filter.clear();
    QTest::keyClicks(&filter, "TIN");
    ASSERT_EQ(test::Column(List(), 0), (QStringList{"Astatine", "Tin"}));
    DoubleClickRow(List(), 1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Sn");
    QTest::keyClick(&List(), Qt::Key_Up);
    EXPECT_EQ(Field(1137), "85");
    QTest::keyClick(&List(), Qt::Key_Enter);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "At");
}

}  // namespace
}  // namespace quantora
