#include "main/column_widths.h"

#include <gtest/gtest.h>

#include <vector>

namespace quantora {
namespace {

struct WidthCase {
    int unit, abbreviation, valueHeader, available;
    ColumnWidths expected;
};

TEST(ColumnWidthsTest, NamesFitTheirTextsAndValuesTakeTheRest) {
    const std::vector<WidthCase> cases{
        {120, 40, 50, 400, {120, 40, 240}},   // values take the rest
        {120, 40, 240, 400, {120, 40, 240}},  // exactly fits
        {300, 100, 50, 400, {300, 100, 50}},  // names wider than the list: values keep their header
        {300, 100, 50, 420, {300, 100, 50}},  // less room than the header: still the header
        {0, 0, 50, 400, {0, 0, 400}},
    };
    for (const auto& c : cases) {
        const ColumnWidths widths = FitColumns(c.unit, c.abbreviation, c.valueHeader, c.available);
        EXPECT_EQ(widths, c.expected) << c.unit << " " << c.abbreviation << " " << c.valueHeader << " " << c.available
                                      << " gave " << widths.unit << " " << widths.abbreviation << " " << widths.value;
    }
}

}  // namespace
}  // namespace quantora
