#include "main/converter_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/data_paths.h"
#include "app/settings.h"
#include "catalogue/record_file.h"
#include "sample_units.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

using Row = std::optional<std::size_t>;
namespace line = test::sample_line;
namespace length = test::length_row;

class ConverterModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteSampleUnits(folder_.Path());
        // Without grouping every number prints in the C locale, whatever the machine's locale is.
        WriteSetting(Store(), Setting::kSeperator, "0");
    }

    ProfileStore& Store() { return profile_.Store(); }

    ConverterModel& Loaded() {
        model_.Reload(std::nullopt);
        return model_;
    }

    std::vector<std::string> Values() const {
        std::vector<std::string> values;
        for (const auto& row : model_.Rows()) values.push_back(row.value);
        return values;
    }

    test::TempFolder folder_;
    test::TestProfile profile_;
    ConverterModel model_{profile_.Store(), folder_.Path() / "data"};
};

struct SelectionCase {
    const char* name;
    const char* firstCategory;  // nullptr: not in the profile
    std::vector<std::pair<std::string, int>> savedUnits;
    Row line;
    Row source;
    Row destination;
};

TEST_F(ConverterModelTest, CategorySelectionFindsTheLineAndTheRowsToSelect) {
    const std::vector<SelectionCase> cases{
        {"first start: line 0 and its defaults", nullptr, {}, line::kEnergy, 0, 0},
        {"First Cat names the line", "2", {}, line::kMass, 1, 0},
        {"First Cat read as its leading integer", " 2 apples", {}, line::kMass, 1, 0},
        {"First Cat without a number is line 0", "abc", {}, line::kEnergy, 0, 0},
        {"First Cat past the last line selects nothing", "9", {}, std::nullopt, std::nullopt, std::nullopt},
        {"both saved units found",
         "1",
         {{"Length1", 103}, {"Length2", 104}},
         line::kLength,
         length::kMile,
         length::kFathom},
        {"missing destination: defaults replace both",
         "1",
         {{"Length1", 103}},
         line::kLength,
         length::kKilometer,
         length::kMeter},
        {"unknown source id: defaults replace both",
         "1",
         {{"Length1", 999}, {"Length2", 103}},
         line::kLength,
         length::kKilometer,
         length::kMeter},
        {"saved units of another category do not count", "2", {{"Length1", 103}, {"Length2", 104}}, line::kMass, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestProfile profile;
        WriteSetting(profile.Store(), Setting::kSeperator, "0");
        if (c.firstCategory) WriteSetting(profile.Store(), Setting::kFirstCat, c.firstCategory);
        for (const auto& [entry, unitId] : c.savedUnits) profile.Store().WriteInt("Selection", entry, unitId);
        ConverterModel model(profile.Store(), folder_ / "data");
        model.Reload(std::nullopt);

        const CategorySelection selection = model.SelectCategory(std::nullopt);

        EXPECT_EQ(selection.line, c.line);
        EXPECT_EQ(selection.sourceRow, c.source);
        EXPECT_EQ(selection.destinationRow, c.destination);
        if (c.line) {
            EXPECT_EQ(ReadSetting(profile.Store(), "First Cat"), std::to_string(*c.line));
        } else {
            EXPECT_TRUE(model.Rows().empty());
        }
    }
}

TEST_F(ConverterModelTest, TheLastRowWithTheSavedUnitIdIsChosen) {
    // A user-defined "Tonne" shares the id of "Gram" and sorts below it.
    UnitRecord tonne;
    tonne.categoryId = 2;
    tonne.unitId = 102;
    ASSERT_FALSE(tonne.name.Assign("Tonne", "name"));
    ASSERT_FALSE(tonne.conversionText.Assign("*1000", "conversion"));
    ASSERT_FALSE(WriteRecordFile(folder_ / "data" / "itemcust.dat", std::vector{tonne}).has_value());
    WriteSetting(Store(), Setting::kFirstCat, "2");
    Store().WriteInt("Selection", "Mass1", 101);
    Store().WriteInt("Selection", "Mass2", 102);
    Loaded();
    const CategorySelection selection = model_.SelectCategory(std::nullopt);
    ASSERT_EQ(model_.Rows().size(), 4u);
    EXPECT_EQ(selection.destinationRow, Row(3));
}

struct AngleCase {
    std::size_t line;
    const char* degree;
    bool shown;
    int checked;
    int mode;
};

TEST_F(ConverterModelTest, AngleChoicesFollowTheCategoryAndTheStoredMode) {
    const std::vector<AngleCase> cases{
        {line::kTrigonometry, "", true, 1, 1},  {line::kTrigonometry, "0", true, 1, 1},
        {line::kTrigonometry, "2", true, 2, 2}, {line::kTrigonometry, "3", true, 3, 3},
        {line::kTrigonometry, "5", true, 0, 5}, {line::kTrigonometry, " 2x", true, 2, 2},
        {line::kLength, "2", false, 0, 1},
    };
    Loaded();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("line ") + std::to_string(c.line) + " Degree '" + c.degree + "'");
        WriteSetting(Store(), Setting::kDegree, c.degree);
        const CategorySelection selection = model_.SelectCategory(c.line);
        EXPECT_EQ(selection.angleChoicesShown, c.shown);
        EXPECT_EQ(selection.checkedAngle, c.checked);
        EXPECT_EQ(static_cast<int>(model_.AngleMode()), c.mode);
    }
}

TEST_F(ConverterModelTest, RowChangesAreRememberedUnderTheCategoryNameInUtf8) {
    Loaded().SelectCategory(line::kEnergy);
    model_.SelectSource(0);
    model_.SelectDestination(0);
    model_.SelectCategory(line::kLength);
    model_.SelectSource(length::kMile);
    model_.SelectDestination(length::kAngstrom);

    EXPECT_EQ(Store().ReadInt("Selection", "\xC3\x89nergie1", -1), 101);
    EXPECT_EQ(Store().ReadInt("Selection", "\xC3\x89nergie2", -1), 101);
    EXPECT_EQ(Store().ReadInt("Selection", "Length1", -1), 103);
    EXPECT_EQ(Store().ReadInt("Selection", "Length2", -1), 105);
    EXPECT_EQ(model_.SelectCategory(line::kLength).sourceRow, Row(length::kMile));
    EXPECT_EQ(model_.SelectCategory(line::kLength).destinationRow, Row(length::kAngstrom));
}

TEST_F(ConverterModelTest, RowsShowRecordTextsDecodedForDisplay) {
    Loaded().SelectCategory(line::kLength);
    ASSERT_EQ(model_.Rows().size(), 5u);
    EXPECT_EQ(model_.Rows()[length::kAngstrom].name, "\xC3\x85ngstr\xC3\xB6m");
    EXPECT_EQ(model_.Rows()[length::kAngstrom].abbreviation, "\xC3\x85");
    model_.SelectCategory(line::kMass);
    EXPECT_EQ(model_.Rows()[2].abbreviation, "\xC2\xB5g");
}

TEST_F(ConverterModelTest, ConversionFillsEveryRowAndTheResultLine) {
    Loaded().SelectCategory(line::kLength);
    model_.SelectSource(length::kKilometer);
    model_.SelectDestination(length::kMile);

    ASSERT_TRUE(model_.Convert("5", length::kKilometer, NumberLocale{}));

    EXPECT_EQ(Values(), (std::vector<std::string>{">>", "2734.033246", "5", "5000.000000", "3.106856"}));
    EXPECT_EQ(model_.CurrentResultLine(), (ResultLine{"5", "Kilometer = ", "3.106856", "Mile"}));
}

TEST_F(ConverterModelTest, NothingIsConvertedWithoutTextOrSourceRow) {
    Loaded().SelectCategory(line::kLength);
    ASSERT_TRUE(model_.Convert("2", length::kMeter, NumberLocale{}));
    const auto before = Values();

    EXPECT_FALSE(model_.Convert("", length::kMeter, NumberLocale{}));
    EXPECT_FALSE(model_.Convert("7", std::nullopt, NumberLocale{}));
    EXPECT_FALSE(model_.Convert("7", 99, NumberLocale{}));
    EXPECT_EQ(Values(), before);
}

TEST_F(ConverterModelTest, FormatSettingsAreReadAfreshForEveryConversion) {
    Loaded().SelectCategory(line::kLength);
    model_.Convert("5", length::kKilometer, NumberLocale{});
    WriteSetting(Store(), Setting::kDecimal, "2");
    model_.Convert("5", length::kKilometer, NumberLocale{});
    EXPECT_EQ(model_.Rows()[length::kMeter].value, "5000.00");
}

TEST_F(ConverterModelTest, AnExpressionCategoryComputesInTheStoredAngleMode) {
    Loaded();
    WriteSetting(Store(), Setting::kDegree, "2");
    model_.SelectCategory(line::kTrigonometry);
    model_.SelectSource(test::trig_row::kArgument);
    model_.SelectDestination(test::trig_row::kSine);
    ASSERT_TRUE(model_.Convert("30", test::trig_row::kArgument, NumberLocale{}));
    // sin(30) in radians; in degrees it would be 0.5.
    EXPECT_EQ(model_.CurrentResultLine(), (ResultLine{"sin(30)", "=", "-0.988032", ""}));
    WriteSetting(Store(), Setting::kDegree, "1");
    model_.SelectCategory(line::kTrigonometry);
    model_.SelectSource(test::trig_row::kArgument);
    model_.SelectDestination(test::trig_row::kSine);
    model_.Convert("30", test::trig_row::kArgument, NumberLocale{});
    EXPECT_EQ(model_.CurrentResultLine(), (ResultLine{"sin(30)", "=", "0.500000", ""}));
}

TEST_F(ConverterModelTest, UnitsChoiceReloadsWithTheSameLine) {
    Loaded().SelectCategory(line::kLength);
    const CatalogueReload common = model_.ShowCommonUnits(line::kLength);
    EXPECT_TRUE(model_.CommonUnitsSetting());
    model_.SelectCategory(common.lineToSelect);
    EXPECT_EQ(model_.Rows().size(), 3u);
    const CatalogueReload all = model_.ShowAllUnits(line::kLength);
    EXPECT_FALSE(model_.CommonUnitsSetting());
    ASSERT_EQ(all.lineToSelect, Row(line::kLength));
    model_.SelectCategory(all.lineToSelect);
    EXPECT_EQ(model_.Rows().size(), 5u);
}

TEST(FindCodeTest, SplitsIntoCategoryLineAndUnitRow) {
    const std::vector<std::pair<int, FindTarget>> cases{
        {0, {0, 0}}, {7, {7, 0}}, {1000, {0, 1}}, {3005, {5, 3}}, {12999, {999, 12}}};
    for (const auto& [code, target] : cases) EXPECT_EQ(DecodeFindCode(code), target) << code;
}

TEST(SavedValueTest, TheValueBoxStartsWithTheSavedTextOrOne) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases{
        {std::nullopt, "1"}, {"", "1"}, {"42", "42"}, {" 2e3*x", " 2e3*x"}};
    for (const auto& [saved, shown] : cases) {
        test::TestProfile profile;
        if (saved) SaveValueText(profile.Store(), *saved);
        EXPECT_EQ(InitialValueText(*profile.Reopen()), shown) << saved.value_or("(none)");
    }
}

}  // namespace
}  // namespace quantora
