#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/number_locale.h"

namespace quantora {

// The rows of the number-systems category, in the alphabetical order of their unit names.
namespace number_system_row {
inline constexpr std::size_t kBinary = 0;
inline constexpr std::size_t kDecimal = 1;
inline constexpr std::size_t kHexadecimal = 2;
inline constexpr std::size_t kOctal = 3;
inline constexpr std::size_t kRoman = 4;
}  // namespace number_system_row
inline constexpr std::size_t kNumberSystemRowCount = 5;

// A typed whole number: its value (1 to the largest signed 64-bit integer) or, when it cannot be
// read, an error text ("Letter Found", "Out of Range", ...) and the value 0.
struct WholeNumber {
    std::int64_t value = 0;
    std::string error;
};

// Reads the typed text in the form of the given row. Binary and octal accept their digits only;
// decimal drops every "," and cuts at the first "."; hexadecimal drops every ",", cuts at the first
// "." and stops silently at the first character that is no hexadecimal digit (either case).
WholeNumber ReadWholeNumber(std::string_view typed, std::size_t row);

using NumberSystemTexts = std::array<std::string, kNumberSystemRowCount>;

// The five rows for a value: base 2, base 10 (grouped by the locale when `grouping`), base 16 in
// upper case, base 8, Roman ("Error" in that row alone above 3999999).
NumberSystemTexts WriteNumberSystems(std::int64_t value, bool grouping, const NumberLocale& locale);

// A whole run of the category: every row "Error" when the typed text cannot be read.
NumberSystemTexts ConvertNumberSystems(std::string_view typed, std::size_t sourceRow, bool grouping,
                                       const NumberLocale& locale);

}  // namespace quantora
