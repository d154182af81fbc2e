// The user's number settings from Windows' locale information.
#include <windows.h>

#include <string>

#include "convert/environment_number_locale.h"

namespace quantora {

namespace {

std::wstring LocaleText(LCTYPE field) {
    wchar_t buffer[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, field, buffer, LOCALE_NAME_MAX_LENGTH);
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// A number field ("3;0", "1"): its leading digits, or `fallback` when there are none.
int LocaleNumber(LCTYPE field, int fallback) {
    const std::wstring text = LocaleText(field);
    if (text.empty() || text[0] < L'0' || text[0] > L'9') return fallback;
    int number = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        number = number * 10 + (text[i] - L'0');
    return number;
}

}  // namespace

NumberLocale EnvironmentNumberLocale() {
    NumberLocale result;
    result.decimalSeparator = Utf8(LocaleText(LOCALE_SDECIMAL));
    result.thousandsSeparator = Utf8(LocaleText(LOCALE_STHOUSAND));
    result.groupingSize = LocaleNumber(LOCALE_SGROUPING, 3);
    result.leadingZero = LocaleNumber(LOCALE_ILZERO, 1) != 0;
    // Windows numbers its negative patterns in the order of NegativePattern.
    const int negative = LocaleNumber(LOCALE_INEGNUMBER, 1);
    result.negativePattern =
        negative >= 0 && negative <= 4 ? static_cast<NegativePattern>(negative) : NegativePattern::kLeadingMinus;
    return result;
}

}  // namespace quantora
