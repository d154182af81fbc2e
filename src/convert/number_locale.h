#pragma once

#include <string>

namespace quantora {

// Where the minus sign of a negative number goes, in the order of the platform's negative-number
// patterns: "(1.1)", "-1.1", "- 1.1", "1.1-", "1.1 -".
enum class NegativePattern { kParentheses, kLeadingMinus, kLeadingMinusSpace, kTrailingMinus, kTrailingMinusSpace };

// The user's way of writing numbers. Separators are UTF-8 texts, as the locale gives them (a
// thousands separator may be a non-breaking space or empty). A grouping size of 0 means no grouping.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    int groupingSize = 3;
    bool leadingZero = true;
    NegativePattern negativePattern = NegativePattern::kLeadingMinus;
};

}  // namespace quantora
