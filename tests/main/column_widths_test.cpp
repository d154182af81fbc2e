#include "main/column_widths.h"

#include <gtest/gtest.h>

#include <vector>

namespace quantora {
namespace {

struct WidthCase {
    int unit, abbreviation, value, available;
    ColumnWidths expected;
};

TEST(ColumnWidthsTest, NameColumnsYieldToTheValues) {
    const std::vector<WidthCase> cases{
        {120, 40, 100, 400, {120, 40, 240}},   // everything fits: names keep theirs, values take the rest
        {120, 40, 240, 400, {120, 40, 240}},   // exactly fits
        {300, 100, 200, 400, {150, 50, 200}},  // too wide: the names share what is left, in proportion
        {300, 100, 500, 400, {0, 0, 500}},     // values alone are wider than the list
        {0, 0, 500, 400, {0, 0, 500}},        {1, 2, 398, 400, {0, 2, 398}},  // rounding never takes more than the room
    };
    for (const auto& c : cases) {
        const ColumnWidths widths = FitColumns(c.unit, c.abbreviation, c.value, c.available);
        EXPECT_EQ(widths, c.expected) << c.unit << " " << c.abbreviation << " " << c.value << " " << c.available
                                      << " gave " << widths.unit << " " << widths.abbreviation << " " << widths.value;
    }
}

}  // namespace
}  // namespace quantora
