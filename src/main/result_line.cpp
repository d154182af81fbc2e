#include "main/result_line.h"

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
    const UnitRowTexts& source = RowOrEmpty(rows, sourceRow);
    const UnitRowTexts& destination = RowOrEmpty(rows, destinationRow);
    if (IsExpressionCategory(categoryId)) return ExpressionResultLine(rows, source, destination);
    return {source.value, source.name + " = ", destination.value, destination.name};
}

}  // namespace quantora
