#pragma once

namespace quantora {

struct ColumnWidths {
    int unit = 0;
    int abbreviation = 0;
    int value = 0;
    bool operator==(const ColumnWidths&) const = default;
};

// "Unit" and "Abbr." fit their texts and "Value" takes the rest of the list's width, never less than
// its own header: a value too long for that room is cut short in its cell, with the whole text in
// its tip, so the names beside it always read whole.
ColumnWidths FitColumns(int unitNeed, int abbreviationNeed, int valueHeaderNeed, int available);

}  // namespace quantora
