#pragma once

namespace quantora {

struct ColumnWidths {
    int unit = 0;
    int abbreviation = 0;
    int value = 0;
    bool operator==(const ColumnWidths&) const = default;
};

// "Unit" and "Abbr." fit their texts and "Value" takes the rest of the list's width. When long
// names would leave "Value" narrower than its own texts, the two name columns give up width in
// proportion, so the values, which the list is for, always show whole.
ColumnWidths FitColumns(int unitNeed, int abbreviationNeed, int valueNeed, int available);

}  // namespace quantora
