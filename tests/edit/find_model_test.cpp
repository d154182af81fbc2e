#include "edit/find_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/record_builders.h"

namespace quantora {
namespace {

// One category a pair, ids from 0 in the given order, each unit a plain factor.
Catalogue MakeCatalogue(const std::vector<std::pair<std::string, std::vector<std::string>>>& categories) {
    UnitDataSets sets;
    std::int32_t id = 0;
    for (const auto& [name, units] : categories) {
        sets.categories.Records().push_back(test::MakeCategory(id, name));
        std::int32_t unitId = kBaseUnitId;
        for (const std::string& unit : units) {
            sets.units.Records().push_back(
                test::MakeUnit(id, {.unitId = unitId++, .name = unit, .conversionText = "1"}));
        }
        ++id;
    }
    LoadReport report;
    return Catalogue::Build(sets, false, report);
}

std::vector<std::string> Texts(const FindModel& model, std::string_view filter) {
    std::vector<std::string> texts;
    for (std::size_t i : model.Filter(filter)) texts.push_back(model.Line(i).text);
    return texts;
}

TEST(FindModel, ListsCategoryAndUnitSortedAndFiltersIgnoringCase) {
    const FindModel model(MakeCatalogue({{"Length", {"meter", "Foot", "kilometer"}}, {"area", {"Square meter"}}}));
    struct Case {
        std::string filter;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"", {"area>Square meter", "Length>Foot", "Length>kilometer", "Length>meter"}},
        {"length>", {"Length>Foot", "Length>kilometer", "Length>meter"}},
        {"METER", {"area>Square meter", "Length>kilometer", "Length>meter"}},
        {"h>m", {"Length>meter"}},
        {"e >", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Texts(model, c.filter), c.lines) << c.filter;
}

TEST(FindModel, TheThirdUnitOfTheSixthCategoryIsCode2005) {
    std::vector<std::pair<std::string, std::vector<std::string>>> categories;
    for (char c = 'A'; c <= 'F'; ++c) categories.push_back({std::string(1, c), {"u1", "u2", "u3", "u4"}});
    const FindModel model(MakeCatalogue(categories));
    const std::vector<std::size_t> found = model.Filter("F>u3");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(model.Line(found[0]).positionCode, 2005);
}

// The window once held one unit table per line for the first 100 lines only.
TEST(FindModel, EveryUnitOf150CategoriesKeepsItsOwnCode) {
    std::vector<std::pair<std::string, std::vector<std::string>>> categories;
    for (int i = 0; i < 150; ++i) {
        std::vector<std::string> units;
        for (int j = 0; j <= i % 7; ++j) units.push_back("Unit " + std::to_string(j));
        categories.push_back({"Category " + std::to_string(2000 - i), units});  // lines reverse the ids
    }
    const Catalogue catalogue = MakeCatalogue(categories);
    const FindModel model(catalogue);
    std::set<int> codes;
    std::size_t unitCount = 0;
    for (const auto& [name, units] : categories) unitCount += units.size();
    ASSERT_EQ(model.LineCount(), unitCount);
    for (std::size_t i = 0; i < model.LineCount(); ++i) {
        const FindLine& line = model.Line(i);
        const auto categoryLine = static_cast<std::size_t>(line.positionCode % 1000);
        const auto unitRow = static_cast<std::size_t>(line.positionCode / 1000);
        ASSERT_LT(categoryLine, catalogue.CategoryCount());
        const CategoryRecord& category = catalogue.CategoryAt(categoryLine);
        const UnitRecord* unit = catalogue.UnitAt(category.categoryId, unitRow);
        ASSERT_NE(unit, nullptr) << line.text;
        EXPECT_EQ(line.text, category.name.Text() + ">" + unit->name.Text());
        codes.insert(line.positionCode);
    }
    EXPECT_EQ(codes.size(), unitCount);
}

}  // namespace
}  // namespace quantora
