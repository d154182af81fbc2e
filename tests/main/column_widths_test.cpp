#include "main/column_widths.h"

#include <gtest/gtest.h>

#include <vector>

namespace quantora {
namespace {

struct WidthCase {
    const char* what;
    ColumnNeeds needs;
    int available;
    ColumnWidths expected;
};

TEST(ColumnWidthsTest, TheUnitGivesWayFirstThenTheAbbreviationNeverTheValue) {
    const std::vector<WidthCase> cases{
        {"room to spare goes to the value", {120, 40, 130, 30, 35}, 400, {120, 40, 240}},
        {"exactly enough", {120, 40, 130, 30, 35}, 290, {120, 40, 130}},
        {"the unit name gives way", {300, 100, 130, 30, 35}, 400, {170, 100, 130}},
        {"the unit stops at its header, then the abbreviation", {300, 100, 130, 30, 35}, 250, {30, 90, 130}},
        {"both names at their headers", {300, 100, 130, 30, 35}, 195, {30, 35, 130}},
        {"a value too wide for any room is cut, the names keep their headers",
         {300, 100, 900, 30, 35},
         400,
         {30, 35, 335}},
        {"a list narrower than the headers", {300, 100, 130, 30, 35}, 50, {30, 35, 0}},
    };
    for (const auto& c : cases) {
        const ColumnWidths widths = FitColumns(c.needs, c.available);
        EXPECT_EQ(widths, c.expected) << c.what << " gave " << widths.unit << " " << widths.abbreviation << " "
                                      << widths.value;
    }
}

}  // namespace
}  // namespace quantora
