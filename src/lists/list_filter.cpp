#include "lists/list_filter.h"

#include "catalogue/name_order.h"

namespace quantora {

std::string LowerCp1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(CaseFold(static_cast<unsigned char>(c)));
    return lower;
}

bool MatchesListFilter(std::string_view name, std::string_view filter) {
    const std::string matchText = LowerCp1252(name) + ">";
    return matchText.find(LowerCp1252(filter)) != std::string::npos;
}

ListMatcher::ListMatcher(const std::vector<std::string>& names) {
    matchTexts_.reserve(names.size());
    for (const std::string& name : names) matchTexts_.push_back(LowerCp1252(name) + ">");
}

std::vector<std::size_t> ListMatcher::Rows(std::string_view filter) const {
    const std::string needle = LowerCp1252(filter);
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < matchTexts_.size(); ++i) {
        if (matchTexts_[i].find(needle) != std::string::npos) rows.push_back(i);
    }
    return rows;
}

}  // namespace quantora
