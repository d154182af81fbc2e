#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quantora {

// Far above what the program's own entries fill; a profile that large was not written by it.
inline constexpr std::uint64_t kMaxProfileBytes = std::uint64_t{1} << 20;

// The profile file's text, or the problem that keeps it from being used: anything but a missing
// file or a regular file of at most kMaxProfileBytes. The program then starts from the default
// settings, keeps changes in memory and leaves the file alone.
struct ProfileFileRead {
    std::string text;
    std::optional<std::string> problem;
};

ProfileFileRead ReadProfileFile(const std::filesystem::path& file);

}  // namespace quantora
