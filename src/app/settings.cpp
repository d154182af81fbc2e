#include "app/settings.h"

#include <limits>

namespace quantora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string ReadSetting(const ProfileStore& store, std::string_view name) {
    return store.ReadText(kSettingsSection, name, "");
}

bool WriteSetting(ProfileStore& store, std::string_view name, std::string_view value) {
    return store.WriteText(kSettingsSection, name, value);
}

std::string_view SettingDefault(Setting setting) { return KeyOf(setting).defaultText; }

std::string ReadSetting(const ProfileStore& store, Setting setting) {
    const SettingKey& key = KeyOf(setting);
    return store.ReadText(key.section, key.name, key.defaultText);
}

bool WriteSetting(ProfileStore& store, Setting setting, std::string_view value) {
    const SettingKey& key = KeyOf(setting);
    return store.WriteText(key.section, key.name, value);
}

bool ReadSettingFlag(const ProfileStore& store, Setting setting) { return IsFlagOn(ReadSetting(store, setting)); }

bool WriteSettingFlag(ProfileStore& store, Setting setting, bool on) {
    return WriteSetting(store, setting, on ? "1" : "0");
}

int ReadSettingInteger(const ProfileStore& store, Setting setting) {
    return LeadingInteger(ReadSetting(store, setting));
}

bool WriteSettingInteger(ProfileStore& store, Setting setting, int value) {
    return WriteSetting(store, setting, std::to_string(value));
}

AngleUnit ReadAngleSetting(const ProfileStore& store, Setting setting) {
    const int stored = ReadSettingInteger(store, setting);
    return stored == 0 ? AngleUnit::kDegrees : static_cast<AngleUnit>(stored);
}

bool WriteAngleSetting(ProfileStore& store, Setting setting, AngleUnit unit) {
    return WriteSettingInteger(store, setting, static_cast<int>(unit));
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
