#include "main/column_widths.h"

#include <algorithm>

namespace quantora {

ColumnWidths FitColumns(int unitNeed, int abbreviationNeed, int valueHeaderNeed, int available) {
    return {unitNeed, abbreviationNeed, std::max(valueHeaderNeed, available - unitNeed - abbreviationNeed)};
}

}  // namespace quantora
