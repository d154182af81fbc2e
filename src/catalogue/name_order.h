#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <ranges>
#include <string_view>

namespace quantora {

// The order of the category and unit lists: alphabetical without regard to letter case, accented
// Windows-1252 letters sorting with their base letter (Ångström beside Angstrom, not after Z).
// Returns <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);

// Windows-1252 lower case: ASCII, the accented capitals 0xC0-0xDE (not the multiplication sign),
// and the pairs S/Z with caron, OE and Y with diaeresis.
unsigned char CaseFold(unsigned char byte);

// Where `name` goes in a table kept in the order of its sorted list: after every entry whose name
// sorts before or equal to it, so entries with equal names keep the order they were added in. The
// catalogue and the editors place every record they add by this rule. `nameOf` gives an entry's name.
template <std::ranges::random_access_range Table, typename NameOf = std::identity>
std::size_t SortedInsertPosition(const Table& sorted, std::string_view name, NameOf nameOf = {}) {
    const auto at = std::ranges::upper_bound(
        sorted, name, [](std::string_view a, std::string_view b) { return CompareNames(a, b) < 0; }, nameOf);
    return static_cast<std::size_t>(std::ranges::distance(std::ranges::begin(sorted), at));
}

// The same for a table of records, by their name field.
template <std::ranges::random_access_range Table>
std::size_t SortedRecordPosition(const Table& sorted, std::string_view name) {
    return SortedInsertPosition(sorted, name, [](const auto& record) { return record.name.Text(); });
}

}  // namespace quantora
