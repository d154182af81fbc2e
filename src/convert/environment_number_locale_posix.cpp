// The numeric conventions of the environment's locale, from the C library.
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <string>
#include <string_view>

#include "app/utf16.h"
#include "convert/environment_number_locale.h"

namespace quantora {

namespace {

// Bytes that read as UTF-8 are taken as such: a UTF-8 locale's separators stay UTF-8 even when
// LC_CTYPE names another character set.
bool IsUtf8(std::string_view text) { return Utf16ToUtf8(Utf8ToUtf16(text)) == text; }

// The environment's character set; loading LC_CTYPE costs start-up time, so only a separator that
// is not UTF-8 asks for it.
std::string EnvironmentCodeset() {
    const locale_t ctype = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (ctype == static_cast<locale_t>(0)) return "ANSI_X3.4-1968";
    std::string codeset = nl_langinfo_l(CODESET, ctype);
    freelocale(ctype);
    return codeset;
}

// A separator in the locale's character set, as UTF-8; empty when it cannot be converted.
std::string ToUtf8(std::string_view text) {
    if (IsUtf8(text)) return std::string(text);
    const iconv_t converter = iconv_open("UTF-8", EnvironmentCodeset().c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return {};
    std::string in(text);
    std::string out(in.size() * 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const bool converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted) return {};
    out.resize(out.size() - outLeft);
    return out;
}

// The first group of the C library's grouping string; none when it is empty or says "no more".
int GroupingSize(const char* grouping) {
    const int size = static_cast<unsigned char>(grouping[0]);
    return size == 0 || size == CHAR_MAX ? 0 : size;
}

}  // namespace

NumberLocale EnvironmentNumberLocale() {
    NumberLocale result{.decimalSeparator = ".",
                        .thousandsSeparator = "",
                        .groupingSize = 0,
                        .leadingZero = true,
                        .negativePattern = NegativePattern::kLeadingMinus};
    // An environment naming a locale that is not installed leaves the C conventions.
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (numeric == static_cast<locale_t>(0)) return result;
    const locale_t previous = uselocale(numeric);
    const lconv* conventions = localeconv();
    const std::string decimal = ToUtf8(conventions->decimal_point);
    if (!decimal.empty()) result.decimalSeparator = decimal;
    result.thousandsSeparator = ToUtf8(conventions->thousands_sep);
    result.groupingSize = result.thousandsSeparator.empty() ? 0 : GroupingSize(conventions->grouping);
    uselocale(previous);
    freelocale(numeric);
    return result;
}

}  // namespace quantora
