#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

#include "app/settings.h"
#include "catalogue/unit_data_sets.h"
#include "edit/add_item_dialog.h"
#include "edit/custom_dialog.h"
#include "edit/input_dialog.h"
#include "edit/options_dialog.h"
#include "edit_fixture.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "modal_steps.h"
#include "sample_units.h"
#include "support/controls.h"
#include "support/record_builders.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/standard_ids.h"

namespace quantora {
namespace {

using test::Click;
using test::Get;
using test::Lines;
using test::WhenShown;

void SelectLine(QListWidget& list, const QString& text) {
    const auto found = list.findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) throw std::runtime_error("no line " + text.toStdString());
    list.setCurrentItem(found.first());
}

// Fills the unit dialog and presses OK; an empty `of` chooses nothing.
void EnterUnit(const QString& name, const QString& value, const QString& of) {
    WhenShown<dlgAddItem>([=](dlgAddItem& dialog) {
        Get<QLineEdit>(dialog, 1127).setText(name);
        Get<QLineEdit>(dialog, 1105).setText(value);
        auto& combo = Get<QComboBox>(dialog, 1129);
        combo.setCurrentIndex(combo.findText(of));
        Click(dialog, 1);
    });
}

void EnterText(const QString& text) {
    WhenShown<dlgInput>([=](dlgInput& input) {
        Get<QLineEdit>(input, 1124).setText(text);
        Click(input, 1);
    });
}

void AnswerQuestion(QMessageBox::StandardButton answer, QMessageBox::StandardButton* defaultButton) {
    WhenShown<QMessageBox>([=](QMessageBox& box) {
        *defaultButton = box.standardButton(box.defaultButton());
        EXPECT_EQ(box.windowTitle(), "Question");
        EXPECT_EQ(box.text(), "Sure to Delete");
        box.button(answer)->click();
    });
}

template <typename Record>
std::vector<Record> ReadRecords(const std::filesystem::path& file) {
    return ReadRecordFile<Record>(file).records;
}

class EditWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteSampleUnits(folder_.Path());
        WriteSetting(profile_.Store(), Setting::kSeperator, "0");
    }
    std::filesystem::path Data(std::string_view name) const { return folder_.Path() / "data" / name; }

    test::TempFolder folder_;
    test::TestProfile profile_;
    test::ScriptedLaunchers scripted_;
};

// The program's folder holds no data here, as when the user's own copy is used: Options must read
// and write the data folder it is handed.
TEST_F(EditWindowsTest, OptionsOkHidesACategoryAndKeepsTheSelectedOne) {
    QtWindowLaunchers launchers(folder_.Path() / "program", folder_.Path() / "data", profile_.Store());
    CConverterDlg main(profile_.Store(), folder_.Path() / "data", launchers);
    main.LoadCatalogue();
    main.show();
    auto& categories = Get<QListWidget>(main, converter_id::kCategories);
    SelectLine(categories, "Mass");

    WhenShown<dlgOptions>([](dlgOptions& options) {
        auto& list = Get<QListWidget>(options, options_id::kCategories);
        list.item(0)->setCheckState(Qt::Unchecked);  // "Énergie"
        list.setCurrentRow(0);
        Click(options, standard_id::kOk);
    });
    Click(main, converter_id::kOptions);

    EXPECT_EQ(Lines(categories), (QStringList{"Length", "Mass", "Trigonometry"}));
    EXPECT_EQ(categories.currentItem()->text(), "Mass");
    EXPECT_EQ(ReadRecords<CategoryRecord>(Data(data_file::kCategories))[0].visible, 0);
}

TEST_F(EditWindowsTest, DefaultsThenOkStoresTheDefaultTextsAndShowsEverything) {
    auto categories = ReadRecords<CategoryRecord>(Data(data_file::kCategories));
    for (CategoryRecord& category : categories) category.visible = 0;
    ASSERT_EQ(WriteRecordFile(Data(data_file::kCategories), categories), std::nullopt);
    WriteSetting(profile_.Store(), Setting::kExpMax, "1e12");

    dlgOptions options(profile_.Store(), folder_.Path() / "data", scripted_);
    options.show();
    Get<QLineEdit>(options, options_id::kDecimal).setText("abc");
    Click(options, options_id::kDefaults);
    EXPECT_EQ(Get<QLineEdit>(options, options_id::kDecimal).text(), "6");
    Get<QLineEdit>(options, options_id::kSmallSymbol).setText("tiny");
    Click(options, standard_id::kOk);

    EXPECT_TRUE(options.WasAccepted());
    const std::vector<std::pair<const char*, const char*>> stored{
        {"Min", "1e-9"},  {"Max", "1e12"},    {"SmallSymbol", "tiny"}, {"BigSymbol", ">>"},
        {"Decimal", "6"}, {"ExpMin", "1e-6"}, {"ExpMax", "1e9"},       {"Seperator", "1"}};
    for (const auto& [key, text] : stored) EXPECT_EQ(ReadSetting(profile_.Store(), key), text) << key;
    for (const auto& category : ReadRecords<CategoryRecord>(Data(data_file::kCategories))) {
        EXPECT_EQ(category.visible, 1) << category.name.Text();
    }
}

TEST_F(EditWindowsTest, CancelSavesTheVisibilityButNotTheSettings) {
    dlgOptions options(profile_.Store(), folder_.Path() / "data", scripted_);
    options.show();
    Get<QLineEdit>(options, options_id::kDecimal).setText("abc");
    SelectLine(Get<QListWidget>(options, options_id::kCategories), "Length");
    Click(options, options_id::kClearAllUnits);
    Click(options, standard_id::kCancel);

    EXPECT_FALSE(options.WasAccepted());
    EXPECT_EQ(ReadSetting(profile_.Store(), "Decimal"), "");
    for (const UnitRecord& unit : ReadRecords<UnitRecord>(Data(data_file::kUnits))) {
        EXPECT_EQ(unit.visible, unit.categoryId == 1 ? 0 : 1) << unit.name.Text();
    }
}

// A mark changed with the focus still in the list counts however OK is chosen.
TEST_F(EditWindowsTest, EveryWayOfChoosingOkKeepsTheMarks) {
    const std::vector<std::pair<const char*, std::function<void(dlgOptions&)>>> ways{
        {"Enter", [](dlgOptions& options) { QTest::keyClick(options.focusWidget(), Qt::Key_Return); }},
        // A mnemonic presses the button where it is, as this does, and the focus stays in the list.
        {"Alt+O", [](dlgOptions& options) { Get<QPushButton>(options, standard_id::kOk).click(); }},
        {"click",
         [](dlgOptions& options) { QTest::mouseClick(&Get<QPushButton>(options, standard_id::kOk), Qt::LeftButton); }},
    };
    for (const auto& [way, chooseOk] : ways) {
        SCOPED_TRACE(way);
        test::WriteSampleUnits(folder_.Path());
        dlgOptions options(profile_.Store(), folder_.Path() / "data", scripted_);
        options.show();
        options.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
        SelectLine(Get<QListWidget>(options, options_id::kCategories), "Length");
        auto& units = Get<QListWidget>(options, options_id::kUnits);
        units.setFocus();
        units.setCurrentRow(0);
        QTest::keyClick(&units, Qt::Key_Space);
        ASSERT_EQ(units.item(0)->checkState(), Qt::Unchecked);
        chooseOk(options);
        EXPECT_TRUE(options.WasAccepted());
        const auto stored = ReadRecords<UnitRecord>(Data(data_file::kUnits));
        const auto hidden = std::count_if(stored.begin(), stored.end(), [](const UnitRecord& unit) {
            return unit.visible == 0 && unit.name.Text() == "\xC5ngstr\xF6m";
        });
        EXPECT_EQ(hidden, 1);
    }
}

TEST_F(EditWindowsTest, TheEditorsButtonsAddRenameModifyAndRemove) {
    auto editor = std::make_unique<dlgCustom>(folder_.Path() / "data", scripted_);
    ASSERT_FALSE(editor->LoadError().has_value());
    editor->show();
    auto& categories = Get<QListWidget>(*editor, custom_id::kCategories);
    auto& units = Get<QListWidget>(*editor, custom_id::kUnits);

    EnterText("Servings");
    Click(*editor, custom_id::kAddCategory);
    ASSERT_EQ(categories.currentItem()->text(), "Servings");
    EnterUnit("slice", "1", "");
    Click(*editor, custom_id::kAddUnit);
    EnterUnit("pizza", "8", "slice");
    Click(*editor, custom_id::kAddUnit);
    EXPECT_EQ(Lines(units), (QStringList{"pizza", "slice"}));

    WhenShown<dlgAddItem>([](dlgAddItem& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Unit");
        EXPECT_EQ(Get<QLineEdit>(dialog, 1105).text(), "8");
        EXPECT_EQ(Get<QComboBox>(dialog, 1129).currentText(), "slice");
        Get<QLineEdit>(dialog, 1127).setText("pie");
        Click(dialog, 1);
    });
    SelectLine(units, "pizza");
    Click(*editor, custom_id::kModifyUnit);
    EXPECT_EQ(Lines(units), (QStringList{"pie", "slice"}));

    WhenShown<dlgInput>([](dlgInput& input) {
        EXPECT_EQ(Get<QLineEdit>(input, 1124).text(), "Servings");
        WhenShown<QMessageBox>([](QMessageBox& refusal) { refusal.accept(); });
        Get<QLineEdit>(input, 1124).setText(QString(80, 'x'));
        Click(input, 1);
        Get<QLineEdit>(input, 1124).setText("Meals");
        Click(input, 1);
    });
    Click(*editor, custom_id::kRenameCategory);
    EXPECT_EQ(categories.currentItem()->text(), "Meals");

    QMessageBox::StandardButton preset = QMessageBox::NoButton;
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        SelectLine(units, "slice");
        AnswerQuestion(answer, &preset);
        Click(*editor, custom_id::kRemoveUnit);
        EXPECT_EQ(preset, QMessageBox::No);
    }
    EXPECT_EQ(Lines(units), (QStringList{"pie"}));
    SelectLine(categories, "Mass");
    AnswerQuestion(QMessageBox::Yes, &preset);
    Click(*editor, custom_id::kRemoveCategory);
    EXPECT_FALSE(Lines(categories).contains("Mass"));
    editor->reject();
    editor.reset();

    EXPECT_EQ(test::Names(ReadRecords<CategoryRecord>(Data(data_file::kCustomCategories))),
              std::vector<std::string>{"Meals"});
    const auto saved = ReadRecords<UnitRecord>(Data(data_file::kCustomUnits));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].name.Text(), "pie");
    EXPECT_EQ(saved[0].unitId, 3);
    EXPECT_EQ(saved[0].referenceUnitId, 2);
    dlgCustom reopened(folder_.Path() / "data", scripted_);
    EXPECT_TRUE(Lines(Get<QListWidget>(reopened, custom_id::kCategories)).contains("Mass"));
}

TEST_F(EditWindowsTest, AnEditorThatCouldNotReadItsFilesWritesNothing) {
    test::WriteBytes(Data(data_file::kCustomUnits), std::vector<std::uint8_t>(UnitRecord::kSize + 3, 0));
    const auto before = test::ReadBytes(Data(data_file::kCustomUnits));
    {
        dlgCustom editor(folder_.Path() / "data", scripted_);
        ASSERT_TRUE(editor.LoadError().has_value());
        EXPECT_NE(editor.LoadError()->find("itemcust.dat"), std::string::npos);
        editor.reject();
    }
    EXPECT_EQ(test::ReadBytes(Data(data_file::kCustomUnits)), before);
    EXPECT_FALSE(std::filesystem::exists(Data(data_file::kCustomCategories)));
}

TEST_F(EditWindowsTest, F1OpensEachWindowsHelpPage) {
    std::vector<std::string> opened;
    scripted_.onOpen = [&opened](const std::string& window) { opened.push_back(window); };
    dlgOptions options(profile_.Store(), folder_.Path() / "data", scripted_);
    dlgCustom editor(folder_.Path() / "data", scripted_);
    dlgInput input("New Category", "Pls. enter new category:", "", {}, scripted_);
    dlgAddItem unit("New Unit", {}, {}, scripted_);
    for (QWidget* window : std::initializer_list<QWidget*>{&options, &editor, &input, &unit}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"Help Options.htm", "Help customunits.htm", "Help customunits.htm",
                                                "Help customunits.htm"}));
}

QStringList ValuesOf(const QTreeWidget& list) {
    QStringList values;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        values << list.topLevelItem(row)->text(0) + "=" + list.topLevelItem(row)->text(2);
    }
    return values;
}

void ConvertFrom(CConverterDlg& main, const QString& category, const QString& unit) {
    SelectLine(Get<QListWidget>(main, converter_id::kCategories), category);
    auto& source = Get<QTreeWidget>(main, converter_id::kSourceList);
    const auto found = source.findItems(unit, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << unit.toStdString();
    source.setCurrentItem(found.first());
    Get<QLineEdit>(main, converter_id::kValue).setText("1");
}

// Units defined in the editor, reached through the Options window, convert in the main window
// against every unit of their category once Options is closed with OK.
TEST_F(EditWindowsTest, UserUnitsConvertInTheMainWindowAfterOptionsOk) {
    QtWindowLaunchers launchers(folder_.Path(), folder_.Path() / "data", profile_.Store());
    CConverterDlg main(profile_.Store(), folder_.Path() / "data", launchers);
    main.LoadCatalogue();
    main.show();

    WhenShown<dlgOptions>([](dlgOptions& options) {
        WhenShown<dlgCustom>([](dlgCustom& editor) {
            SelectLine(Get<QListWidget>(editor, custom_id::kCategories), "Length");
            EnterUnit("cubit", "0.4572", "Meter");
            Click(editor, custom_id::kAddUnit);
            EnterUnit("reed", "6", "cubit");
            Click(editor, custom_id::kAddUnit);
            EnterText("Servings");
            Click(editor, custom_id::kAddCategory);
            EnterUnit("slice", "1", "");
            Click(editor, custom_id::kAddUnit);
            EnterUnit("pizza", "8", "slice");
            Click(editor, custom_id::kAddUnit);
            EnterText("Empty");
            Click(editor, custom_id::kAddCategory);
            Click(editor, custom_id::kClose);
        });
        Click(options, options_id::kCustomUnits);
        Click(options, standard_id::kOk);
    });
    Click(main, converter_id::kOptions);

    auto& destination = Get<QTreeWidget>(main, converter_id::kDestinationList);
    ConvertFrom(main, "Length", "reed");
    EXPECT_EQ(ValuesOf(destination),
              (QStringList{"\xC3\x85ngstr\xC3\xB6m=2.743200e+010", "cubit=6.000000", "Fathom=1.500000",
                           "Kilometer=0.002743", "Meter=2.743200", "Mile=0.001705", "reed=1"}));
    ConvertFrom(main, "Servings", "pizza");
    EXPECT_EQ(ValuesOf(destination), (QStringList{"pizza=1", "slice=8.000000"}));
    SelectLine(Get<QListWidget>(main, converter_id::kCategories), "Empty");
    EXPECT_EQ(destination.topLevelItemCount(), 0);
}

}  // namespace
}  // namespace quantora
