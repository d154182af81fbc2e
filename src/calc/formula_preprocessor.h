#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// Normalises a typed formula into the text the evaluator scans: blanks dropped, "," read as the
// decimal point, brackets and braces read as parentheses, the redundant factors and parentheses
// that generated unit formulas carry removed, enclosing and doubled parentheses reduced, leading
// "+" and "|" removed. Every step is linear in the length of the formula, and the buffers are kept
// between calls so a typical formula costs no allocation.
class FormulaPreprocessor {
public:
    // The returned text stays valid until the next call.
    std::string_view Run(std::string_view formula);

    // Gives back the memory a very long formula left behind.
    void ReleaseLargeBuffers();

private:
    void ReplaceFragments(std::string_view formula);
    void RemoveEnclosingParentheses();
    void DropLeadingPlusAndTrim();
    void ReduceDoubledParenthesesAndBars();
    void MatchParentheses();

    std::string text_;
    std::string replaced_;
    // For each "(" the index of its ")", or kUnmatched; other positions are unused.
    std::vector<std::size_t> match_;
    std::vector<std::size_t> open_;
};

}  // namespace quantora
