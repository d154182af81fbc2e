#include "edit/custom_units_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/cp1252.h"
#include "catalogue/unit_data_sets.h"
#include "edit_fixture.h"

namespace quantora {
namespace {

using test::MakeCategory;
using test::MakeUnit;

UnitRecord CommonUnit(std::int32_t categoryId, std::int32_t unitId, std::string name) {
    return MakeUnit(categoryId, {.unitId = unitId, .name = std::move(name), .conversionText = "*1", .common = true});
}

// Standard categories "Length" (1) and "Speed" (45); Length's common units go up to 105, and a
// rare unit 150 is not common.
class CustomUnitsModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.Write<CategoryRecord>(data_file::kCategories, {MakeCategory(45, "Speed"), MakeCategory(1, "Length")});
        data_.Write<UnitRecord>(data_file::kUnits,
                                {CommonUnit(1, 101, "meter"), CommonUnit(1, 105, "mile"),
                                 MakeUnit(1, {.unitId = 150, .name = "rod"}), CommonUnit(45, 101, "m/s")});
    }

    void Open() { ASSERT_EQ(model_.Load(data_.Folder()), std::nullopt); }
    std::size_t LineOf(std::string_view name) const {
        const auto categories = model_.Categories();
        for (std::size_t line = 0; line < categories.size(); ++line) {
            if (categories[line].name.Text() == name) return line;
        }
        ADD_FAILURE() << "no category " << name;
        return 0;
    }
    EditOutcome Add(std::string name, std::string value, std::int32_t reference = -1) {
        return model_.AddUnit({std::move(name), "", std::move(value), reference});
    }
    const UnitRecord& Unit(std::size_t row) const { return model_.SelectedUnits()[row]; }

    test::EditData data_;
    CustomUnitsModel model_;
};

TEST_F(CustomUnitsModelTest, NewIdsFollowTheHighestInUse) {
    Open();
    EXPECT_EQ(model_.CustomThreshold(), 1001);
    const EditOutcome added = model_.AddCategory("Mine");
    EXPECT_EQ(added.row, LineOf("Mine"));
    EXPECT_EQ(model_.SelectedLine(), added.row);
    EXPECT_EQ(model_.Categories()[LineOf("Mine")].categoryId, 1002);
    EXPECT_EQ(model_.HighestUnitId(), 1);
    ASSERT_FALSE(model_.AddCategory("Ours").Refused());
    EXPECT_EQ(model_.Categories()[LineOf("Ours")].categoryId, 1003);

    model_.SelectCategory(LineOf("Length"));
    EXPECT_EQ(model_.HighestUnitId(), 105);
    ASSERT_FALSE(Add("span", "0.2286").Refused());
    ASSERT_FALSE(Add("cubit", "0.4572").Refused());
    EXPECT_EQ(Unit(0).unitId, 107);  // "cubit" sorts first
    EXPECT_EQ(Unit(1).unitId, 106);
    model_.SelectCategory(LineOf("Speed"));
    model_.SelectCategory(LineOf("Length"));
    EXPECT_EQ(model_.HighestUnitId(), 107);
}

TEST_F(CustomUnitsModelTest, ANewUnitIsAMultipleOfItsReference) {
    struct Case {
        std::int32_t chosen;
        std::int32_t reference;
    };
    // The new unit gets id 106; choosing it for itself counts as choosing nothing.
    const std::vector<Case> cases{{-1, 101}, {0, 101}, {105, 105}, {106, 101}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Open();
        model_.SelectCategory(LineOf("Length"));
        ASSERT_FALSE(model_.AddUnit({"league", "lea", " 3 ", c.chosen}).Refused());
        const UnitRecord& unit = Unit(0);
        EXPECT_EQ(unit.referenceUnitId, c.reference);
        EXPECT_EQ(unit.conversionText.Text(), "*  3 ");
        EXPECT_EQ(unit.categoryId, 1);
        EXPECT_EQ(unit.abbreviation.Text(), "lea");
        EXPECT_EQ(unit.common, 1);
        EXPECT_EQ(unit.visible, 1);
        EXPECT_EQ(unit.reciprocal, 0);
        EXPECT_EQ(unit.baseFormula, TextField<180>{});
        EXPECT_EQ(unit.reserved, (std::array<std::uint8_t, 3>{}));
    }
}

TEST_F(CustomUnitsModelTest, ModifyShowsTheValueAndKeepsTheUnit) {
    Open();
    ASSERT_FALSE(model_.AddCategory("Mine").Refused());
    ASSERT_FALSE(Add("base", "\t2.5 ").Refused());
    ASSERT_FALSE(Add("double", "2", 2).Refused());
    const auto base = model_.ModifyPrefill(2);
    ASSERT_TRUE(base.has_value());
    EXPECT_EQ(base->value, "2.5");
    EXPECT_EQ(base->referenceUnitId, 2);  // in a user's category a unit on the base unit shows itself
    EXPECT_EQ(model_.ModifyPrefill(3)->referenceUnitId, 2);

    ASSERT_FALSE(model_.ModifyUnit(2, *base).Refused());
    EXPECT_EQ(Unit(0).unitId, 2);
    EXPECT_EQ(Unit(0).conversionText.Text(), "* 2.5");
    EXPECT_EQ(Unit(0).referenceUnitId, 101);

    const EditOutcome renamed = model_.ModifyUnit(2, {"zeta", "z", "2.5", -1});
    EXPECT_EQ(renamed.row, 1);
    EXPECT_EQ(Unit(1).unitId, 2);
    EXPECT_EQ(model_.HighestUnitId(), 3);

    model_.SelectCategory(LineOf("Length"));
    ASSERT_FALSE(Add("league", "3").Refused());
    EXPECT_EQ(model_.ModifyPrefill(106)->referenceUnitId, 101);
}

TEST_F(CustomUnitsModelTest, ClosingSavesTheUsersCategoriesAndUnitsOnly) {
    Open();
    model_.SelectCategory(LineOf("Length"));
    ASSERT_FALSE(Add("league", "4828").Refused());
    ASSERT_FALSE(model_.RenameCategory("Distance").Refused());
    ASSERT_FALSE(model_.AddCategory("Zeal").Refused());
    ASSERT_FALSE(Add("fervour", "1").Refused());
    ASSERT_FALSE(model_.AddCategory("Gone").Refused());
    ASSERT_FALSE(Add("lost", "1").Refused());
    model_.RemoveCategory();
    model_.SelectCategory(LineOf("Speed"));
    ASSERT_FALSE(Add("knot", "0.514").Refused());
    model_.RemoveCategory();
    ASSERT_EQ(model_.Save(data_.Folder()), std::nullopt);

    const auto categories = data_.Read<CategoryRecord>(data_file::kCustomCategories);
    EXPECT_EQ(test::Names(categories), (std::vector<std::string>{"Zeal"}));
    EXPECT_EQ(test::Names(data_.Read<UnitRecord>(data_file::kCustomUnits)),
              (std::vector<std::string>{"league", "fervour", "knot"}));

    Open();
    EXPECT_EQ(model_.Categories()[LineOf("Length")].categoryId, 1);
    EXPECT_EQ(model_.HighestCategoryId(), 1002);
}

TEST_F(CustomUnitsModelTest, UnitsOfAMissingCategoryAreKeptAndItsIdIsNotReused) {
    data_.Write<UnitRecord>(data_file::kCustomUnits, {MakeUnit(1500, {2, "orphan", "* 1"})});
    const auto before = test::ReadBytes(data_.File(data_file::kCustomUnits));
    Open();
    ASSERT_FALSE(model_.AddCategory("New").Refused());
    EXPECT_EQ(model_.Categories()[LineOf("New")].categoryId, 1501);
    model_.RemoveCategory();
    ASSERT_EQ(model_.Save(data_.Folder()), std::nullopt);
    EXPECT_EQ(test::ReadBytes(data_.File(data_file::kCustomUnits)), before);
}

TEST_F(CustomUnitsModelTest, TextsThatDoNotFitAreRefusedWhole) {
    struct Case {
        UnitEntryTexts entry;
        std::string refusedField;  // empty: taken
    };
    const std::string euro = "\xE2\x82\xAC";  // in Windows-1252
    const std::string omega = "\xCE\xA9";     // not in Windows-1252
    const std::vector<Case> cases{
        {{std::string(79, 'n'), std::string(29, 'a'), std::string(177, '1')}, ""},
        {{std::string(80, 'n'), "", "1"}, "unit name"},
        {{"n", std::string(30, 'a'), "1"}, "abbreviation"},
        {{"n", "", std::string(178, '1')}, "value"},
        {{euro + " coin", euro, "1"}, ""},
        {{"ohm " + omega, "", "1"}, "unit name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.name + "/" + c.entry.abbreviation);
        Open();
        model_.SelectCategory(LineOf("Length"));
        const EditOutcome outcome = model_.AddUnit(c.entry);
        if (c.refusedField.empty()) {
            EXPECT_FALSE(outcome.Refused()) << outcome.refusal;
            EXPECT_EQ(Unit(0).name.Text(), Utf8ToCp1252(c.entry.name));
            continue;
        }
        EXPECT_NE(outcome.refusal.find(c.refusedField), std::string::npos) << outcome.refusal;
        EXPECT_TRUE(model_.SelectedUnits().empty());
        EXPECT_EQ(model_.HighestUnitId(), 105);
    }
    Open();
    EXPECT_TRUE(model_.AddCategory(std::string(80, 'c')).Refused());
    EXPECT_TRUE(model_.AddCategory(omega).Refused());
    EXPECT_EQ(model_.Categories().size(), 2u);
}

TEST_F(CustomUnitsModelTest, NoCategoryIdBeyondTheTablesIsHandedOut) {
    data_.Write<CategoryRecord>(data_file::kCustomCategories, {MakeCategory(1999, "Last")});
    Open();
    const EditOutcome refused = model_.AddCategory("One too many");
    EXPECT_NE(refused.refusal.find("1999"), std::string::npos) << refused.refusal;
    EXPECT_EQ(model_.Categories().size(), 3u);
}

TEST_F(CustomUnitsModelTest, AFailedWriteIsReportedNamingTheFile) {
    data_.Write<CategoryRecord>(data_file::kCustomCategories, {MakeCategory(1002, "Mine")});
    Open();
    std::filesystem::create_directory(data_.File(data_file::kCustomUnits));
    ASSERT_FALSE(model_.AddCategory("Ours").Refused());
    const auto error = model_.Save(data_.Folder());
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("itemcust.dat"), std::string::npos) << *error;
    EXPECT_TRUE(std::filesystem::is_directory(data_.File(data_file::kCustomUnits)));
}

TEST(CustomUnitsModelRefusal, FilesItCouldNotReadWholeKeepTheWindowShut) {
    struct Case {
        const char* name;
        std::function<void(const test::EditData&)> damage;
        std::string_view namedFile;
    };
    const auto cut = [](std::string_view file) {
        return [file](const test::EditData& d) {
            auto bytes = test::ReadBytes(d.File(file));
            bytes.pop_back();
            test::WriteBytes(d.File(file), bytes);
        };
    };
    const std::vector<Case> cases{
        {"missing standard categories", [](const test::EditData& d) { std::filesystem::remove(d.File("cat.dat")); },
         data_file::kCategories},
        {"partial standard category", cut(data_file::kCategories), data_file::kCategories},
        {"partial user category", cut(data_file::kCustomCategories), data_file::kCustomCategories},
        {"partial user unit", cut(data_file::kCustomUnits), data_file::kCustomUnits},
        {"partial standard unit", cut(data_file::kUnits), data_file::kUnits},
        {"user unit beyond the tables",
         [](const test::EditData& d) {
             d.Write<UnitRecord>(data_file::kCustomUnits, {MakeUnit(2400, {2, "x"})});
         },
         data_file::kCustomUnits},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::EditData data;
        data.Write<CategoryRecord>(data_file::kCategories, {MakeCategory(1, "Length")});
        data.Write<CategoryRecord>(data_file::kCustomCategories, {MakeCategory(1002, "Mine")});
        data.Write<UnitRecord>(data_file::kUnits, {CommonUnit(1, 101, "meter")});
        data.Write<UnitRecord>(data_file::kCustomUnits, {MakeUnit(1002, {2, "mine", "* 1"})});
        c.damage(data);
        CustomUnitsModel model;
        const auto error = model.Load(data.Folder());
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->find(c.namedFile), std::string::npos) << *error;
    }
}

}  // namespace
}  // namespace quantora
