#include "main/column_widths.h"

#include <algorithm>

namespace quantora {

ColumnWidths FitColumns(const ColumnNeeds& needs, int available) {
    ColumnWidths widths;
    widths.value = std::max(0, std::min(needs.value, available - needs.unitLeast - needs.abbreviationLeast));
    widths.abbreviation =
        std::max(needs.abbreviationLeast, std::min(needs.abbreviation, available - widths.value - needs.unitLeast));
    widths.unit = std::max(needs.unitLeast, std::min(needs.unit, available - widths.value - widths.abbreviation));
    widths.value += std::max(0, available - widths.value - widths.abbreviation - widths.unit);
    return widths;
}

}  // namespace quantora
