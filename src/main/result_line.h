#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quantora {

// What one row of the unit lists shows, as UTF-8 texts.
struct UnitRowTexts {
    std::string name;
    std::string abbreviation;
    std::string value;
};

// The four labels under the source list, left to right: 1105, 1103, 1106, 1104.
struct ResultLine {
    std::string sourceValue;
    std::string sourceUnit;
    std::string destinationValue;
    std::string destinationUnit;

    bool operator==(const ResultLine&) const = default;
};

// Replaces every "x" of an abbreviation by the argument, leaving the "x" of "exp" alone.
std::string SubstituteArgument(std::string_view abbreviation, std::string_view argument);

// The result line for the rows of a category; a row that is not selected reads as empty texts.
ResultLine BuildResultLine(std::int32_t categoryId, std::span<const UnitRowTexts> rows,
                           std::optional<std::size_t> sourceRow, std::optional<std::size_t> destinationRow);

}  // namespace quantora
