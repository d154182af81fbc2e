#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The platform's part of reading a file safely and replacing one in one step; file_replace_posix.cpp
// and file_replace_windows.cpp implement it, one of them per build. Failures come back as the
// system's reason, without the file's name.
namespace quantora::file_replace {

// What reading a whole file found. `size` is the file's length when it was too large.
struct FileContent {
    enum class Status { kRead, kMissing, kFailed, kNotRegular, kTooLarge };
    Status status = Status::kFailed;
    std::string reason;
    std::uint64_t size = 0;
    std::vector<std::uint8_t> bytes;
};

// Reads `path` whole when it is a regular file (a link to one counts) of at most `maxBytes`. The
// file is opened first and then examined, so a device or a pipe put there is refused without a
// read that could block or never end, and nothing is allocated for a file that is too large.
FileContent ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes);

// Whether `path` can be created as a new empty file: creates it exclusively, never through a link
// and without waiting on whatever is there, and removes it again.
bool CanCreateNewFile(const std::filesystem::path& path);

// Creates `path`, which must not exist yet, with `bytes` as its content, and returns only once the
// content is on the disk. A file it created and could not finish is removed again.
std::optional<std::string> WriteNewFileToDisk(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Renames `from` over `to`, replacing an existing `to` in one step, and returns once the change
// of the folder is on the disk.
std::optional<std::string> MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace quantora::file_replace
