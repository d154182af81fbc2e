#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quantora {

// The largest number a Roman numeral is written for (M_ stands for a million).
inline constexpr std::int64_t kLargestRoman = 3999999;

// The Roman numeral of n, with a trailing "_" multiplying a letter by 1000 (4000 is MV_);
// "Error" above kLargestRoman and below 1 (there is no numeral for zero or negatives).
std::string ToRoman(std::int64_t n);

// The value of a Roman numeral, letters in either case, thousands as upper-case "V_" to "M_".
// Non-canonical forms are accepted (IIII is 4, IC is 99). -1 for an empty text, a character that
// is no Roman symbol (the letters A, B, E, F, G, H included), or a total past the 64-bit range.
std::int64_t FromRoman(std::string_view text);

}  // namespace quantora
