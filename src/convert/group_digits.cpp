#include "convert/group_digits.h"

#include <optional>

namespace quantora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct PlainNumber {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

std::optional<PlainNumber> ParsePlain(std::string_view text) {
    PlainNumber number;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        number.negative = true;
        ++i;
    }
    const std::size_t integerStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == integerStart) return std::nullopt;
    number.integer = text.substr(integerStart, i - integerStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        number.fraction = text.substr(fractionStart, i - fractionStart);
    }
    if (i != text.size()) return std::nullopt;
    return number;
}

// Adds one unit in the last place of integer and fraction digits taken together.
void RoundUp(PlainNumber& number) {
    for (std::size_t i = number.fraction.size(); i-- > 0;) {
        if (number.fraction[i] != '9') {
            ++number.fraction[i];
            return;
        }
        number.fraction[i] = '0';
    }
    for (std::size_t i = number.integer.size(); i-- > 0;) {
        if (number.integer[i] != '9') {
            ++number.integer[i];
            return;
        }
        number.integer[i] = '0';
    }
    number.integer.insert(0, 1, '1');
}

void SetFractionDigits(PlainNumber& number, std::size_t digits) {
    if (number.fraction.size() > digits) {
        const bool up = number.fraction[digits] >= '5';
        number.fraction.resize(digits);
        if (up) RoundUp(number);
    }
    number.fraction.append(digits - number.fraction.size(), '0');
}

std::string GroupedInteger(std::string_view digits, const NumberLocale& locale) {
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string_view::npos ? std::string_view("0") : digits.substr(first);
    if (digits == "0" && !locale.leadingZero) return {};
    if (locale.groupingSize <= 0) return std::string(digits);
    const auto size = static_cast<std::size_t>(locale.groupingSize);
    std::string result;
    std::size_t head = digits.size() % size;
    if (head == 0) head = size;
    result.append(digits.substr(0, head));
    for (std::size_t i = head; i < digits.size(); i += size) {
        result += locale.thousandsSeparator;
        result.append(digits.substr(i, size));
    }
    return result;
}

std::string Signed(const std::string& text, NegativePattern pattern) {
    switch (pattern) {
        case NegativePattern::kParentheses: return "(" + text + ")";
        case NegativePattern::kLeadingMinus: return "-" + text;
        case NegativePattern::kLeadingMinusSpace: return "- " + text;
        case NegativePattern::kTrailingMinus: return text + "-";
        case NegativePattern::kTrailingMinusSpace: return text + " -";
    }
    return "-" + text;
}

std::size_t FractionDigitsOf(std::string_view mantissa, int fractionDigits, const NumberLocale& locale) {
    if (fractionDigits >= 0) return static_cast<std::size_t>(fractionDigits);
    if (fractionDigits != kFractionDigitsOfText || locale.decimalSeparator.empty()) return 0;
    const std::size_t separator = mantissa.find(locale.decimalSeparator);
    if (separator == std::string_view::npos) return 0;
    return mantissa.size() - separator - locale.decimalSeparator.size();
}

}  // namespace

std::string GroupDigits(std::string_view text, int fractionDigits, const NumberLocale& locale) {
    if (text.empty()) return {};
    const std::size_t e = text.find('e');
    const std::size_t split = e != std::string_view::npos && e > 0 ? e : text.size();
    const std::string_view mantissa = text.substr(0, split);
    const std::string_view exponent = text.substr(split);
    auto number = ParsePlain(mantissa);
    if (!number) return std::string(text);
    const std::size_t digits = FractionDigitsOf(mantissa, fractionDigits, locale);
    SetFractionDigits(*number, digits);
    std::string result = GroupedInteger(number->integer, locale);
    if (digits > 0) result += locale.decimalSeparator + number->fraction;
    if (number->negative) result = Signed(result, locale.negativePattern);
    return result.append(exponent);
}

}  // namespace quantora
