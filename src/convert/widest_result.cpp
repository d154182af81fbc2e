#include "convert/widest_result.h"

#include <algorithm>
#include <cmath>

#include "convert/number_format.h"

namespace quantora {

std::vector<std::string> WidestResultTexts(const FormatSettings& settings, const NumberLocale& locale) {
    // Just below ExpMax is the longest fixed text, and it may even round up to one digit more.
    const double fixed = -std::nextafter(settings.expMax, 0.0);
    // Every exponent is printed with three digits, so any number that the big symbol does not
    // replace is as wide as the widest.
    const double scientific = -std::min(std::max(settings.max, settings.expMax), 9.999999e99);
    return {FormatResult(fixed, FormatVariant::kGeneral, "", settings, locale),
            FormatResult(scientific, FormatVariant::kGeneral, "", settings, locale)};
}

}  // namespace quantora
