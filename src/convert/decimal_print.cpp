#include "convert/decimal_print.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace quantora {

namespace {

// A finite value as significant digits d0 d1 d2 ... meaning d0.d1d2... x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

std::string NonFinite(double r) {
    if (std::isnan(r)) return "nan";
    return r < 0 ? "-inf" : "inf";
}

Decimal Shortest(double r) {
    std::array<char, 32> buffer;
    const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), r, std::chars_format::scientific);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(printed.ptr - buffer.data()));
    Decimal decimal;
    std::size_t i = 0;
    if (text[i] == '-') {
        decimal.negative = true;
        ++i;
    }
    for (; text[i] != 'e'; ++i) {
        if (text[i] != '.') decimal.digits += text[i];
    }
    std::from_chars(text.data() + i + 1 + (text[i + 1] == '+'), text.data() + text.size(), decimal.exponent);
    return decimal;
}

// Keeps `count` significant digits, rounding half up; a carry out of the first digit raises the
// exponent. A count of 0 keeps one digit when rounding reaches it ("9" kept to none is "1" one
// place up) and none otherwise.
void RoundTo(Decimal& decimal, int count) {
    if (count < 0) {
        decimal.digits.clear();
        return;
    }
    const auto keep = static_cast<std::size_t>(count);
    if (decimal.digits.size() <= keep) return;
    const bool up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (!up) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (decimal.digits[i] != '9') {
            ++decimal.digits[i];
            return;
        }
        decimal.digits[i] = '0';
    }
    decimal.digits.insert(0, 1, '1');
    decimal.digits.resize(keep == 0 ? 1 : keep);
    ++decimal.exponent;
}

// The digit of the 10^power place.
char DigitAt(const Decimal& decimal, int power) {
    const int index = decimal.exponent - power;
    if (index < 0 || index >= static_cast<int>(decimal.digits.size())) return '0';
    return decimal.digits[static_cast<std::size_t>(index)];
}

}  // namespace

std::string PrintFixed(double r, int decimals) {
    if (!std::isfinite(r)) return NonFinite(r);
    Decimal decimal = Shortest(r);
    RoundTo(decimal, decimal.exponent + 1 + decimals);
    std::string text = decimal.negative ? "-" : "";
    for (int power = std::max(decimal.exponent, 0); power >= 0; --power) text += DigitAt(decimal, power);
    if (decimals > 0) text += '.';
    for (int power = -1; power >= -decimals; --power) text += DigitAt(decimal, power);
    // A value that rounds to zero is zero: "-0.000000" would claim a sign the digits do not carry.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

std::string PrintScientific(double r, int decimals) {
    if (!std::isfinite(r)) return NonFinite(r);
    Decimal decimal = Shortest(r);
    RoundTo(decimal, decimals + 1);
    decimal.digits.resize(static_cast<std::size_t>(decimals) + 1, '0');
    std::string text = decimal.negative ? "-" : "";
    text += decimal.digits[0];
    if (decimals > 0) text.append(".").append(decimal.digits, 1);
    const std::string exponent = std::to_string(std::abs(decimal.exponent));
    text += decimal.exponent < 0 ? "e-" : "e+";
    if (exponent.size() < 3) text.append(3 - exponent.size(), '0');
    return text + exponent;
}

}  // namespace quantora
