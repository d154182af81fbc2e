#pragma once

#include <string>
#include <string_view>

#include "app/profile_store.h"

namespace quantora {

// The number-display options, as the conversion applies them. What a missing entry gives comes
// from the settings table, through ReadFormatSettings or DefaultFormatSettings.
struct FormatSettings {
    double min = 0.0;  // below: the small symbol
    double max = 0.0;  // above: the big symbol
    std::string smallSymbol{};
    std::string bigSymbol{};
    int decimals = 0;       // decimal places of both notations
    double expMin = 0.0;    // at or below (in magnitude): scientific notation
    double expMax = 0.0;    // at or above (in magnitude): scientific notation
    bool grouping = false;  // locale digit grouping
};

// The most decimal places a stored "Decimal" may ask for; a double has no more meaningful digits
// and the printed text stays short.
inline constexpr int kMaxDecimals = 30;

// Reads the eight options afresh from section "Settings", each with its default when missing.
FormatSettings ReadFormatSettings(const ProfileStore& store);
// The options of an empty profile.
FormatSettings DefaultFormatSettings();

// The stored "Decimal" text is only ever used as a count: a whole number written in digits alone,
// a larger one than kMaxDecimals giving kMaxDecimals. Anything else (a sign, blanks, a fraction,
// "6f%s") gives the default count.
int SanitiseDecimals(std::string_view text);

}  // namespace quantora
