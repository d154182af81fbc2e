#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

// The platform's part of replacing a file in one step; file_replace_posix.cpp and
// file_replace_windows.cpp implement it, one of them per build. Failures come back as the
// system's reason, without the file's name.
namespace quantora::file_replace {

// Creates `path`, which must not exist yet, with `bytes` as its content, and returns only once the
// content is on the disk. A file it created and could not finish is removed again.
std::optional<std::string> WriteNewFileToDisk(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Renames `from` over `to`, replacing an existing `to` in one step, and returns once the change
// of the folder is on the disk.
std::optional<std::string> MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace quantora::file_replace
