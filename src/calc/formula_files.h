#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/profile_store.h"
#include "catalogue/file_error.h"

namespace quantora {

inline constexpr std::string_view kFormulaFileExtension = ".xpq";
inline constexpr std::string_view kNewFormulaName = "New Formula";

// The path a formula is saved to: every ".xpq" taken out of the chosen file's name (case-sensitive)
// and one put at its end. The folders are left as they are.
std::filesystem::path FormulaSavePath(const std::filesystem::path& chosen);

// The name a formula file goes by in the window: its name without folder and without any ".xpq".
std::string FormulaFileTitle(const std::filesystem::path& path);

// "MRU1" (the most recent) to "MRU4"; empty texts are unused places.
using RecentFiles = std::array<std::string, 4>;
RecentFiles ReadRecentFiles(const ProfileStore& store);

// A file already first changes nothing; one further down changes places with the first; a new one
// goes first and pushes the others down, the fourth dropping out. Texts compare exactly.
void AddRecentFile(ProfileStore& store, std::string_view path);

}  // namespace quantora
