#include "calc/formula_window_model.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "scripted_formula_seams.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

using Answer = UserPrompts::Answer;

class FormulaWindowModelTest : public ::testing::Test {
protected:
    FormulaWindowModel& Model() { return model_; }

    std::filesystem::path WriteFile(std::string_view name, std::size_t size, const std::string& formula, int unit) {
        std::vector<std::uint8_t> bytes(size, 0);
        FormulaRecord record;
        EXPECT_EQ(record.formula.Assign(formula, "formula"), std::nullopt);
        record.angleUnit = unit;
        for (std::size_t at = 0; at + FormulaRecord::kSize <= size; at += FormulaRecord::kSize) {
            record.Encode(std::span(bytes).subspan(at).first<FormulaRecord::kSize>());
        }
        const auto path = folder_ / name;
        test::WriteBytes(path, bytes);
        return path;
    }

    void TypeFormula(const std::string& text) { model_.EditFormula(text); }

    test::TempFolder folder_;
    test::TestProfile profile_;
    test::ScriptedPrompts prompts_;
    test::ScriptedFileDialogs dialogs_;
    UndoSnapshot undo_;
    FormulaWindowModel model_{profile_.Store(), prompts_, dialogs_, undo_};
};

TEST_F(FormulaWindowModelTest, OnlyWholeRecordsLoad) {
    struct Case {
        std::size_t size;
        bool loads;
    };
    for (const Case c : {Case{0, false}, Case{2883, false}, Case{2884, true}, Case{2 * 2884 + 100, true}}) {
        test::TestProfile profile;
        test::ScriptedPrompts prompts;
        FormulaWindowModel model(profile.Store(), prompts, dialogs_, undo_);
        model.Open(std::nullopt);
        const auto path = WriteFile("f" + std::to_string(c.size) + ".xpq", c.size, "1+2", 2);
        EXPECT_EQ(model.LoadFormulaFile(path).has_value(), c.loads) << c.size;
        EXPECT_EQ(model.Text(FormulaField::kFormula), c.loads ? "1+2" : "") << c.size;
        EXPECT_EQ(model.Result(), c.loads ? "3.000000" : "0.000000") << c.size;
        EXPECT_EQ(ReadRecentFiles(profile.Store())[0], c.loads ? PathText(path) : "") << c.size;
        EXPECT_EQ(prompts.messages, c.loads ? std::vector<std::string>{}
                                            : std::vector<std::string>{PathText(path) + " is not a formula file"})
            << c.size;
    }
}

TEST_F(FormulaWindowModelTest, LoadingChecksTheFilesAngleUnitAndCalculatesWithIt) {
    model_.Open(std::nullopt);
    EXPECT_EQ(model_.CheckedAngle(), 1);
    model_.LoadFormulaFile(WriteFile("rad.xpq", FormulaRecord::kSize, "sin(pi/2)", 2));
    EXPECT_EQ(model_.CheckedAngle(), 2);
    EXPECT_EQ(ReadSetting(profile_.Store(), "Deg"), "2");
    EXPECT_EQ(model_.Result(), "1.000000");
    EXPECT_EQ(model_.Caption(), "rad - Expressa");
    // A record without a unit leaves the choice as it was.
    model_.LoadFormulaFile(WriteFile("none.xpq", FormulaRecord::kSize, "1", 0));
    EXPECT_EQ(model_.CheckedAngle(), 2);
}

TEST_F(FormulaWindowModelTest, TheSaveQuestionDecidesWhetherNewGoesOn) {
    struct Case {
        const char* what;
        std::vector<Answer> answers;
        std::optional<std::filesystem::path> savePath;
        bool cleared;
        bool saved;
    };
    const Case cases[] = {
        {"yes and saved", {Answer::Yes}, folder_ / "kept", true, true},
        {"yes, then the save dialog cancelled", {Answer::Yes}, std::nullopt, false, false},
        {"no", {Answer::No}, std::nullopt, true, false},
        {"cancel", {Answer::Cancel}, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder_ / "kept.xpq");
        prompts_.answers.assign(c.answers.begin(), c.answers.end());
        prompts_.asked.clear();
        dialogs_.savePaths = {c.savePath};
        model_.Open(std::nullopt);
        TypeFormula("2+2");
        model_.New();
        EXPECT_EQ(prompts_.asked, std::vector<std::string>{"Do you want to save the changes to :New Formula  ?"})
            << c.what;
        EXPECT_EQ(model_.Text(FormulaField::kFormula), c.cleared ? "" : "2+2") << c.what;
        EXPECT_EQ(model_.Unsaved(), !c.cleared) << c.what;
        EXPECT_EQ(std::filesystem::exists(folder_ / "kept.xpq"), c.saved) << c.what;
    }
}

TEST_F(FormulaWindowModelTest, ClosingWithUnsavedChangesAsks) {
    struct Case {
        Answer answer;
        std::optional<std::filesystem::path> savePath;
        bool closes;
    };
    const Case cases[] = {{Answer::Yes, folder_ / "c.xpq", true},
                          {Answer::Yes, std::nullopt, false},
                          {Answer::No, std::nullopt, true},
                          {Answer::Cancel, std::nullopt, false}};
    for (const Case& c : cases) {
        model_.Open(std::nullopt);
        TypeFormula("1+" + std::to_string(static_cast<int>(c.answer)));
        prompts_.answers = {c.answer};
        prompts_.asked.clear();
        dialogs_.savePaths = {c.savePath};
        EXPECT_EQ(model_.ConfirmClose(), c.closes) << static_cast<int>(c.answer);
        EXPECT_EQ(prompts_.asked, std::vector<std::string>{"File not Saved , Save?"});
    }
    // Changes the window makes itself are no unsaved changes.
    model_.Open(std::nullopt);
    model_.InsertCharacter({"", 0, 0}, '7');
    model_.SetText(FormulaField::kF, "3");
    prompts_.asked.clear();
    EXPECT_TRUE(model_.ConfirmClose());
    EXPECT_TRUE(prompts_.asked.empty());
}

TEST_F(FormulaWindowModelTest, SavingWritesTheFieldsAndReadsTheFileBack) {
    model_.Open(std::nullopt);
    WriteSetting(profile_.Store(), Setting::kDeg, "3");
    model_.SetText(FormulaField::kX, "4");
    model_.SetText(FormulaField::kZ, "x");
    TypeFormula("Z*2");
    dialogs_.savePaths = {folder_ / "calc.xpq.b"};
    ASSERT_TRUE(model_.Save().has_value());
    EXPECT_EQ(dialogs_.saveNames, std::vector<std::string>{"New Formula.xpq"});
    const FormulaFile file = ReadFormulaFile(folder_ / "calc.b.xpq");
    ASSERT_TRUE(file.record.has_value());
    EXPECT_EQ(file.record->formula.Text(), "Z*2");
    EXPECT_EQ(file.record->variables[6].Text(), "x");
    EXPECT_EQ(file.record->angleUnit, 3);
    EXPECT_FALSE(model_.Unsaved());
    EXPECT_EQ(model_.Caption(), "calc.b - Expressa");
    EXPECT_EQ(model_.Result(), "8.000000");
    EXPECT_EQ(ReadRecentFiles(profile_.Store())[0], PathText(folder_ / "calc.b.xpq"));
}

TEST_F(FormulaWindowModelTest, ASaveThatWouldLoseTextOrFailsKeepsTheChanges) {
    struct Case {
        const char* what;
        FormulaField field;
        std::string text;
        std::filesystem::path chosen;
        std::string message;
    };
    const Case cases[] = {
        {"formula too long", FormulaField::kFormula, std::string(1240, '1'), folder_ / "a",
         "The formula is not saved. f(x): text of 1240 characters does not fit (at most 1239)."},
        {"variable too long", FormulaField::kV, std::string(200, '1'), folder_ / "a",
         "The formula is not saved. V: text of 200 characters does not fit (at most 199)."},
        {"missing folder", FormulaField::kX, "1", folder_ / "missing" / "a", ""},
    };
    for (const Case& c : cases) {
        model_.Open(std::nullopt);
        TypeFormula("1+1");
        model_.SetText(c.field, c.text);
        prompts_.messages.clear();
        dialogs_.savePaths = {c.chosen};
        EXPECT_FALSE(model_.Save().has_value()) << c.what;
        EXPECT_TRUE(model_.Unsaved()) << c.what;
        ASSERT_EQ(prompts_.messages.size(), 1U) << c.what;
        if (!c.message.empty()) {
            EXPECT_EQ(prompts_.messages[0], c.message) << c.what;
        } else {
            EXPECT_NE(prompts_.messages[0].find("missing"), std::string::npos) << prompts_.messages[0];
        }
    }
}

TEST_F(FormulaWindowModelTest, TheFieldsOutliveTheWindowInTheProfile) {
    WriteSetting(profile_.Store(), Setting::kFormulaFx, "2#3");
    WriteSetting(profile_.Store(), Setting::kDeg, "7");
    const CalculationOutcome opened = model_.Open(std::nullopt);
    EXPECT_TRUE(opened.failed);
    EXPECT_EQ(model_.CheckedAngle(), 0);
    model_.SetText(FormulaField::kM, "\xE9");
    model_.WriteState();
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kFormulaFx), "2 #3");
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kFormulaM), "\xC3\xA9");
}

}  // namespace
}  // namespace quantora
