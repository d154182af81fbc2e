#include "convert/roman_numerals.h"

#include <array>
#include <limits>
#include <utility>

namespace quantora {

namespace {

struct Place {
    std::int64_t unit;
    std::string_view one;
    std::string_view five;
    std::string_view ten;
};

constexpr std::array<Place, 7> kPlaces{{
    {1000000, "M_", "", ""},
    {100000, "C_", "D_", "M_"},
    {10000, "X_", "L_", "C_"},
    {1000, "M", "V_", "X_"},
    {100, "C", "D", "M"},
    {10, "X", "L", "C"},
    {1, "I", "V", "X"},
}};

void AppendDigit(std::string& text, int digit, const Place& place) {
    if (digit == 9) {
        text.append(place.one).append(place.ten);
        return;
    }
    if (digit == 4) {
        text.append(place.one).append(place.five);
        return;
    }
    if (digit >= 5) {
        text.append(place.five);
        digit -= 5;
    }
    for (int i = 0; i < digit; ++i) text.append(place.one);
}

// The symbols in ascending order of value: the seven letters, then the six thousands forms.
constexpr std::string_view kLetters = "IVXLCDM";
constexpr std::string_view kThousandsLetters = "VXLCDM";
constexpr std::array<std::int64_t, 13> kValues{1,    5,     10,    50,     100,    500,    1000,
                                               5000, 10000, 50000, 100000, 500000, 1000000};
constexpr std::size_t kNoSymbol = kValues.size();

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The symbol at text[i] and how many characters it takes. A thousands form is an exact upper-case
// letter followed by "_"; a plain letter may be of either case.
std::pair<std::size_t, std::size_t> SymbolAt(std::string_view text, std::size_t i) {
    if (i + 1 < text.size() && text[i + 1] == '_') {
        const std::size_t thousands = kThousandsLetters.find(text[i]);
        if (thousands != std::string_view::npos) return {kLetters.size() + thousands, 2};
    }
    const std::size_t letter = kLetters.find(Upper(text[i]));
    return {letter == std::string_view::npos ? kNoSymbol : letter, 1};
}

}  // namespace

std::string ToRoman(std::int64_t n) {
    if (n > kLargestRoman || n < 1) return "Error";
    std::string text;
    for (const Place& place : kPlaces) {
        AppendDigit(text, static_cast<int>(n / place.unit % 10), place);
    }
    return text;
}

std::int64_t FromRoman(std::string_view text) {
    if (text.empty()) return -1;
    std::int64_t total = 0;
    std::size_t previous = kNoSymbol;
    for (std::size_t i = 0; i < text.size();) {
        const auto [symbol, length] = SymbolAt(text, i);
        if (symbol == kNoSymbol) return -1;
        const std::int64_t value = kValues[symbol];
        if (total > std::numeric_limits<std::int64_t>::max() - value) return -1;
        total += value;
        // A smaller symbol before a larger one was added but stands for a subtraction.
        if (previous < symbol) total -= 2 * kValues[previous];
        previous = symbol;
        i += length;
    }
    return total;
}

}  // namespace quantora
