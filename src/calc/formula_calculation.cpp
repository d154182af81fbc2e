#include "calc/formula_calculation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "convert/decimal_print.h"
#include "convert/leading_number.h"

namespace quantora {

namespace {

constexpr std::string_view kPositionWords = "Error found on position";

// False, leaving `text` as it was, when the result would pass kMaxSubstitutedLength.
bool ReplaceAll(std::string& text, char letter, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == letter) {
            out.append(replacement);
        } else {
            out.push_back(c);
        }
        if (out.size() > kMaxSubstitutedLength) return false;
    }
    text = std::move(out);
    return true;
}

void EraseAll(std::string& text, std::string_view part) {
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
}

char Lower(char capital) { return static_cast<char>(capital - 'A' + 'a'); }

}  // namespace

std::optional<std::string> SubstituteVariables(std::string formula, const FormulaInputs& inputs) {
    for (std::size_t i = 0; i < inputs.variables.size(); ++i) {
        const char capital = FormulaRecord::kVariableNames[i];
        if (!ReplaceAll(formula, capital, inputs.variables[i]) ||
            !ReplaceAll(formula, Lower(capital), inputs.variables[i])) {
            return std::nullopt;
        }
    }
    return formula;
}

std::string TooLongText() {
    return "Formula longer than " + std::to_string(kMaxSubstitutedLength) + " characters with its variables put in";
}

int ErrorPosition(std::string_view error) {
    std::string text(error);
    EraseAll(text, kPositionWords);
    EraseAll(text, "!");
    const double number = std::trunc(LeadingDecimal(text));
    // Not-a-number and places before the start all mark the start.
    if (!(number > 0)) return 0;
    return number >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(number);
}

FieldEdit MarkErrorPosition(const std::string& formula, int position) {
    // Preprocessing can make the evaluator's text longer than the field's, so the place may lie past the end.
    const auto index = static_cast<std::size_t>(
        std::clamp<long long>(static_cast<long long>(position) - 1, 0, static_cast<long long>(formula.size())));
    FieldEdit marked{formula, index, index};
    marked.text.insert(index, 1, ' ');
    if (position > 0) marked.end = index + 1;
    return marked;
}

CalculationOutcome CalculateFormula(FormulaParser& parser, const FormulaInputs& inputs, int angleUnit) {
    const std::optional<std::string> substituted = SubstituteVariables(inputs.formula, inputs);
    if (!substituted) return {true, TooLongText(), 0, {inputs.formula, 0, 0}};
    const std::string& formula = *substituted;
    std::string error;
    const double value = parser.Evaluate(formula, LeadingDecimal(inputs.x), error, std::max(angleUnit, 1));
    if (error.empty()) return {false, PrintFixed(value, kFormulaResultDecimals), 0, {}};
    const int position = ErrorPosition(error);
    return {true, std::string(kCalculationErrorText), position, MarkErrorPosition(formula, position)};
}

}  // namespace quantora
