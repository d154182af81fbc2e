#pragma once

#include <string>
#include <string_view>

#include "app/profile_store.h"

namespace quantora {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kPositionsSection = "Positions";
inline constexpr std::string_view kFormulasSection = "Formulas";
inline constexpr std::string_view kSelectionSection = "Selection";

// Text of `key` in section "Settings"; empty when missing.
std::string ReadSetting(const ProfileStore& store, std::string_view key);
bool WriteSetting(ProfileStore& store, std::string_view key, std::string_view value);

// The text the program uses when `key` is missing from "Settings" (empty for keys without a default).
std::string_view SettingDefault(std::string_view key);

// Text of `key`, or its default when the entry is missing.
std::string ReadSettingOrDefault(const ProfileStore& store, std::string_view key);

// Leading decimal integer of a text: blanks skipped, optional sign, digits up to the first
// non-digit; 0 when there are none. Saturates at the int range.
int LeadingInteger(std::string_view text);

// A flag is on exactly when its text reads as the leading integer 1.
bool IsFlagOn(std::string_view text);

}  // namespace quantora
