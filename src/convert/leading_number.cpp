#include "convert/leading_number.h"

#include <charconv>
#include <limits>

namespace quantora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// from_chars leaves the value alone when it is out of range; strtod would give an infinity or
// zero, which is what a typed 1e999 must mean. The decimal order of the first significant digit
// tells the two apart.
double OutOfRange(std::string_view mantissa, long long exponent, bool negative) {
    long long order = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (!seenSignificant && c == '0') {
            if (seenPoint) --order;
        } else if (!seenSignificant) {
            seenSignificant = true;
            if (seenPoint) --order;
        } else if (!seenPoint) {
            ++order;
        }
    }
    const double magnitude = order + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

long long SaturatedExponent(std::string_view digits, bool negative) {
    long long value = 0;
    for (char c : digits) value = value < 100000 ? value * 10 + (c - '0') : value;
    return negative ? -value : value;
}

}  // namespace

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

LeadingNumber ReadLeadingNumber(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t mantissaStart = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const std::size_t integerEnd = SkipDigits(text, mantissaStart);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
    const std::size_t digitCount = end - mantissaStart - (end > integerEnd ? 1 : 0);
    if (digitCount == 0) return {};
    const std::size_t mantissaEnd = end;
    long long exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        const bool negativeExponent = e < text.size() && text[e] == '-';
        if (e < text.size() && (text[e] == '-' || text[e] == '+')) ++e;
        const std::size_t exponentEnd = SkipDigits(text, e);
        if (exponentEnd > e) {
            exponent = SaturatedExponent(text.substr(e, exponentEnd - e), negativeExponent);
            end = exponentEnd;
        }
    }
    // from_chars takes no leading "+", so the number is read from its first digit or point.
    double value = 0.0;
    const auto parsed =
        std::from_chars(text.data() + mantissaStart, text.data() + end, value, std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range) {
        value = OutOfRange(text.substr(mantissaStart, mantissaEnd - mantissaStart), exponent, false);
    }
    return {negative ? -value : value, end};
}

double LeadingDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    return ReadLeadingNumber(text.substr(i)).value;
}

}  // namespace quantora
