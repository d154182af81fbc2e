#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// Windows-1252 lower case: ASCII and the accented capitals of the code page.
std::string LowerCp1252(std::string_view text);

// The lists' filter rule: the lower-cased filter occurs in the lower-cased name followed by ">",
// so a filter ending in ">" matches only names that end with the text before it. Only names are
// searched, never symbols or values.
bool MatchesListFilter(std::string_view name, std::string_view filter);

// The filter rule over a fixed list of names, with each name's match text made once, so that a
// keystroke in a window's filter only searches.
class ListMatcher {
public:
    ListMatcher() = default;
    explicit ListMatcher(const std::vector<std::string>& names);

    // Indices of the names that match, in list order.
    std::vector<std::size_t> Rows(std::string_view filter) const;

private:
    std::vector<std::string> matchTexts_;
};

// Table indices of the records whose names match, in table order.
template <typename Record>
std::vector<std::size_t> FilterRows(const std::vector<Record>& table, std::string_view filter) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (MatchesListFilter(table[i].name.Text(), filter)) rows.push_back(i);
    }
    return rows;
}

}  // namespace quantora
