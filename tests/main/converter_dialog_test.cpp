#include "main/converter_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "app/data_paths.h"
#include "app/help_window.h"
#include "app/settings.h"
#include "catalogue/record_file.h"
#include "main/qt_window_launchers.h"
#include "sample_units.h"
#include "support/converter_window_fixture.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/list_selection.h"
#include "update/list_entry.h"

namespace quantora {
namespace {

namespace id = converter_id;
namespace line = test::sample_line;
namespace length = test::length_row;
namespace trig = test::trig_row;
using test::Column;

class ConverterWindowTest : public test::ConverterWindowFixture {
protected:
    static int ContentWidth(const QAbstractItemView& list, int column) { return list.sizeHintForColumn(column); }

    static void Pick(QTreeWidget& list, std::size_t row) {
        list.setCurrentItem(list.topLevelItem(static_cast<int>(row)));
    }

    QStringList ResultLine() {
        return {Get<QLabel>(id::kSourceValueLabel).text(), Get<QLabel>(id::kSourceUnitLabel).text(),
                Get<QLabel>(id::kDestinationValueLabel).text(), Get<QLabel>(id::kDestinationUnitLabel).text()};
    }

    void Type(const QString& text) {
        Value().clear();
        QTest::keyClicks(&Value(), text);
    }
};

TEST_F(ConverterWindowTest, EveryKeystrokeConvertsIntoBothLists) {
    Open();
    Value().clear();
    const std::vector<std::pair<QChar, QString>> steps{
        {'2', "2000.000000"}, {'5', "25000.000000"}, {'e', "25000.000000"}, {'1', "250000.000000"}};
    for (const auto& [key, meters] : steps) {
        QTest::keyClicks(&Value(), QString(key));
        EXPECT_EQ(Column(Source(), 2).at(length::kMeter), meters) << Value().text().toStdString();
    }
    EXPECT_EQ(Column(Source(), 2), Column(Destination(), 2));
    EXPECT_EQ(Column(Source(), 2).at(length::kKilometer), "25e1");
    EXPECT_EQ(ResultLine(), (QStringList{"25e1", "Kilometer = ", "250000.000000", "Meter"}));

    Value().clear();
    EXPECT_EQ(Column(Destination(), 2).at(length::kMeter), "250000.000000");
}

TEST_F(ConverterWindowTest, ListsShowTheUnitsInCatalogueOrderWithDecodedTexts) {
    Open();
    EXPECT_EQ(Column(Source(), 0), (QStringList{"Ångström", "Fathom", "Kilometer", "Meter", "Mile"}));
    EXPECT_EQ(Column(Destination(), 1), (QStringList{"Å", "ftm", "km", "m", "mi"}));
    const auto& categories = Get<QListWidget>(id::kCategories);
    ASSERT_EQ(categories.count(), 4);
    EXPECT_EQ(categories.item(static_cast<int>(line::kEnergy))->text(), "Énergie");
    EXPECT_EQ(categories.item(static_cast<int>(line::kTrigonometry))->data(Qt::UserRole).toInt(), 26);
    EXPECT_EQ(Source().headerItem()->text(2), "Value");
}

TEST_F(ConverterWindowTest, SwitchingCategoriesAndBackSelectsTheSameUnits) {
    Open();
    Pick(Source(), length::kMile);
    Pick(Destination(), length::kFathom);
    ChooseCategory(line::kMass);
    EXPECT_EQ(Column(Source(), 0), (QStringList{"Gram", "Kilogram", "Microgram"}));
    EXPECT_EQ(SelectedRow(Source()), 1u);
    ChooseCategory(line::kLength);
    EXPECT_EQ(SelectedRow(Source()), length::kMile);
    EXPECT_EQ(SelectedRow(Destination()), length::kFathom);
    EXPECT_EQ(ReadSetting(profile_.Store(), "First Cat"), "1");
}

TEST_F(ConverterWindowTest, SwapExchangesSourceAndDestination) {
    Open();
    Type("5");
    ASSERT_EQ(ResultLine(), (QStringList{"5", "Kilometer = ", "5000.000000", "Meter"}));
    Get<QAbstractButton>(id::kSwap).click();
    EXPECT_EQ(SelectedRow(Source()), length::kMeter);
    EXPECT_EQ(SelectedRow(Destination()), length::kKilometer);
    EXPECT_EQ(ResultLine(), (QStringList{"5", "Meter = ", "0.005000", "Kilometer"}));

    Pick(Destination(), length::kMeter);
    const QStringList sameUnit = ResultLine();
    Get<QAbstractButton>(id::kSwap).click();
    EXPECT_EQ(ResultLine(), sameUnit);
    EXPECT_EQ(SelectedRow(Source()), length::kMeter);
}

TEST_F(ConverterWindowTest, UnitsChoiceReloadsAndKeepsTheCategory) {
    Open();
    ChooseCategory(line::kLength);
    Get<QRadioButton>(id::kCommonUnits).click();
    EXPECT_EQ(ReadSetting(profile_.Store(), "Common Units"), "1");
    EXPECT_EQ(Column(Source(), 0), (QStringList{"Kilometer", "Meter", "Mile"}));
    EXPECT_EQ(Get<QListWidget>(id::kCategories).currentRow(), static_cast<int>(line::kLength));
    Get<QRadioButton>(id::kAllUnits).click();
    EXPECT_EQ(ReadSetting(profile_.Store(), "Common Units"), "0");
    EXPECT_EQ(Source().topLevelItemCount(), 5);
}

TEST_F(ConverterWindowTest, FindSwitchesToAllUnitsFirst) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    test::ScriptedLaunchers windows;  // the find window is cancelled
    launchers_ = &windows;
    Open();
    QApplication::setActiveWindow(window_.get());
    ASSERT_EQ(Source().topLevelItemCount(), 3);
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Get<QRadioButton>(id::kAllUnits).isChecked());
    EXPECT_FALSE(Get<QRadioButton>(id::kCommonUnits).isChecked());
    EXPECT_EQ(ReadSetting(profile_.Store(), "Common Units"), "0");
    EXPECT_EQ(Source().topLevelItemCount(), 5);
    EXPECT_EQ(Get<QListWidget>(id::kCategories).currentRow(), static_cast<int>(line::kLength));
}

TEST_F(ConverterWindowTest, TheStoredUnitsChoiceIsCheckedAtStart) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    Open();
    EXPECT_TRUE(Get<QRadioButton>(id::kCommonUnits).isChecked());
    EXPECT_FALSE(Get<QRadioButton>(id::kAllUnits).isChecked());
    EXPECT_EQ(Source().topLevelItemCount(), 3);
}

TEST_F(ConverterWindowTest, RadiansAreStoredAndTheSameUnitsStaySelected) {
    Open();
    EXPECT_FALSE(Get<QGroupBox>(id::kAngleGroup).isVisible());
    ChooseCategory(line::kTrigonometry);
    Type("30");
    Pick(Destination(), trig::kExponential);
    Pick(Destination(), trig::kSine);
    ASSERT_TRUE(Get<QGroupBox>(id::kAngleGroup).isVisible());
    EXPECT_TRUE(Get<QRadioButton>(id::kDegrees).isChecked());
    EXPECT_EQ(Column(Source(), 2).at(trig::kSine), "0.500000");

    Get<QRadioButton>(id::kRadians).click();

    EXPECT_EQ(ReadSetting(profile_.Store(), "Degree"), "2");
    EXPECT_TRUE(Get<QRadioButton>(id::kRadians).isChecked());
    EXPECT_EQ(SelectedRow(Source()), trig::kArgument);
    EXPECT_EQ(SelectedRow(Destination()), trig::kSine);
    EXPECT_EQ(Column(Source(), 2).at(trig::kSine), "-0.988032");  // sin(30 rad)
    ChooseCategory(line::kMass);
    EXPECT_FALSE(Get<QRadioButton>(id::kRadians).isVisible());
}

TEST_F(ConverterWindowTest, AnExpressionCategoryShowsTheFunctionWithItsArgument) {
    Open();
    ChooseCategory(line::kTrigonometry);
    Type("2");
    EXPECT_EQ(ResultLine(), (QStringList{"sin(2)", "=", "0.034899", ""}));
    Pick(Destination(), trig::kExponential);
    EXPECT_EQ(ResultLine(), (QStringList{"exp(2)", "=", "7.389056", ""}));
}

TEST_F(ConverterWindowTest, DoubleClickAndCtrlCCopyTheShownValue) {
    Open();
    Type("5");
    Pick(Destination(), length::kMile);
    QTreeWidget& list = Destination();
    const QRect rect = list.visualItemRect(list.topLevelItem(static_cast<int>(length::kMile)));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3.106856");
    for (QTreeWidget* copied : {&Source(), &Destination()}) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(copied, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copied == &Source() ? "5" : "3.106856");
    }

    list.clearSelection();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(2, list.viewport()->height() - 2));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

TEST_F(ConverterWindowTest, EnterAndEscDoNotCloseTheWindow) {
    Open();
    EXPECT_EQ(window_->focusWidget(), &Value());
    const std::vector<std::pair<QWidget*, Qt::Key>> presses{{&Value(), Qt::Key_Return},
                                                            {&Value(), Qt::Key_Enter},
                                                            {&Value(), Qt::Key_Escape},
                                                            {&Get<QAbstractButton>(id::kExit), Qt::Key_Return},
                                                            {&Source(), Qt::Key_Escape}};
    for (const auto& [target, key] : presses) {
        target->setFocus();
        QTest::keyClick(target, key);
        EXPECT_TRUE(window_->isVisible()) << target->objectName().toStdString() << " key " << key;
    }
    Get<QAbstractButton>(id::kExit).click();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(ConverterWindowTest, TheValueTextIsSavedAtTheEndAndShownAtTheNextStart) {
    Open();
    EXPECT_EQ(Value().text(), "1");
    Type("12.5");
    window_.reset();
    EXPECT_EQ(ReadSetting(profile_.Store(), "Saved X"), "12.5");
    Open();
    EXPECT_EQ(Value().text(), "12.5");
    EXPECT_EQ(Column(Source(), 2).at(length::kMeter), "12500.000000");
}

// The Options window rewrites the data files' show flags; here it leaves a unit out altogether.
void LeaveOutUnit(const std::filesystem::path& executableFolder, const std::string& name) {
    const auto file = executableFolder / "data" / data_file::kUnits;
    auto units = ReadRecordFile<UnitRecord>(file).records;
    std::erase_if(units, [&name](const UnitRecord& unit) { return unit.name.Text() == name; });
    ASSERT_FALSE(WriteRecordFile(file, units).has_value());
}

TEST_F(ConverterWindowTest, AcceptedOptionsAndReplacedFilesReloadTheCatalogueInTheSameCategory) {
    struct Case {
        const char* name;
        int button;
        OptionsResult options;
        UpdateResult update;
        int lengthUnits;
    };
    const std::vector<Case> cases{
        {"options accepted", id::kOptions, {.accepted = true}, {}, 4},
        {"options cancelled", id::kOptions, {.accepted = false}, {}, 5},
        {"files replaced", id::kUpdate, {}, {.filesReplaced = true}, 4},
        {"nothing replaced", id::kUpdate, {}, {.filesReplaced = false}, 5},
    };
    test::ScriptedLaunchers windows;
    launchers_ = &windows;
    std::vector<std::string> opened;
    windows.onOpen = [this, &opened](const std::string& window) {
        opened.push_back(window);
        LeaveOutUnit(folder_.Path(), "Fathom");
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteSampleUnits(folder_.Path());
        windows.options = c.options;
        windows.update = c.update;
        Open();
        ChooseCategory(line::kLength);
        Type("2");
        Pick(Source(), length::kMile);

        Get<QAbstractButton>(c.button).click();

        EXPECT_EQ(Source().topLevelItemCount(), c.lengthUnits);
        EXPECT_EQ(Get<QListWidget>(id::kCategories).currentRow(), static_cast<int>(line::kLength));
        EXPECT_EQ(ResultLine().mid(0, 2), (QStringList{"2", "Mile = "}));
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"Options", "Options", "Update by hand", "Update by hand"}));
}

TEST_F(ConverterWindowTest, AFoundPositionSelectsItsCategoryAndUnitAndConverts) {
    struct Case {
        std::optional<int> positionCode;
        std::size_t line;
        std::size_t sourceRow;
        QStringList resultLine;
    };
    const std::vector<Case> cases{
        {static_cast<int>(length::kMile * 1000 + line::kLength),
         line::kLength,
         length::kMile,
         {"2", "Mile = ", "3218.688000", "Meter"}},
        {static_cast<int>(length::kAngstrom * 1000 + line::kLength),
         line::kLength,
         length::kAngstrom,
         {"2", "Ångström = ", "<<", "Meter"}},                                        // 2e-10 m is below "Min"
        {std::nullopt, line::kMass, 1, {"2", "Kilogram = ", "2000.000000", "Gram"}},  // cancelled: nothing moves
    };
    test::ScriptedLaunchers windows;
    launchers_ = &windows;
    int finds = 0;
    windows.onOpen = [&finds](const std::string& window) { finds += window == "Find" ? 1 : 0; };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.positionCode.value_or(-1));
        ChooseCategory(line::kMass);
        Type("2");
        windows.find = {c.positionCode};

        Get<QAbstractButton>(id::kFind).click();

        EXPECT_EQ(Get<QListWidget>(id::kCategories).currentRow(), static_cast<int>(c.line));
        EXPECT_EQ(SelectedRow(Source()), c.sourceRow);
        EXPECT_EQ(ResultLine(), c.resultLine);
    }
    EXPECT_EQ(finds, 3);
}

TEST_F(ConverterWindowTest, HelpShowsTheMainPageBesideTheProgram) {
    std::filesystem::create_directories(folder_ / "help");
    std::ofstream(folder_ / "help" / "index.htm") << "<html><body><h1>Sample help page</h1></body></html>";
    Open();
    Get<QAbstractButton>(id::kHelp).click();
    auto* help = window_->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Browser().source().toLocalFile().endsWith("help/index.htm"));
    EXPECT_TRUE(help->Browser().toPlainText().contains("Sample help page"));
}

TEST_F(ConverterWindowTest, WideningTheWindowMovesTheRightHandColumnAndWidensTheLists) {
    Open();
    const std::vector<int> following{id::kSwap,      id::kFormula,  id::kOptions,    id::kUpdate, id::kFind,
                                     id::kConstants, id::kElements, id::kHelp,       id::kExit,   id::kAbout,
                                     id::kShowGroup, id::kAllUnits, id::kCommonUnits};
    std::vector<QRect> before;
    for (int controlId : following) before.push_back(Get<QWidget>(controlId).geometry());
    const QRect categories = Get<QWidget>(id::kCategories).geometry();
    const QRect source = Source().geometry();
    const QRect destination = Destination().geometry();

    window_->resize(window_->width() + 100, window_->height());
    QCoreApplication::processEvents();

    for (std::size_t i = 0; i < following.size(); ++i) {
        EXPECT_EQ(Get<QWidget>(following[i]).geometry(), before[i].translated(100, 0)) << following[i];
    }
    EXPECT_EQ(Get<QWidget>(id::kCategories).geometry(), categories);
    EXPECT_EQ(Source().geometry(), source.adjusted(0, 0, 100, 0));
    EXPECT_EQ(Destination().geometry(), destination.adjusted(0, 0, 100, 0));
}

TEST_F(ConverterWindowTest, TheLongNameGivesWayAndShortNamesFitTheirTexts) {
    Open();
    ChooseCategory(line::kEnergy);
    Type("123456789");
    for (QTreeWidget* list : {&Source(), &Destination()}) {
        EXPECT_LT(list->columnWidth(0), ContentWidth(*list, 0));
        EXPECT_GE(list->columnWidth(0), list->header()->sectionSizeHint(0));
        EXPECT_EQ(list->columnWidth(1), ContentWidth(*list, 1));
        EXPECT_EQ(list->header()->length(), list->viewport()->width());
    }
    ChooseCategory(line::kLength);
    Type("5");
    QTreeWidget& list = Source();
    EXPECT_EQ(list.columnWidth(0), ContentWidth(list, 0));
    EXPECT_EQ(list.header()->length(), list.viewport()->width());  // no room left over, none short
}

TEST_F(ConverterWindowTest, ACutOffTextShowsWholeAsATip) {
    Open();
    QTreeWidget& list = Source();
    list.setColumnWidth(0, 40);
    const QTreeWidgetItem* angstrom = list.topLevelItem(static_cast<int>(length::kAngstrom));
    const QTreeWidgetItem* meter = list.topLevelItem(static_cast<int>(length::kMeter));
    const auto tipAt = [&list](const QTreeWidgetItem* item, int column) {
        const QPoint at = list.visualRect(list.indexFromItem(item, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(angstrom, 0), "Ångström");
    EXPECT_EQ(tipAt(meter, 1), "Source Units List");  // not cut off: the list's own tip
}

TEST_F(ConverterWindowTest, HiddenCommandsStampTheVersionList) {
    Open();
    QApplication::setActiveWindow(window_.get());
    const auto versions = [this] {
        std::vector<std::string> texts;
        for (const ListEntry& entry : ReadRecordFile<ListEntry>(folder_ / "data" / "list.dat").records) {
            texts.push_back(entry.version.Text());
        }
        return texts;
    };
    Get<QAbstractButton>(id::kButton1).click();
    EXPECT_EQ(versions(), (std::vector<std::string>{"509021", "509020", "509020", "509020", "509020", "509020"}));
    QTest::keyClick(window_.get(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(versions(), std::vector<std::string>(6, "51218"));
}

// Answers the modal windows a hidden import command opens: the file dialog picks `master`, each
// message box is read and closed.
class ModalAnswers {
public:
    explicit ModalAnswers(std::filesystem::path master) : master_(std::move(master)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(10);
    }
    const QStringList& Messages() const { return messages_; }

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // Typed as a user would: the dialog leaves a focused name box alone on selectFile.
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            if (name == nullptr) {
                files->reject();
                return;
            }
            name->setText(QString::fromStdU16String(master_.u16string()));
            static_cast<QDialog*>(files)->accept();  // the file dialog checks the choice first
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_ << box->text();
            box->accept();
        }
    }

    std::filesystem::path master_;
    QTimer timer_;
    QStringList messages_;
};

TEST_F(ConverterWindowTest, HiddenImportReadsAMasterFileNamedInTheUsersLetters) {
    const std::vector<std::pair<const char*, std::u8string>> folders{
        {"plain", u8"masters"}, {"own letters", u8"J\u00f6rg \u00c5ngstr\u00f6m \u6e2c\u5b9a"}};
    Open();
    for (const auto& [name, folder] : folders) {
        SCOPED_TRACE(name);
        const std::filesystem::path master = folder_.Path() / std::filesystem::path(folder) / "temps.ini";
        std::filesystem::create_directories(master.parent_path());
        std::ofstream(master) << "[19c]\n101102=  *1.8+32\n";
        std::filesystem::remove(folder_ / "data" / "temp.dat");

        const ModalAnswers answers(master);
        Get<QAbstractButton>(id::kSaveTemps).click();

        EXPECT_EQ(answers.Messages(), QStringList{"done"});
        const auto temperatures = ReadRecordFile<TemperatureRecord>(folder_ / "data" / "temp.dat").records;
        ASSERT_EQ(temperatures.size(), 1u);
        EXPECT_EQ(temperatures[0].formula.Text(), "*1.8+32");
    }
}

// Wherever currency values show, the day and source of their rates can be read: here in the tip
// of the result line, for the program's own rates.
TEST_F(ConverterWindowTest, TheCurrencyCategoryTellsTheDayOfItsRates) {
    for (const char* name : {"cat.dat", "item.dat", "temp.dat", "curr.dat"}) {
        std::filesystem::copy_file(InstalledDataFolder(ExecutableFolder()) / name, folder_ / "data" / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    Open();
    auto& categories = Get<QListWidget>(id::kCategories);
    const auto found = categories.findItems(QStringLiteral("Currency"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QString shipped = QStringLiteral("rates of 2023-12-29, shipped with the program");
    categories.setCurrentItem(found.first());
    for (const int label : {id::kSourceValueLabel, id::kDestinationUnitLabel}) {
        EXPECT_TRUE(Get<QLabel>(label).toolTip().contains(shipped)) << Get<QLabel>(label).toolTip().toStdString();
    }
    categories.setCurrentItem(categories.findItems(QStringLiteral("Length"), Qt::MatchExactly).first());
    EXPECT_FALSE(Get<QLabel>(id::kDestinationUnitLabel).toolTip().contains(QStringLiteral("rates of")));
}

// A cut file is said once, not again at every reload of the same files.
TEST_F(ConverterWindowTest, WhatTheFilesLackIsShownOnce) {
    std::vector<std::uint8_t> categories = test::ReadBytes(folder_ / "data" / "cat.dat");
    categories.resize(categories.size() + 10);
    test::WriteBytes(folder_ / "data" / "cat.dat", categories);
    const ModalAnswers answers(folder_ / "none.ini");
    Open();
    Get<QRadioButton>(id::kCommonUnits).click();
    Get<QRadioButton>(id::kAllUnits).click();
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_TRUE(answers.Messages()[0].contains("cat.dat: ignored 10 bytes")) << answers.Messages()[0].toStdString();
}

TEST_F(ConverterWindowTest, LayoutHoldsEveryControlWithItsText) {
    Open();
    const std::vector<std::pair<int, QString>> buttons{
        {id::kSwap, "&Swap"},         {id::kFormula, "&Formula"},    {id::kOptions, "&Options"},
        {id::kUpdate, "&Update"},     {id::kFind, "F&ind"},          {id::kConstants, "&Constants"},
        {id::kElements, "&Elements"}, {id::kHelp, "&Help"},          {id::kExit, "E&xit"},
        {id::kAbout, "Abou&t"},       {id::kAllUnits, "&All Units"}, {id::kCommonUnits, "Com&mon  Units"},
        {id::kDegrees, "&Degrees"},   {id::kRadians, "&Radians"},    {id::kGrads, "&Grads"},
    };
    for (const auto& [controlId, text] : buttons) EXPECT_EQ(Get<QAbstractButton>(controlId).text(), text);
    const std::vector<std::pair<int, QString>> hidden{
        {id::kSaveMainItems, "Save Main Items"}, {id::kSaveItems, "Save Items"}, {id::kSaveTemps, "Save Temps"},
        {id::kSaveCurrencies, "Save Curr"},      {id::kButton1, "Button1"},      {id::kCustomUnits, "Custom Units"}};
    for (const auto& [controlId, text] : hidden) {
        EXPECT_EQ(Get<QAbstractButton>(controlId).text(), text);
        EXPECT_FALSE(Get<QAbstractButton>(controlId).isVisible()) << controlId;
    }
    EXPECT_FALSE(Get<QListWidget>(id::kImportList).isVisible());
    EXPECT_EQ(Get<QLabel>(id::kValueLabel).buddy(), &Value());
    EXPECT_EQ(Get<QAbstractButton>(id::kSwap).toolTip(), "Swap selected units between Source and destination");
    EXPECT_EQ(Destination().toolTip(), "Destination Units List,Double-click to copy selected value to clipboard");
    EXPECT_EQ(window_->windowTitle(), "Quantora");
}

#ifndef _WIN32  // Windows takes the number locale from its own settings, not from the environment
// The list texts follow the C library's locale of the environment, as quantora-cli's do: a locale
// that is not installed (LOCPATH names an empty folder) is the plain C form, not Qt's German.
// Numbers are read by the same rule, and one that has no single reading fails every other row
// with the reason as the value's tip.
TEST_F(ConverterWindowTest, NumbersFollowTheEnvironmentLocaleAndAnUnreadableOneFailsWithItsReason) {
    test::TempFolder noLocales;
    setenv("LOCPATH", noLocales.Path().c_str(), 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    WriteSetting(profile_.Store(), Setting::kSeperator, "1");
    Open();
    Pick(Source(), length::kKilometer);
    const std::vector<std::pair<QString, QString>> cases{
        {"1234.5", "1234500.000000"}, {"1,5", "1500.000000"}, {"1,234.5", "Error"}, {"0", "0.000000"}};
    for (const auto& [typed, meters] : cases) {
        Type(typed);
        const QTreeWidgetItem& meter = *Destination().topLevelItem(static_cast<int>(length::kMeter));
        EXPECT_EQ(meter.text(2), meters) << typed.toStdString();
        EXPECT_EQ(meter.toolTip(2).contains(typed), meters == "Error") << meter.toolTip(2).toStdString();
    }
    unsetenv("LC_ALL");
    unsetenv("LOCPATH");
}
#endif

}  // namespace
}  // namespace quantora
