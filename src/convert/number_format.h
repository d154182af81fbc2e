#pragma once

#include <string>
#include <string_view>

#include "convert/format_settings.h"
#include "convert/number_locale.h"

namespace quantora {

// Which display rule a conversion method uses.
enum class FormatVariant {
    // Standard rule of the general method: an evaluation error replaces the number, then digits
    // are grouped, then the symbols replace whatever text there is.
    kGeneral,
    // Standard rule of the temperature and currency methods: symbols first, then grouping.
    kSymbolsFirst,
    // Reciprocal-pair method: always fixed notation; the symbols test the number as printed.
    kFixedOnly,
};

// The display text of a converted value. `errorText` counts for kGeneral only. In every variant the
// symbols stand for magnitudes out of range: the small one for 0 < |r| < Min, the big one for
// |r| > Max; zero and negative values are printed.
std::string FormatResult(double r, FormatVariant variant, std::string_view errorText, const FormatSettings& settings,
                         const NumberLocale& locale);

}  // namespace quantora
