#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace quantora {

// Where a command line's units sit in the catalogue: a category line and rows of its unit table.
struct UnitChoice {
    std::size_t categoryLine = 0;
    std::size_t sourceRow = 0;
    std::optional<std::size_t> destinationRow;
};

// A choice, or why none could be made: the error names the text and lists the candidates.
struct UnitLookup {
    std::optional<UnitChoice> choice;
    std::string error;
};

// The category line whose name is `name` (Windows-1252; letter case counts only between names
// that differ in nothing else), or an error listing the categories whose name contains it.
struct CategoryLookup {
    std::optional<std::size_t> line;
    std::string error;
};
CategoryLookup FindCategory(const Catalogue& catalogue, std::string_view name);

// Finds `from` (and `to`, when given) by unit name or abbreviation, in the one category that holds
// them both; `category` narrows the search to that category line. Within a category a text
// matching a unit exactly wins over matches that differ in letter case. All texts are
// Windows-1252; error texts are too.
UnitLookup FindUnits(const Catalogue& catalogue, std::optional<std::size_t> category, std::string_view from,
                     std::optional<std::string_view> to);

}  // namespace quantora
