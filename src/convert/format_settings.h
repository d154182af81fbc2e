#pragma once

#include <string>
#include <string_view>

#include "app/profile_store.h"

namespace quantora {

// The number-display options, as the conversion applies them.
struct FormatSettings {
    double min = 1e-9;        // below: the small symbol
    double max = 1e12;        // above: the big symbol
    std::string smallSymbol = "<<";
    std::string bigSymbol = ">>";
    int decimals = 6;         // decimal places of both notations
    double expMin = 1e-6;     // at or below (in magnitude): scientific notation
    double expMax = 1e9;      // at or above (in magnitude): scientific notation
    bool grouping = true;     // locale digit grouping
};

// The most decimal places a stored "Decimal" may ask for; a double has no more meaningful digits
// and the printed text stays short.
inline constexpr int kMaxDecimals = 30;
inline constexpr int kDefaultDecimals = 6;

// Reads the eight options afresh from section "Settings", each with its default when missing.
FormatSettings ReadFormatSettings(const ProfileStore& store);

// The stored "Decimal" text is only ever used as a count: a whole number from 0 to kMaxDecimals,
// written in digits alone. Anything else (a sign, blanks, a fraction, "6f%s") gives the default.
int SanitiseDecimals(std::string_view text);

}  // namespace quantora
