// The main window as a user meets it: what the layout shows at its sizes, where Tab goes, the
// tips, and the typed values the evaluator cannot read. CTest runs these again at twice the scale.
#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolTip>
#include <QScrollBar>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "app/settings.h"
#include "main/converter_dialog.h"
#include "sample_units.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

namespace id = converter_id;
namespace line = test::sample_line;
namespace length = test::length_row;

class ConverterLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteSampleUnits(folder_.Path());
        WriteSetting(profile_.Store(), "Seperator", "0");
        WriteSetting(profile_.Store(), "First Cat", std::to_string(line::kLength));
    }

    CConverterDlg& Open() {
        window_ = std::make_unique<CConverterDlg>(profile_.Store(), folder_.Path() / "data", launchers_);
        window_->LoadCatalogue();
        window_->show();
        QCoreApplication::processEvents();
        return *window_;
    }

    template <typename Control>
    Control& Get(int controlId) {
        auto* control = window_->findChild<Control*>(QString::number(controlId));
        if (control == nullptr) throw std::runtime_error("no control " + std::to_string(controlId));
        return *control;
    }

    QTreeWidget& Source() { return Get<QTreeWidget>(id::kSourceList); }

    void ChooseCategory(std::size_t categoryLine) {
        Get<QListWidget>(id::kCategories).setCurrentRow(static_cast<int>(categoryLine));
        QCoreApplication::processEvents();
    }

    void Type(const QString& text) {
        Get<QLineEdit>(id::kValue).setText(text);
        QCoreApplication::processEvents();
    }

    // The tip the list shows over a cell, as the user's pointer resting there brings it up.
    QString TipAt(QTreeWidget& list, int row, int column) {
        const QPoint at = list.visualRect(list.model()->index(row, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    // Every visible control of the window that meets another one, a group box and the controls
    // it frames apart, or that reaches past the window's edge.
    std::vector<std::string> Overlaps() {
        std::vector<QWidget*> shown;
        for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !child->objectName().isEmpty()) shown.push_back(child);
        }
        std::vector<std::string> faults;
        const auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const QRect a = shown[i]->geometry();
            if (!window_->rect().contains(a)) faults.push_back(name(shown[i]) + " leaves the window");
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const QRect b = shown[j]->geometry();
                if (!a.intersects(b)) continue;
                const bool framed = (qobject_cast<QGroupBox*>(shown[i]) && a.contains(b)) ||
                                    (qobject_cast<QGroupBox*>(shown[j]) && b.contains(a));
                if (!framed) faults.push_back(name(shown[i]) + " meets " + name(shown[j]));
            }
        }
        return faults;
    }

    // Result-line labels whose text is wider than the label, or that run into each other.
    std::vector<std::string> ClippedResultLine() {
        const std::array ids{id::kSourceValueLabel, id::kSourceUnitLabel, id::kDestinationValueLabel,
                             id::kDestinationUnitLabel};
        std::vector<std::string> faults;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const QLabel& label = Get<QLabel>(ids[i]);
            if (label.fontMetrics().horizontalAdvance(label.text()) > label.width()) {
                faults.push_back(label.text().toStdString() + " is clipped");
            }
            if (i > 0 && Get<QLabel>(ids[i - 1]).geometry().intersects(label.geometry())) {
                faults.push_back(label.text().toStdString() + " meets the label before it");
            }
        }
        return faults;
    }

    test::TempFolder folder_;
    test::TestProfile profile_;
    test::ScriptedLaunchers launchers_;
    std::unique_ptr<CConverterDlg> window_;
};

// Trigonometry shows both groups; a caption that runs over its group's border meets the group.
TEST_F(ConverterLayoutTest, NoControlMeetsAnotherAtTheDefaultAndTheSmallestSize) {
    Open();
    ChooseCategory(line::kTrigonometry);
    const QSize initial = window_->size();
    EXPECT_EQ(window_->minimumSize(), initial);
    for (const QSize size : {initial, QSize(320, 240), initial + QSize(200, 100)}) {
        window_->resize(size);
        QCoreApplication::processEvents();
        EXPECT_GE(window_->width(), initial.width());
        EXPECT_EQ(Overlaps(), std::vector<std::string>{}) << size.width() << "x" << size.height();
    }
}

TEST_F(ConverterLayoutTest, TheResultLineReadsWholeWithALongUnitName) {
    Open();
    ChooseCategory(line::kEnergy);
    Source().setCurrentItem(Source().topLevelItem(1));  // the long household name
    for (const char* typed : {"1", "123456789012345678901234567890"}) {
        SCOPED_TRACE(typed);
        Type(typed);
        EXPECT_EQ(ClippedResultLine(), std::vector<std::string>{});
        const QLabel& unit = Get<QLabel>(id::kSourceUnitLabel);
        EXPECT_TRUE(unit.text().endsWith(" = ")) << unit.text().toStdString();
        EXPECT_FALSE(unit.toolTip().isEmpty());  // the whole name, where it was shortened
        EXPECT_FALSE(Get<QLabel>(id::kDestinationValueLabel).text().isEmpty());
    }
    ChooseCategory(line::kLength);
    Type("5");
    EXPECT_EQ(ClippedResultLine(), std::vector<std::string>{});
    EXPECT_EQ(Get<QLabel>(id::kSourceUnitLabel).text(), "Kilometer = ");
    EXPECT_TRUE(Get<QLabel>(id::kSourceUnitLabel).toolTip().isEmpty());
}

// A value longer than any the options produce is cut in its cell and shown whole in its tip.
TEST_F(ConverterLayoutTest, AValueTooLongForAnyRoomShowsInItsTip) {
    Open();
    const QString digits(10000, '7');
    Type(digits);
    QTreeWidget& list = Source();
    EXPECT_LE(list.header()->length(), list.viewport()->width());
    EXPECT_EQ(TipAt(list, static_cast<int>(length::kKilometer), 2), digits);
}

// Over a row whose texts show whole the list's own tip comes up, as the pointer rests there.
TEST_F(ConverterLayoutTest, TheDestinationTipShowsOverItsRows) {
    Open();
    QTreeWidget& list = Get<QTreeWidget>(id::kDestinationList);
    const QPoint row = list.visualRect(list.model()->index(static_cast<int>(length::kMeter), 0)).center();
    QApplication::setActiveWindow(window_.get());  // tips show in the active window only
    QTest::mouseMove(list.viewport(), row);
    QTest::qWait(1500);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), list.toolTip());
}

TEST_F(ConverterLayoutTest, TabFollowsTheLayoutOrder) {
    Open();
    const std::vector<int> expected{id::kCategories, id::kValue,   id::kSwap,   id::kSourceList, id::kDestinationList,
                                    id::kFormula,    id::kOptions, id::kUpdate, id::kFind,       id::kConstants,
                                    id::kElements,   id::kHelp,    id::kExit,   id::kAllUnits,   id::kCommonUnits,
                                    id::kAbout};
    std::vector<int> order;
    QWidget* at = &Get<QWidget>(id::kCategories);
    for (int step = 0; step < 1000 && order.size() < expected.size(); ++step, at = at->nextInFocusChain()) {
        bool known = false;
        const int controlId = at->objectName().toInt(&known);
        if (known && at->isVisible() && at->focusPolicy() & Qt::TabFocus) order.push_back(controlId);
    }
    EXPECT_EQ(order, expected);
}

// "First Cat" beyond the list: nothing is shown, and the first click on a category shows it.
TEST_F(ConverterLayoutTest, AnyClickOnACategorySelectsAndConvertsIt) {
    WriteSetting(profile_.Store(), "First Cat", "40");
    Open();
    EXPECT_EQ(Source().topLevelItemCount(), 0);
    EXPECT_EQ(Get<QLabel>(id::kSourceUnitLabel).text(), "");
    auto& categories = Get<QListWidget>(id::kCategories);
    const QRect mass = categories.visualItemRect(categories.item(static_cast<int>(line::kMass)));
    QTest::mouseClick(categories.viewport(), Qt::LeftButton, {}, mass.center());
    EXPECT_EQ(categories.currentRow(), static_cast<int>(line::kMass));
    EXPECT_EQ(Source().topLevelItemCount(), 3);
    EXPECT_EQ(Get<QLabel>(id::kSourceUnitLabel).text(), "Kilogram = ");
    EXPECT_EQ(ReadSetting(profile_.Store(), "First Cat"), std::to_string(line::kMass));
}

TEST_F(ConverterLayoutTest, ATypedValueTheEvaluatorCannotReadShowsError) {
    Open();
    const std::vector<std::pair<QString, QString>> meters{
        {"abc", "Error"}, {"1/0", "Error"}, {"2E3", "2000000.000000"}, {"2e3", "2000000.000000"}};
    for (const auto& [typed, shown] : meters) {
        Type(typed);
        EXPECT_EQ(Source().topLevelItem(static_cast<int>(length::kMeter))->text(2), shown) << typed.toStdString();
    }
}

// The shipped data, where the longest names and formulas live.
class ShippedDataLayoutTest : public ConverterLayoutTest {
protected:
    void SetUp() override {
        std::filesystem::copy(QUANTORA_DATA_DIR, folder_ / "data", std::filesystem::copy_options::recursive);
        WriteSetting(profile_.Store(), "Common Units", "0");
    }

    void ChooseCategory(const QString& name) {
        auto& categories = Get<QListWidget>(id::kCategories);
        const auto found = categories.findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        categories.setCurrentItem(found.first());
        QCoreApplication::processEvents();
    }

    // Cells whose text the list would cut short, as "row,column: text".
    static std::vector<std::string> CutCells(QTreeWidget& list, int column) {
        std::vector<std::string> cut;
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.font = list.font();
        option.fontMetrics = list.fontMetrics();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QModelIndex index = list.model()->index(row, column);
            if (list.itemDelegate()->sizeHint(option, index).width() > list.columnWidth(column)) {
                cut.push_back(std::to_string(row) + "," + std::to_string(column) + ": " +
                              index.data().toString().toStdString());
            }
        }
        return cut;
    }

    // The right edge of each column, as both lists place them.
    static std::vector<int> ColumnEdges(QTreeWidget& list) {
        std::vector<int> edges;
        for (int column = 0; column < 3; ++column)
            edges.push_back(list.mapTo(list.window(), QPoint(list.header()->sectionViewportPosition(column) +
                                                                 list.columnWidth(column), 0)).x());
        return edges;
    }
};

struct ReadableCase {
    const char* category;
    const char* typed;
};

// The value is what the window is for: every value shows whole in both lists, and so do the
// longest texts the default options can produce; the unit names give way, cut short with their tip.
TEST_F(ShippedDataLayoutTest, EveryValueReadsWholeAndTheColumnsLineUp) {
    const std::vector<ReadableCase> cases{{"Length", "100"},
                                          {"Length", "-999999999.999999"},
                                          {"Length", "-9.999999e9"},
                                          {"Levels and Ratios (Logarithmic)", "-999999999.999999"},
                                          {"Levels and Ratios (Logarithmic)", "123456789"},
                                          {"Number Systems", "-999999999"}};
    Open();
    const QSize initial = window_->size();
    for (const QSize size : {initial, initial + QSize(400, 0)}) {
        window_->resize(size);
        for (const auto& [category, typed] : cases) {
            SCOPED_TRACE(std::string(category) + " " + typed + " at " + std::to_string(size.width()));
            ChooseCategory(category);
            Type(typed);
            QTreeWidget& destination = Get<QTreeWidget>(id::kDestinationList);
            for (QTreeWidget* list : {&Source(), &destination}) {
                EXPECT_EQ(CutCells(*list, 2), std::vector<std::string>{});
                EXPECT_LE(list->header()->length(), list->viewport()->width());
                for (const QString& widest : {QStringLiteral("-999,999,999.999999"), QStringLiteral("-9.999999e+099")})
                    EXPECT_LT(list->fontMetrics().horizontalAdvance(widest), list->columnWidth(2));
            }
            EXPECT_EQ(ColumnEdges(Source()), ColumnEdges(destination));
        }
    }
}

// Levels and Ratios has the longest names: cut at the default size, with their tips, and whole
// once the window is wide enough.
TEST_F(ShippedDataLayoutTest, TheNamesGiveWayAndTakeTheRoomOfAWiderWindow) {
    Open();
    ChooseCategory(QStringLiteral("Levels and Ratios (Logarithmic)"));
    QTreeWidget& list = Source();
    const std::vector<std::string> cut = CutCells(list, 0);
    ASSERT_FALSE(cut.empty());
    const int row = std::stoi(cut.front());
    EXPECT_EQ(TipAt(list, row, 0), list.topLevelItem(row)->text(0));
    window_->resize(window_->size() + QSize(600, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(CutCells(list, 0), std::vector<std::string>{});
    EXPECT_EQ(CutCells(list, 1), std::vector<std::string>{});
}

// Every category name reads whole without a sideways scroll bar, and the last row of each list
// shows whole once scrolled to, inside the window.
TEST_F(ShippedDataLayoutTest, CategoryNamesAndLastRowsShowWhole) {
    Open();
    ChooseCategory(QStringLiteral("Length"));
    auto& categories = Get<QListWidget>(id::kCategories);
    EXPECT_FALSE(categories.horizontalScrollBar()->isVisible());
    for (int row = 0; row < categories.count(); ++row) {
        const QListWidgetItem& item = *categories.item(row);
        const QRect place = categories.visualItemRect(&item);
        const QRect text = categories.fontMetrics().boundingRect(QRect(0, 0, place.width(), 10000),
                                                                 Qt::TextWordWrap, item.text());
        EXPECT_LE(text.width(), place.width()) << item.text().toStdString();
        EXPECT_LE(text.height(), place.height()) << item.text().toStdString();
    }
    QTreeWidget& destination = Get<QTreeWidget>(id::kDestinationList);
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{&categories, &Source(), &destination}) {
        list->scrollToBottom();
        QCoreApplication::processEvents();
        const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(last))) << list->objectName().toStdString();
        EXPECT_LE(list->geometry().bottom(), window_->rect().bottom()) << list->objectName().toStdString();
    }
}

}  // namespace
}  // namespace quantora
