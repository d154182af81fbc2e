#include "main/column_widths.h"

#include <algorithm>

namespace quantora {

ColumnWidths FitColumns(int unitNeed, int abbreviationNeed, int valueNeed, int available) {
    const int names = unitNeed + abbreviationNeed;
    if (names + valueNeed <= available || names <= 0) {
        return {unitNeed, abbreviationNeed, std::max(valueNeed, available - names)};
    }
    const int room = std::max(0, available - valueNeed);
    const int unit = static_cast<int>(static_cast<long long>(unitNeed) * room / names);
    return {unit, room - unit, valueNeed};
}

}  // namespace quantora
