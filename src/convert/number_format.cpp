#include "convert/number_format.h"

#include <cmath>

#include "convert/decimal_print.h"
#include "convert/group_digits.h"
#include "convert/leading_number.h"

namespace quantora {

namespace {

// The symbols say a value is too small or too large to show, so they judge the magnitude of the
// number shown: a negative result or zero is a value like any other and is printed. `shown` is the
// number the text will read as, `r` the value itself, which alone tells a true zero from a value
// printed as one.
std::string Symbolised(std::string text, double shown, double r, const FormatSettings& settings) {
    const double magnitude = std::fabs(shown);
    if (r != 0.0 && magnitude < settings.min) text = settings.smallSymbol;
    if (magnitude > settings.max) text = settings.bigSymbol;
    return text;
}

std::string Grouped(std::string text, const FormatSettings& settings, const NumberLocale& locale) {
    if (!settings.grouping) return text;
    return GroupDigits(text, settings.decimals, locale);
}

std::string FixedOnly(double r, const FormatSettings& settings, const NumberLocale& locale) {
    std::string text = PrintFixed(r, settings.decimals);
    const double shown = std::isfinite(r) ? LeadingDecimal(text) : r;
    return Grouped(Symbolised(std::move(text), shown, r, settings), settings, locale);
}

}  // namespace

std::string FormatResult(double r, FormatVariant variant, std::string_view errorText, const FormatSettings& settings,
                         const NumberLocale& locale) {
    if (variant == FormatVariant::kFixedOnly) return FixedOnly(r, settings, locale);
    const double magnitude = std::fabs(r);
    // Zero has no order of magnitude to show: "0.000000e+000" says nothing "0.000000" does not.
    const bool scientific = r != 0.0 && (magnitude >= settings.expMax || magnitude <= settings.expMin);
    std::string text = scientific ? PrintScientific(r, settings.decimals) : PrintFixed(r, settings.decimals);
    if (variant == FormatVariant::kSymbolsFirst)
        return Grouped(Symbolised(std::move(text), r, r, settings), settings, locale);
    if (!errorText.empty()) text = "Error";
    return Symbolised(Grouped(std::move(text), settings, locale), r, r, settings);
}

}  // namespace quantora
