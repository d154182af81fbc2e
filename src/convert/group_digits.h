#pragma once

#include <string>
#include <string_view>

#include "convert/number_locale.h"

namespace quantora {

// Passed as the fraction digits: keep as many as the text has after the locale's decimal separator.
inline constexpr int kFractionDigitsOfText = -1;

// The locale form of a number text with `fractionDigits` places: locale separators, grouping,
// leading zero and negative pattern, the fraction rounded half up or padded with zeros. An
// exponent part ("e" at a position after the first) is split off and appended unchanged. A
// mantissa that is not a plain number (optional "-", digits, optional "." and digits) -- a
// symbol, "Error", an infinity -- is returned as it was.
std::string GroupDigits(std::string_view text, int fractionDigits, const NumberLocale& locale);

}  // namespace quantora
