#pragma once

namespace quantora {

struct ColumnWidths {
    int unit = 0;
    int abbreviation = 0;
    int value = 0;
    bool operator==(const ColumnWidths&) const = default;
};

// What each column of a unit list asks for: the width of its widest text, and for the two name
// columns the least they keep (their header) when the list is too narrow for every text.
struct ColumnNeeds {
    int unit = 0;
    int abbreviation = 0;
    int value = 0;
    int unitLeast = 0;
    int abbreviationLeast = 0;
};

// The value is what the user came to read, so "Value" is served first, then "Abbr.", and "Unit"
// gives way first; a name cut short shows whole in its tip. Room beyond every need goes to "Value".
ColumnWidths FitColumns(const ColumnNeeds& needs, int available);

}  // namespace quantora
