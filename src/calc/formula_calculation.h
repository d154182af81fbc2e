#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/formula_editing.h"
#include "calc/formula_parser.h"
#include "calc/formula_record.h"

namespace quantora {

// The texts a calculation reads, as Windows-1252 bytes: x, the formula and the variables F, J, K,
// M, U, V and Z.
struct FormulaInputs {
    std::string x;
    std::string formula;
    std::array<std::string, FormulaRecord::kVariableNames.size()> variables;
};

// A result prints with six decimals, as "%f" prints it.
inline constexpr int kFormulaResultDecimals = 6;

inline constexpr std::string_view kCalculationErrorText = "Error caculation at cursor position";

// Far above any formula a person writes. Each variable may hold the next ones many times over, so
// without a bound a formula file of a few kilobytes grows past any memory.
inline constexpr std::size_t kMaxSubstitutedLength = 65536;

// Each variable replaces its capital and then its small letter, F first and Z last, as plain text:
// no parentheses are added, and a text put in is itself open to the replacements that follow.
// Nothing when the text would grow past kMaxSubstitutedLength.
std::optional<std::string> SubstituteVariables(std::string formula, const FormulaInputs& inputs);

// The calculation's fault when the substituted formula would be too long.
std::string TooLongText();

// The place the evaluator's fault text names; 0 when it names none.
int ErrorPosition(std::string_view error);

// The formula with a blank put before the reported place, the blank selected (nothing for 0).
FieldEdit MarkErrorPosition(const std::string& formula, int position);

struct CalculationOutcome {
    bool failed = false;
    std::string result;  // "%f" of the value, kCalculationErrorText or TooLongText()
    int errorPosition = 0;
    FieldEdit marked;  // when failed: what the formula field shows
};

// What Calculate shows: x is the number its text starts with, never a formula; angle units below 1
// read as degrees.
CalculationOutcome CalculateFormula(FormulaParser& parser, const FormulaInputs& inputs, int angleUnit);

}  // namespace quantora
