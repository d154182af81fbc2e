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

}  // namespace quantora
