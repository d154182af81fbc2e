#pragma once

#include <string>
#include <string_view>

#include "app/profile_store.h"
#include "app/setting_keys.h"
#include "calc/angle_unit.h"

namespace quantora {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kPositionsSection = "Positions";
inline constexpr std::string_view kFormulasSection = "Formulas";
inline constexpr std::string_view kSelectionSection = "Selection";

// Text of the entry `name` in section "Settings"; empty when missing.
std::string ReadSetting(const ProfileStore& store, std::string_view name);
bool WriteSetting(ProfileStore& store, std::string_view name, std::string_view value);

// The text the program uses when the entry is missing, also what a Defaults button restores.
std::string_view SettingDefault(Setting setting);

// Typed access to one entry of the table; a missing entry reads as its default.
std::string ReadSetting(const ProfileStore& store, Setting setting);
bool WriteSetting(ProfileStore& store, Setting setting, std::string_view value);
bool ReadSettingFlag(const ProfileStore& store, Setting setting);
bool WriteSettingFlag(ProfileStore& store, Setting setting, bool on);
int ReadSettingInteger(const ProfileStore& store, Setting setting);
bool WriteSettingInteger(ProfileStore& store, Setting setting, int value);

// The angle unit "Degree" or "Deg" holds: missing, empty or 0 count as degrees; any other number
// passes as it is, so the window can leave every angle choice unchecked.
AngleUnit ReadAngleSetting(const ProfileStore& store, Setting setting);
bool WriteAngleSetting(ProfileStore& store, Setting setting, AngleUnit unit);

// Leading decimal integer of a text: blanks skipped, optional sign, digits up to the first
// non-digit; 0 when there are none. Saturates at the int range.
int LeadingInteger(std::string_view text);

// A flag is on exactly when its text reads as the leading integer 1.
bool IsFlagOn(std::string_view text);

}  // namespace quantora
