#include "convert/format_settings.h"

#include "app/settings.h"
#include "convert/leading_number.h"

namespace quantora {

int SanitiseDecimals(std::string_view text) {
    if (text.empty() || text.size() > 3) return kDefaultDecimals;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return kDefaultDecimals;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxDecimals ? value : kDefaultDecimals;
}

FormatSettings ReadFormatSettings(const ProfileStore& store) {
    const auto number = [&store](std::string_view key) { return LeadingDecimal(ReadSettingOrDefault(store, key)); };
    FormatSettings settings;
    settings.min = number("Min");
    settings.max = number("Max");
    settings.smallSymbol = ReadSettingOrDefault(store, "SmallSymbol");
    settings.bigSymbol = ReadSettingOrDefault(store, "BigSymbol");
    settings.decimals = SanitiseDecimals(ReadSettingOrDefault(store, "Decimal"));
    settings.expMin = number("ExpMin");
    settings.expMax = number("ExpMax");
    settings.grouping = IsFlagOn(ReadSettingOrDefault(store, "Seperator"));
    return settings;
}

}  // namespace quantora
