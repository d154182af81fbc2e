#include "convert/format_settings.h"

#include <algorithm>
#include <optional>

#include "app/settings.h"
#include "convert/leading_number.h"

namespace quantora {

namespace {

// A count written in digits alone; a count above the most places shown asks for that most.
std::optional<int> DecimalsOf(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kMaxDecimals);
    }
    return value;
}

template <typename ReadText>
FormatSettings FormatSettingsFrom(ReadText read) {
    const auto number = [&read](Setting setting) { return LeadingDecimal(read(setting)); };
    FormatSettings settings;
    settings.min = number(Setting::kMin);
    settings.max = number(Setting::kMax);
    settings.smallSymbol = read(Setting::kSmallSymbol);
    settings.bigSymbol = read(Setting::kBigSymbol);
    settings.decimals = SanitiseDecimals(read(Setting::kDecimal));
    settings.expMin = number(Setting::kExpMin);
    settings.expMax = number(Setting::kExpMax);
    settings.grouping = IsFlagOn(read(Setting::kSeperator));
    return settings;
}

}  // namespace

int SanitiseDecimals(std::string_view text) {
    return DecimalsOf(text).value_or(DecimalsOf(SettingDefault(Setting::kDecimal)).value_or(0));
}

FormatSettings ReadFormatSettings(const ProfileStore& store) {
    return FormatSettingsFrom([&store](Setting setting) { return ReadSetting(store, setting); });
}

FormatSettings DefaultFormatSettings() {
    return FormatSettingsFrom([](Setting setting) { return std::string(SettingDefault(setting)); });
}

}  // namespace quantora
