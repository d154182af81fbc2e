#include "main/result_line.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "catalogue/records.h"

namespace quantora {

namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

const UnitRowTexts& RowOrEmpty(std::span<const UnitRowTexts> rows, std::optional<std::size_t> row) {
    static const UnitRowTexts kEmpty;
    return row && *row < rows.size() ? rows[*row] : kEmpty;
}

// In the expression categories every unit is a function of the unit whose abbreviation is "x";
// its value is the argument the other abbreviations are read with.
std::string ArgumentValue(std::span<const UnitRowTexts> rows) {
    for (const auto& row : rows) {
        if (row.abbreviation == "x") return row.value;
    }
    return {};
}

ResultLine ExpressionResultLine(std::span<const UnitRowTexts> rows, const UnitRowTexts& source,
                                const UnitRowTexts& destination) {
    // A destination that is the argument itself reads better as the source's function.
    const UnitRowTexts& shown = destination.name == "x" ? source : destination;
    return {SubstituteArgument(shown.abbreviation, ArgumentValue(rows)), std::string(1, '='), shown.value, {}};
}

}  // namespace

std::string SubstituteArgument(std::string_view abbreviation, std::string_view argument) {
    std::string text = ReplaceAll(std::string(abbreviation), "exp", "ppp");
    text = ReplaceAll(std::move(text), "x", argument);
    return ReplaceAll(std::move(text), "ppp", "exp");
}

ResultLine BuildResultLine(std::int32_t categoryId, std::span<const UnitRowTexts> rows,
                           std::optional<std::size_t> sourceRow, std::optional<std::size_t> destinationRow) {
    // Without a source there is nothing to read as "a = b"; a lone "=" would look like a result.
    if (!sourceRow || *sourceRow >= rows.size()) return {};
    const UnitRowTexts& source = RowOrEmpty(rows, sourceRow);
    const UnitRowTexts& destination = RowOrEmpty(rows, destinationRow);
    if (IsExpressionCategory(categoryId)) return ExpressionResultLine(rows, source, destination);
    return {source.value, source.name + " = ", destination.value, destination.name};
}

namespace {

bool FitsBoxes(const ResultLineWidths& needs, const ResultLineWidths& boxes) {
    return needs.sourceValue <= boxes.sourceValue && needs.sourceUnit <= boxes.sourceUnit &&
           needs.destinationValue <= boxes.destinationValue && needs.destinationUnit <= boxes.destinationUnit;
}

// Splits `room` between two needs in their proportion, each getting at least `least` when both can.
std::pair<int, int> Share(int first, int second, int room, int least) {
    const int total = first + second;
    if (total <= room) return {first, room - first};
    if (room < 2 * least) return {room / 2, room - room / 2};
    const int part = static_cast<int>(static_cast<long long>(first) * room / std::max(total, 1));
    const int kept = std::clamp(part, least, room - least);
    return {kept, room - kept};
}

}  // namespace

ResultLineWidths FitResultLine(const ResultLineWidths& needs, const ResultLineWidths& boxes, int room,
                               int unitMinimum) {
    if (FitsBoxes(needs, boxes)) return boxes;
    room = std::max(room, 0);
    ResultLineWidths widths;
    const int valueRoom = std::max(0, room - 2 * unitMinimum);
    const int values = needs.sourceValue + needs.destinationValue;
    if (values <= valueRoom) {
        widths.sourceValue = needs.sourceValue;
        widths.destinationValue = needs.destinationValue;
    } else {
        std::tie(widths.sourceValue, widths.destinationValue) =
            Share(needs.sourceValue, needs.destinationValue, valueRoom, 0);
    }
    const int unitRoom = room - widths.sourceValue - widths.destinationValue;
    std::tie(widths.sourceUnit, widths.destinationUnit) =
        Share(needs.sourceUnit, needs.destinationUnit, unitRoom, unitMinimum);
    return widths;
}

}  // namespace quantora
