#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "catalogue/record_file.h"
#include "main/catalogue_reload.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

// Shorthands over the shared builders: each category converts between its units 101 and 102, and
// each unit is common and shown unless told otherwise.
CategoryRecord Category(std::int32_t id, const std::string& name, std::uint8_t visible = 1) {
    return test::WithVisible(test::MakeCategory(id, name, 101, 102), visible);
}

UnitRecord Unit(std::int32_t category, std::int32_t id, const std::string& name, std::uint8_t common = 1,
                std::uint8_t visible = 1) {
    return test::WithVisible(
        test::MakeUnit(category, {.unitId = id, .name = name, .conversionText = "*1", .common = common != 0}), visible);
}

using test::Names;

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write(data_file::kCategories, std::vector{Category(1, "Length"), Category(3, "area"), Category(2, "Mass"),
                                                  Category(19, "Temperature")});
        Write(data_file::kUnits, std::vector{Unit(1, 101, "Meter"), Unit(1, 102, "kilometer"),
                                             Unit(1, 103, "Fathom", 0), Unit(1, 104, "Inch"), Unit(2, 101, "Kilogram"),
                                             Unit(2, 102, "Grain", 0), Unit(3, 101, "Square meter")});
        const TemperatureRecord t = test::MakeTemperature(101, 102, "");
        Write(data_file::kTemperatures, std::vector{t, test::WithVisible(t, 0)});
        const CurrencyRecord euro = test::MakeCurrency("Euro", 1.1);
        Write(data_file::kCurrencies, std::vector{euro, test::WithVisible(euro, 0)});
    }

    template <typename Record>
    void Write(std::string_view name, const std::vector<Record>& records) {
        ASSERT_FALSE(WriteRecordFile(folder_ / name, records).has_value());
    }

    LoadReport Load() { return ReloadCatalogue(catalogue_, profile_.Store(), folder_.Path(), std::nullopt).report; }

    test::TempFolder folder_;
    test::TestProfile profile_;
    Catalogue catalogue_;
};

TEST_F(CatalogueTest, CategoriesAndUnitsTakeCaseInsensitiveSortedOrder) {
    const auto report = Load();
    EXPECT_TRUE(report.complete);
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_EQ(Names(catalogue_.Categories()), (std::vector<std::string>{"area", "Length", "Mass", "Temperature"}));
    EXPECT_EQ(catalogue_.CategoryAt(0).categoryId, 3);
    EXPECT_EQ(Names(catalogue_.Units(1)), (std::vector<std::string>{"Fathom", "Inch", "kilometer", "Meter"}));
    EXPECT_EQ(catalogue_.Temperatures().size(), 1u);
    ASSERT_EQ(catalogue_.Currencies().size(), 1u);
    EXPECT_EQ(catalogue_.Currencies()[0].rate, 1.1);
}

TEST_F(CatalogueTest, CommonUnitsModeLeavesOutUnitsThatAreNotCommon) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    Write(data_file::kCustomUnits, std::vector{Unit(1, 201, "Cubit", 0), Unit(1, 202, "Ell", 1)});
    Load();
    EXPECT_TRUE(catalogue_.CommonUnitsMode());
    EXPECT_EQ(Names(catalogue_.Units(1)), (std::vector<std::string>{"Ell", "Inch", "kilometer", "Meter"}));
    EXPECT_EQ(Names(catalogue_.Units(2)), (std::vector<std::string>{"Kilogram"}));
}

TEST_F(CatalogueTest, HiddenUnitIsSkippedEvenWhenCommon) {
    Write(data_file::kUnits,
          std::vector{Unit(1, 101, "Meter"), Unit(1, 102, "Mile", 1, 0), Unit(1, 103, "Yard", 1, 2)});
    Load();
    EXPECT_EQ(Names(catalogue_.Units(1)), (std::vector<std::string>{"Meter"}));
}

TEST_F(CatalogueTest, UserUnitsAndCategoriesMergeIntoTheAlphabeticalOrder) {
    Write(data_file::kCustomCategories, std::vector{Category(1002, "Beauty"), Category(1003, "Zeal", 0)});
    Write(data_file::kCustomUnits, std::vector{Unit(1, 201, "Hand"), Unit(1002, 101, "Smile")});
    Load();
    EXPECT_EQ(Names(catalogue_.Categories()),
              (std::vector<std::string>{"area", "Beauty", "Length", "Mass", "Temperature"}));
    EXPECT_EQ(Names(catalogue_.Units(1)), (std::vector<std::string>{"Fathom", "Hand", "Inch", "kilometer", "Meter"}));
    EXPECT_EQ(catalogue_.FindUnitRow(1, 201), 1u);
    EXPECT_EQ(Names(catalogue_.Units(1002)), (std::vector<std::string>{"Smile"}));
}

TEST_F(CatalogueTest, HiddenCategoryStillHasItsUnitsLoaded) {
    Write(data_file::kCategories, std::vector{Category(1, "Length", 0), Category(2, "Mass")});
    Load();
    EXPECT_EQ(Names(catalogue_.Categories()), (std::vector<std::string>{"Mass"}));
    EXPECT_EQ(catalogue_.UnitCount(1), 4u);
}

TEST_F(CatalogueTest, PositionsOfTheStandardFileAreComputedWithinEachRun) {
    // A category split over two runs: the second run's units sort among themselves only.
    Write(data_file::kUnits, std::vector{Unit(1, 101, "Meter"), Unit(1, 102, "Inch"), Unit(2, 101, "Kilogram"),
                                         Unit(1, 103, "Yard"), Unit(1, 104, "Foot")});
    Load();
    EXPECT_EQ(Names(catalogue_.Units(1)), (std::vector<std::string>{"Foot", "Yard", "Inch", "Meter"}));
}

TEST_F(CatalogueTest, FindUnitTakesTheFirstRowWithTheId) {
    Write(data_file::kUnits, std::vector{Unit(1, 101, "Meter"), Unit(1, 105, "Yard"), Unit(1, 105, "Foot")});
    Load();
    ASSERT_NE(catalogue_.FindUnit(1, 105), nullptr);
    EXPECT_EQ(catalogue_.FindUnit(1, 105)->name.Text(), "Foot");
    EXPECT_EQ(catalogue_.FindUnit(1, 999), nullptr);
    EXPECT_EQ(catalogue_.FindUnit(5000, 101), nullptr);
    EXPECT_EQ(catalogue_.UnitAt(1, 3), nullptr);
}

TEST_F(CatalogueTest, RecordsOutsideTheCategoryRangeAreSkippedAndReported) {
    Write(data_file::kCategories, std::vector{Category(1, "Length"), Category(2000, "Huge"), Category(-1, "Neg")});
    Write(data_file::kUnits, std::vector{Unit(1, 101, "Meter"), Unit(2000, 101, "Far"), Unit(-5, 101, "Below")});
    const auto report = Load();
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(Names(catalogue_.Categories()), (std::vector<std::string>{"Length"}));
    EXPECT_EQ(report.warnings.size(), 4u);
    EXPECT_TRUE(catalogue_.Units(2000).empty());
}

TEST_F(CatalogueTest, FragmentAtTheEndOfAFileIsIgnoredWithAWarning) {
    auto bytes = test::ReadBytes(folder_ / "item.dat");
    bytes.resize(bytes.size() + 100, 0x41);
    test::WriteBytes(folder_ / "item.dat", bytes);
    const auto report = Load();
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(catalogue_.UnitCount(1), 4u);
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_NE(report.warnings[0].find("item.dat"), std::string::npos);
}

// An empty data set would show an empty window or "unknown unit" as if nothing were wrong.
TEST_F(CatalogueTest, AnEmptyCategoryOrUnitFileIsADataError) {
    for (const std::string_view file : {data_file::kCategories, data_file::kUnits}) {
        SetUp();
        test::WriteBytes(folder_ / file, {});
        const auto report = Load();
        EXPECT_FALSE(report.complete) << file;
        EXPECT_NE(report.error.find(file), std::string::npos) << report.error;
    }
}

TEST_F(CatalogueTest, MissingRequiredFileStopsTheLoadThere) {
    const std::pair<std::string_view, std::size_t> cases[] = {{data_file::kCategories, 0},
                                                              {data_file::kUnits, 4},
                                                              {data_file::kTemperatures, 4},
                                                              {data_file::kCurrencies, 4}};
    for (const auto& [file, categories] : cases) {
        SetUp();
        std::filesystem::remove(folder_ / file);
        const auto report = Load();
        EXPECT_FALSE(report.complete) << file;
        EXPECT_NE(report.error.find(file), std::string::npos) << report.error;
        EXPECT_NE(report.error.find("No such file"), std::string::npos) << report.error;
        EXPECT_EQ(catalogue_.CategoryCount(), categories) << file;
        EXPECT_EQ(catalogue_.Currencies().size(), 0u) << file;
    }
}

TEST_F(CatalogueTest, SwitchingModesGivesTheSameTablesAsAFreshStart) {
    Write(data_file::kCustomUnits, std::vector{Unit(1, 201, "Cubit", 0), Unit(2, 201, "Pound", 1)});
    auto snapshot = [](const Catalogue& c) {
        std::vector<std::vector<std::string>> tables;
        for (std::int32_t id = 0; id < 4; ++id) tables.push_back(Names(c.Units(id)));
        return tables;
    };
    ShowCommonUnits(catalogue_, profile_.Store(), folder_.Path(), std::nullopt);
    const auto common = snapshot(catalogue_);
    ShowAllUnits(catalogue_, profile_.Store(), folder_.Path(), std::nullopt);
    const auto all = snapshot(catalogue_);
    ShowCommonUnits(catalogue_, profile_.Store(), folder_.Path(), std::nullopt);
    EXPECT_EQ(snapshot(catalogue_), common);
    EXPECT_NE(common, all);

    Catalogue fresh;
    ReloadCatalogue(fresh, *profile_.Reopen(), folder_.Path(), std::nullopt);
    EXPECT_EQ(snapshot(fresh), common);
    EXPECT_EQ(ReadSetting(profile_.Store(), "Common Units"), "1");
}

TEST_F(CatalogueTest, BuildingLeavesTheSetsWholeAndTakesTheModeItIsGiven) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    Write(data_file::kCustomUnits, std::vector{Unit(1, 201, "Cubit", 0), Unit(1, 202, "Ell", 1, 0)});
    UnitDataSets sets;
    LoadReport report = LoadUnitDataSets(folder_.Path(), sets);
    ASSERT_TRUE(report.complete) << report.error;
    const Catalogue all = Catalogue::Build(sets, false, report);
    const Catalogue common = Catalogue::Build(sets, true, report);
    EXPECT_EQ(Names(all.Units(1)), (std::vector<std::string>{"Cubit", "Fathom", "Inch", "kilometer", "Meter"}));
    EXPECT_EQ(Names(common.Units(1)), (std::vector<std::string>{"Inch", "kilometer", "Meter"}));
    EXPECT_EQ(sets.units.Records().size(), 7u);
    EXPECT_EQ(sets.customUnits.Records().size(), 2u);
    EXPECT_EQ(sets.temperatures.Records().size(), 2u);
    EXPECT_EQ(all.Temperatures().size(), 1u);
    EXPECT_TRUE(report.warnings.empty());
}

TEST_F(CatalogueTest, ReloadSelectsTheSameLineIndexAgain) {
    Load();
    Write(data_file::kCategories, std::vector{Category(7, "Angle"), Category(1, "Length"), Category(2, "Mass")});
    const auto reload = ReloadCatalogue(catalogue_, profile_.Store(), folder_.Path(), 2);
    EXPECT_EQ(reload.lineToSelect, 2u);
    EXPECT_EQ(catalogue_.CategoryAt(2).name.Text(), "Mass");
    EXPECT_FALSE(ReloadCatalogue(catalogue_, profile_.Store(), folder_.Path(), 3).lineToSelect.has_value());
    EXPECT_FALSE(ShowAllUnits(catalogue_, profile_.Store(), folder_.Path(), std::nullopt).lineToSelect.has_value());
}

}  // namespace
}  // namespace quantora
