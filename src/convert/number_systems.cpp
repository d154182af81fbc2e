#include "convert/number_systems.h"

#include <limits>
#include <optional>
#include <vector>

#include "convert/group_digits.h"
#include "convert/roman_numerals.h"

namespace quantora {

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
constexpr std::string_view kLetterFound = "Letter Found";
constexpr std::string_view kOutOfRange = "Out of Range";

// Value of a digit character in bases up to 16; none for anything else.
std::optional<int> DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

// Sums digit x base^k from the last digit (k = 0) towards the first, refusing any term that would
// carry the sum past the largest signed 64-bit integer. A zero digit adds nothing however large its
// place, so leading zeros never overflow.
WholeNumber Positional(const std::vector<int>& digits, int base) {
    std::int64_t sum = 0;
    std::int64_t power = 1;
    bool powerTooLarge = false;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != 0) {
            if (powerTooLarge || power > (kLargest - sum) / *it) return {0, std::string(kOutOfRange)};
            sum += *it * power;
        }
        if (powerTooLarge) continue;
        if (power > kLargest / base) {
            powerTooLarge = true;
        } else {
            power *= base;
        }
    }
    if (sum <= 0) return {0, "Not Positive"};
    return {sum, {}};
}

// Every character must be a digit of the base.
WholeNumber Strict(std::string_view text, int base) {
    std::vector<int> digits;
    digits.reserve(text.size());
    for (char c : text) {
        const auto digit = DigitValue(c);
        if (!digit || *digit >= base) return {0, std::string(kLetterFound)};
        digits.push_back(*digit);
    }
    return Positional(digits, base);
}

// Drops every "," and cuts the text at the first ".".
std::string WholePart(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c == '.') break;
        if (c != ',') result += c;
    }
    return result;
}

WholeNumber Hexadecimal(std::string_view text) {
    std::vector<int> digits;
    for (char c : WholePart(text)) {
        const auto digit = DigitValue(c);
        if (!digit) break;
        digits.push_back(*digit);
    }
    return Positional(digits, 16);
}

WholeNumber Roman(std::string_view text) {
    const std::int64_t value = FromRoman(text);
    if (value < 0) return {0, "Not a Roman Numeral"};
    return {value, {}};
}

std::string InBase(std::int64_t value, int base) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[static_cast<std::size_t>(value % base)]);
        value /= base;
    } while (value > 0);
    return text;
}

}  // namespace

WholeNumber ReadWholeNumber(std::string_view typed, std::size_t row) {
    switch (row) {
        case number_system_row::kBinary: return Strict(typed, 2);
        case number_system_row::kDecimal: return Strict(WholePart(typed), 10);
        case number_system_row::kHexadecimal: return Hexadecimal(typed);
        case number_system_row::kOctal: return Strict(typed, 8);
        case number_system_row::kRoman: return Roman(typed);
        default: return {0, "No Such Row"};
    }
}

NumberSystemTexts WriteNumberSystems(std::int64_t value, bool grouping, const NumberLocale& locale) {
    std::string decimal = InBase(value, 10);
    if (grouping) decimal = GroupDigits(decimal, 0, locale);
    return {InBase(value, 2), std::move(decimal), InBase(value, 16), InBase(value, 8), ToRoman(value)};
}

NumberSystemTexts ConvertNumberSystems(std::string_view typed, std::size_t sourceRow, bool grouping,
                                       const NumberLocale& locale) {
    const WholeNumber number = ReadWholeNumber(typed, sourceRow);
    if (!number.error.empty()) return {"Error", "Error", "Error", "Error", "Error"};
    return WriteNumberSystems(number.value, grouping, locale);
}

}  // namespace quantora
