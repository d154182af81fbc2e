#pragma once

#include <filesystem>
#include <string_view>

namespace quantora {

// The folder of the running executable (the platform call; empty when it cannot be determined).
std::filesystem::path ExecutableFolder();

// <folder>/data/<name>: where every data file lives beside the program.
std::filesystem::path DataFilePath(const std::filesystem::path& executableFolder, std::string_view name);

// <folder>/help/<page>.
std::filesystem::path HelpPagePath(const std::filesystem::path& executableFolder, std::string_view page);

}  // namespace quantora
