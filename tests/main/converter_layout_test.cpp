// The main window as a user meets it: what the layout shows at its sizes, where Tab goes, the
// tips, and the typed values the evaluator cannot read. CTest runs these again at twice the scale.
#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <utility>

#include "app/settings.h"
#include "main/converter_dialog.h"
#include "sample_units.h"
#include "support/converter_window_fixture.h"
#include "ui/fx_button.h"

namespace quantora {
namespace {

namespace id = converter_id;
namespace line = test::sample_line;
namespace length = test::length_row;

class ConverterLayoutTest : public test::ConverterWindowFixture {
protected:
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

    // The window's own visible controls, each named by its id.
    std::vector<QWidget*> Shown() {
        std::vector<QWidget*> shown;
        for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !child->objectName().isEmpty()) shown.push_back(child);
        }
        return shown;
    }

    std::map<std::string, QRect> Places() {
        std::map<std::string, QRect> places;
        for (const QWidget* control : Shown()) places[control->objectName().toStdString()] = control->geometry();
        return places;
    }

    // Every visible control of the window that meets another one, a group box and the controls
    // it frames apart, or that reaches past the window's edge.
    std::vector<std::string> Overlaps() {
        const std::vector<QWidget*> shown = Shown();
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
};

// Trigonometry shows both groups; a caption that runs over its group's border meets the group.
// Wider, the unit lists take the room and the buttons keep to the right edge; back at its size,
// every control is where it was.
TEST_F(ConverterLayoutTest, NoControlMeetsAnotherAtAnySizeAndAResizeIsUndone) {
    Open();
    ChooseCategory(line::kTrigonometry);
    const QSize initial = window_->size();
    const std::map<std::string, QRect> before = Places();
    EXPECT_EQ(window_->minimumSize(), initial);
    for (const QSize size : {initial, QSize(320, 240), initial + QSize(200, 100)}) {
        window_->resize(size);
        QCoreApplication::processEvents();
        EXPECT_GE(window_->width(), initial.width());
        EXPECT_EQ(Overlaps(), std::vector<std::string>{}) << size.width() << "x" << size.height();
    }
    for (const int list : {id::kSourceList, id::kDestinationList}) {
        EXPECT_EQ(Get<QWidget>(list).width(), before.at(std::to_string(list)).width() + 200) << list;
    }
    for (const int button : {id::kFormula, id::kExit, id::kAbout}) {
        EXPECT_EQ(Get<QWidget>(button).x(), before.at(std::to_string(button)).x() + 200) << button;
    }
    window_->resize(initial);
    QCoreApplication::processEvents();
    EXPECT_EQ(Places(), before);
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

// Reading order in a window of columns: down each column, the columns from left to right, where a
// column is the controls whose horizontal extents overlap; a row inside a column reads left to right.
std::vector<std::string> InReadingOrder(std::vector<QWidget*> controls) {
    std::ranges::sort(controls, {}, [](const QWidget* w) { return w->geometry().left(); });
    std::vector<std::vector<QWidget*>> columns;
    int columnRight = 0;
    for (QWidget* control : controls) {
        if (columns.empty() || control->geometry().left() > columnRight) columns.emplace_back();
        columns.back().push_back(control);
        columnRight = std::max(columnRight, control->geometry().right());
    }
    std::vector<std::string> names;
    for (std::vector<QWidget*>& column : columns) {
        std::ranges::sort(column, {},
                          [](const QWidget* w) { return std::pair(w->geometry().top(), w->geometry().left()); });
        for (const QWidget* control : column) names.push_back(control->objectName().toStdString());
    }
    return names;
}

TEST_F(ConverterLayoutTest, TabVisitsTheControlsInReadingOrder) {
    Open();
    std::vector<QWidget*> reachable;
    for (QWidget* control : Shown()) {
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) reachable.push_back(control);
    }
    const std::vector<std::string> expected = InReadingOrder(reachable);
    ASSERT_GT(expected.size(), 1u);
    std::vector<std::string> visited;
    QWidget* at = &Get<QWidget>(std::stoi(expected.front()));
    for (int step = 0; step < 1000 && visited.size() < expected.size(); ++step, at = at->nextInFocusChain()) {
        if (std::ranges::find(reachable, at) != reachable.end()) visited.push_back(at->objectName().toStdString());
    }
    EXPECT_EQ(visited, expected);
}

// Each of the window's picture buttons shows its caption over its picture, which covers the
// button at both screen densities, and says what it does in its tip.
TEST_F(ConverterLayoutTest, EveryPictureButtonShowsItsCaptionAndPicture) {
    Open();
    const QList<CFxButton*> buttons = window_->findChildren<CFxButton*>();
    ASSERT_FALSE(buttons.isEmpty());
    for (CFxButton* button : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_FALSE(button->text().isEmpty());
        EXPECT_FALSE(button->toolTip().isEmpty());
        const QString path = button->LookPicture(ButtonLook::kNormal);
        const QImage picture(path);
        ASSERT_FALSE(picture.isNull()) << path.toStdString();
        EXPECT_EQ(QImage(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"))).size(),
                  picture.size() * 2);
        QImage covered(button->size(), QImage::Format_ARGB32);
        covered.fill(Qt::transparent);
        QPainter painter(&covered);
        painter.drawImage(covered.rect(), picture);
        painter.end();
        const int w = covered.width();
        const int h = covered.height();
        for (const QPoint inside :
             {QPoint(w / 2, 2), QPoint(w / 2, h / 2), QPoint(w / 2, h - 3), QPoint(w - 2, h / 2)}) {
            EXPECT_EQ(qAlpha(covered.pixel(inside)), 255) << inside.x() << "," << inside.y();
        }
        const QImage shown = button->grab().toImage();
        int blue = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor colour = shown.pixelColor(x, y);
                if (colour.red() < 60 && colour.green() < 60 && colour.blue() > 200) ++blue;
            }
        }
        EXPECT_GT(blue, 10) << "the caption is drawn over it";
    }
}

// "First Cat" beyond the list: nothing is shown, and the first click on a category shows it.
TEST_F(ConverterLayoutTest, AnyClickOnACategorySelectsAndConvertsIt) {
    WriteSetting(profile_.Store(), Setting::kFirstCat, "40");
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
        WriteSetting(profile_.Store(), Setting::kCommonUnits, "0");
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
            edges.push_back(
                list.mapTo(list.window(),
                           QPoint(list.header()->sectionViewportPosition(column) + list.columnWidth(column), 0))
                    .x());
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
        const QRect text =
            categories.fontMetrics().boundingRect(QRect(0, 0, place.width(), 10000), Qt::TextWordWrap, item.text());
        EXPECT_LE(text.width(), place.width()) << item.text().toStdString();
        // The list stacks wrapped lines without the font's leading, which the measure above adds.
        const QFontMetrics& metrics = categories.fontMetrics();
        EXPECT_LE(text.height() / metrics.lineSpacing() * metrics.height(), place.height())
            << item.text().toStdString();
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
