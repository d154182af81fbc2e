#include "masters/category_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_fixture.h"

namespace quantora {
namespace {

using test::Master;

TEST(CategoryImport, ReadsIdNameAndDefaultUnitsOfALine) {
    struct Case {
        std::string line;
        std::int32_t id;
        std::string name;
        std::int32_t source;
        std::int32_t target;
    };
    const std::vector<Case> cases = {
        {"3=Time|101|104", 3, "Time", 101, 104},         {"12=Data storage|101|102", 12, "Data storage", 101, 102},
        {" 7 = Force |102", 7, " Force ", 102, 0},       {"5=Mass", 5, "Mass", 0, 0},
        {"4=Volume|101|102|103", 4, "Volume", 101, 102}, {"x=Odd|a|b", 0, "Odd", 0, 0},
        {"8=Eq=ual|101|101", 8, "Eq=ual", 101, 101},     {"9=|101|101", 9, "", 101, 101},
    };
    for (const Case& c : cases) {
        const auto result = ImportCategories(Master(c.line));
        ASSERT_EQ(result.records.size(), 1u) << c.line;
        const CategoryRecord& record = result.records[0];
        EXPECT_EQ(record.categoryId, c.id) << c.line;
        EXPECT_EQ(record.name.Text(), c.name) << c.line;
        EXPECT_EQ(record.defaultSourceUnitId, c.source) << c.line;
        EXPECT_EQ(record.defaultTargetUnitId, c.target) << c.line;
        EXPECT_EQ(record.visible, 1) << c.line;
        EXPECT_EQ(result.listLines, std::vector<std::string>{c.name}) << c.line;
    }
}

TEST(CategoryImport, SkipsLinesWithoutEqualsAndStopsAtTheFirstUnitSection) {
    struct Case {
        std::string text;
        std::vector<std::int32_t> ids;
        std::vector<std::size_t> lines;
    };
    const std::vector<Case> cases = {
        {"; a note\n1=Length|101|102\n\n2=Area|101|102\n[1]\n101=Metre\n", {1, 2}, {1, 3}},
        {"1=Length|101|102\nnote about [1] here\n2=Area|101|102\n", {1}, {0}},
        {"1=Length|101|102\n[11]\n2=Area|101|102\n", {1, 2}, {0, 2}},
        {"[1]\n1=Length|101|102\n", {}, {}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        const auto result = ImportCategories(Master(c.text));
        std::vector<std::int32_t> ids;
        for (const CategoryRecord& record : result.records) ids.push_back(record.categoryId);
        EXPECT_EQ(ids, c.ids) << c.text;
        EXPECT_EQ(result.lines, c.lines) << c.text;
    }
}

TEST(CategoryImport, RefusesANameTooLongForItsFieldNamingTheLine) {
    const std::string fits = "1=" + std::string(79, 'n') + "|101|101\n";
    const std::string tooLong = "2=" + std::string(80, 'n') + "|101|101\n";
    const auto result = ImportCategories(Master(fits + tooLong));
    EXPECT_EQ(result.records[0].name.Text(), std::string(79, 'n'));
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0], "m.ini:2: category name: text of 80 characters does not fit (at most 79)");
}

}  // namespace
}  // namespace quantora
