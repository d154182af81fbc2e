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

// The result line for the rows of a category; a destination that is not selected reads as empty
// texts, and without a source row the whole line is empty.
ResultLine BuildResultLine(std::int32_t categoryId, std::span<const UnitRowTexts> rows,
                           std::optional<std::size_t> sourceRow, std::optional<std::size_t> destinationRow);

// Widths of the four labels of the result line, left to right, in pixels.
struct ResultLineWidths {
    int sourceValue = 0;
    int sourceUnit = 0;
    int destinationValue = 0;
    int destinationUnit = 0;

    bool operator==(const ResultLineWidths&) const = default;
};

// The widths the four labels get. While every text fits its box of the layout, the boxes stay. Else
// the labels share `room` (the line's width less the gaps between them): the values first, as they
// are the result, the unit names the rest, in proportion to their texts and never below
// `unitMinimum` (room for the " = " and a shortened name) while the room allows it.
ResultLineWidths FitResultLine(const ResultLineWidths& needs, const ResultLineWidths& boxes, int room, int unitMinimum);

}  // namespace quantora
