#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quantora {

// A path as UTF-8 text for messages; the narrow form would be the Windows code page there, and
// throws for a letter outside it.
std::string PathText(const std::filesystem::path& path);

// The path UTF-8 text names: a file name typed, stored in the profile or given on a command line.
// The narrow constructor would read the Windows code page instead.
std::filesystem::path PathFromUtf8(std::string_view utf8);

}  // namespace quantora
