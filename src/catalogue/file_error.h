#pragma once

#include <filesystem>
#include <string>

namespace quantora {

// A path as UTF-8 text for messages; the narrow form would be the Windows code page there, and
// throws for a letter outside it.
std::string PathText(const std::filesystem::path& path);

// "<path>: <the system's reason for the last failure>".
std::string FileError(const std::filesystem::path& path);

}  // namespace quantora
