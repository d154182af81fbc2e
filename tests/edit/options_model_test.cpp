#include "edit/options_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/unit_data_sets.h"
#include "edit_fixture.h"

namespace quantora {
namespace {

using test::MakeCategory;
using test::MakeUnit;

// Lines in list order: "area" (2), "Length" (1), "mass" (3). Length's rows: foot, inch, meter.
class OptionsModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.Write<CategoryRecord>(data_file::kCategories,
                                    {MakeCategory(1, "Length"), MakeCategory(3, "mass"), MakeCategory(2, "area")});
        data_.Write<UnitRecord>(data_file::kUnits,
                                {MakeUnit(1, {101, "meter"}), MakeUnit(1, {102, "inch"}), MakeUnit(1, {103, "foot"}),
                                 MakeUnit(2, {101, "square meter"}), MakeUnit(3, {101, "kilogram"})});
        ASSERT_TRUE(model_.Load(data_.Folder()).canSave);
    }

    std::vector<int> CategoryBytes() const {
        std::vector<int> bytes;
        for (const CategoryRecord& category : model_.Categories()) bytes.push_back(category.visible);
        return bytes;
    }
    std::vector<int> LengthBytes() const {
        std::vector<int> bytes;
        for (const UnitRecord& unit : model_.Units(1)) bytes.push_back(unit.visible);
        return bytes;
    }

    test::EditData data_;
    OptionsModel model_;
};

constexpr std::size_t kArea = 0;
constexpr std::size_t kLength = 1;

TEST_F(OptionsModelTest, CheckMarksReachTheRecordsOnlyAtTheirMoments) {
    struct Case {
        const char* name;
        std::function<void(OptionsModel&)> steps;
        std::vector<int> categories;
        std::vector<int> lengthUnits;
    };
    const std::vector<Case> cases{
        {"a tick alone changes no record", [](OptionsModel& m) { m.MarkCategory(kArea, false); }, {1, 1, 1}, {1, 1, 1}},
        {"selecting the ticked line stores it",
         [](OptionsModel& m) {
             m.MarkCategory(kArea, false);
             m.SelectCategory(kArea);
         },
         {0, 1, 1},
         {1, 1, 1}},
        {"selecting another line stores only that one",
         [](OptionsModel& m) {
             m.MarkCategory(kArea, false);
             m.MarkCategory(kLength, false);
             m.SelectCategory(kLength);
         },
         {1, 0, 1},
         {1, 1, 1}},
        {"leaving the list stores every line",
         [](OptionsModel& m) {
             m.MarkCategory(kArea, false);
             m.MarkCategory(2, false);
             m.LeaveCategoryList();
         },
         {0, 1, 0},
         {1, 1, 1}},
        {"a unit tick reaches its record when the unit is selected",
         [](OptionsModel& m) {
             m.SelectCategory(kLength);
             m.MarkUnit(0, false);
             m.MarkUnit(2, false);
             m.SelectUnit(2);
         },
         {1, 1, 1},
         {1, 1, 0}},
        {"leaving the unit list stores every unit line",
         [](OptionsModel& m) {
             m.SelectCategory(kLength);
             m.MarkUnit(0, false);
             m.MarkUnit(2, false);
             m.LeaveUnitList();
         },
         {1, 1, 1},
         {0, 1, 0}},
        {"a unit tick is lost when another category is selected first",
         [](OptionsModel& m) {
             m.SelectCategory(kLength);
             m.MarkUnit(1, false);
             m.SelectCategory(kArea);
             m.LeaveUnitList();
         },
         {1, 1, 1},
         {1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(model_.Load(data_.Folder()).canSave);
        c.steps(model_);
        EXPECT_EQ(CategoryBytes(), c.categories);
        EXPECT_EQ(LengthBytes(), c.lengthUnits);
    }
}

TEST_F(OptionsModelTest, UnitButtonsActOnTheSelectedCategoryOnly) {
    model_.MarkAllUnits(false);
    EXPECT_TRUE(model_.UnitMarks().empty());
    EXPECT_EQ(LengthBytes(), (std::vector<int>{1, 1, 1}));

    model_.SelectCategory(kLength);
    model_.MarkAllUnits(false);
    EXPECT_EQ(LengthBytes(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(model_.UnitMarks(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(model_.Units(2)[0].visible, 1);

    model_.MarkAllCategories(false);
    EXPECT_EQ(CategoryBytes(), (std::vector<int>{0, 0, 0}));
    model_.ShowEverything();
    EXPECT_EQ(CategoryBytes(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(LengthBytes(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(model_.UnitMarks(), (std::vector<bool>{true, true, true}));
}

TEST_F(OptionsModelTest, SavingSortsBothFilesAndKeepsEveryOtherByte) {
    // A unit of a category id above the number of categories, and one of a missing category.
    std::vector<UnitRecord> units = data_.Read<UnitRecord>(data_file::kUnits);
    units.push_back(MakeUnit(40, {101, "stray"}));
    units.push_back(MakeUnit(0, {101, "orphan"}));
    units[0].reserved = {7, 8, 9};
    data_.Write(data_file::kUnits, units);
    ASSERT_TRUE(model_.Load(data_.Folder()).canSave);
    model_.MarkCategory(2, false);
    model_.LeaveCategoryList();
    ASSERT_EQ(model_.Save(data_.Folder()), std::nullopt);

    const auto categories = data_.Read<CategoryRecord>(data_file::kCategories);
    EXPECT_EQ(test::Names(categories), (std::vector<std::string>{"area", "Length", "mass"}));
    EXPECT_EQ(categories[2].visible, 0);
    const auto saved = data_.Read<UnitRecord>(data_file::kUnits);
    EXPECT_EQ(test::Names(saved),
              (std::vector<std::string>{"orphan", "foot", "inch", "meter", "square meter", "kilogram", "stray"}));
    EXPECT_EQ(saved[3], units[0]);
}

TEST(OptionsModelRefusal, FilesItCouldNotReadWholeAreNeverRewritten) {
    struct Case {
        const char* name;
        std::function<void(const test::EditData&)> damage;
        std::string_view namedFile;
    };
    const std::vector<Case> cases{
        {"partial last category",
         [](const test::EditData& d) {
             auto bytes = test::ReadBytes(d.File(data_file::kCategories));
             bytes.resize(bytes.size() - 10);
             test::WriteBytes(d.File(data_file::kCategories), bytes);
         },
         data_file::kCategories},
        {"missing units file", [](const test::EditData& d) { std::filesystem::remove(d.File(data_file::kUnits)); },
         data_file::kUnits},
        {"category id beyond the tables",
         [](const test::EditData& d) {
             d.Write<UnitRecord>(data_file::kUnits, {test::MakeUnit(2000, {101, "x"})});
         },
         data_file::kUnits},
        {"negative category id",
         [](const test::EditData& d) {
             d.Write<CategoryRecord>(data_file::kCategories, {test::MakeCategory(-1, "x")});
         },
         data_file::kCategories},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::EditData data;
        data.Write<CategoryRecord>(data_file::kCategories, {test::MakeCategory(2, "b"), test::MakeCategory(1, "a")});
        data.Write<UnitRecord>(data_file::kUnits, {test::MakeUnit(1, {102, "z"}), test::MakeUnit(1, {101, "y"})});
        c.damage(data);
        const auto categoriesBefore = test::ReadBytes(data.File(data_file::kCategories));
        const bool hadUnits = std::filesystem::exists(data.File(data_file::kUnits));
        const auto unitsBefore = hadUnits ? test::ReadBytes(data.File(data_file::kUnits)) : std::vector<std::uint8_t>{};

        OptionsModel model;
        const OptionsLoad load = model.Load(data.Folder());
        EXPECT_FALSE(load.canSave);
        EXPECT_NE(load.problem.find(c.namedFile), std::string::npos) << load.problem;
        model.MarkAllCategories(false);
        EXPECT_EQ(model.Save(data.Folder()), std::nullopt);
        EXPECT_EQ(test::ReadBytes(data.File(data_file::kCategories)), categoriesBefore);
        EXPECT_EQ(std::filesystem::exists(data.File(data_file::kUnits)), hadUnits);
        if (hadUnits) {
            EXPECT_EQ(test::ReadBytes(data.File(data_file::kUnits)), unitsBefore);
        }
    }
}

}  // namespace
}  // namespace quantora
