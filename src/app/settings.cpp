#include "app/settings.h"

#include <array>
#include <limits>
#include <utility>

namespace quantora {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kDefaults{{
    {"Min", "1e-9"},
    {"Max", "1e12"},
    {"BigSymbol", ">>"},
    {"SmallSymbol", "<<"},
    {"Decimal", "6"},
    {"ExpMin", "1e-6"},
    {"ExpMax", "1e9"},
    {"Seperator", "1"},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string ReadSetting(const ProfileStore& store, std::string_view key) {
    return store.ReadText(kSettingsSection, key, "");
}

bool WriteSetting(ProfileStore& store, std::string_view key, std::string_view value) {
    return store.WriteText(kSettingsSection, key, value);
}

std::string_view SettingDefault(std::string_view key) {
    for (const auto& [name, value] : kDefaults) {
        if (name == key) return value;
    }
    return {};
}

std::string ReadSettingOrDefault(const ProfileStore& store, std::string_view key) {
    return store.ReadText(kSettingsSection, key, SettingDefault(key));
}

int LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(value >= kLimit ? kLimit - 1 : value);
}

bool IsFlagOn(std::string_view text) { return LeadingInteger(text) == 1; }

}  // namespace quantora
