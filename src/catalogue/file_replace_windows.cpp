#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <system_error>

#include "catalogue/file_replace.h"

namespace quantora::file_replace {

namespace {

std::string LastReason() { return std::system_category().message(static_cast<int>(::GetLastError())); }

// Writes all of `bytes` in pieces that fit a DWORD count.
bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    while (!bytes.empty()) {
        const auto count = static_cast<DWORD>(std::min(bytes.size(), kPiece));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), count, &written, nullptr)) return false;
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

// Reads up to `count` bytes in pieces that fit a DWORD count; fewer only at the end of the file.
bool ReadAll(HANDLE file, std::vector<std::uint8_t>& bytes, std::size_t count) {
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data() + got, static_cast<DWORD>(std::min(count - got, kPiece)), &read, nullptr)) {
            return false;
        }
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return true;
}

FileContent Failed(FileContent::Status status) {
    FileContent content;
    content.status = status;
    content.reason = LastReason();
    return content;
}

// A folder cannot be opened as a file at all; it is named as what it is, and a missing file in
// the same words on every system.
FileContent FailedToOpen(const std::filesystem::path& path) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        FileContent content;
        content.status = FileContent::Status::kMissing;
        content.reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
        return content;
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        FileContent content;
        content.status = FileContent::Status::kNotRegular;
        return content;
    }
    ::SetLastError(error);
    return Failed(FileContent::Status::kFailed);
}

}  // namespace

FileContent ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FailedToOpen(path);
    FileContent content;
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        content.status = FileContent::Status::kNotRegular;
    } else if (!::GetFileSizeEx(file, &size)) {
        content = Failed(FileContent::Status::kFailed);
    } else if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        content.status = FileContent::Status::kTooLarge;
        content.size = static_cast<std::uint64_t>(size.QuadPart);
    } else if (!ReadAll(file, content.bytes, static_cast<std::size_t>(size.QuadPart))) {
        content = Failed(FileContent::Status::kFailed);
    } else {
        content.status = FileContent::Status::kRead;
    }
    ::CloseHandle(file);
    return content;
}

// CREATE_NEW never opens what is there, a link included.
bool CanCreateNewFile(const std::filesystem::path& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

std::optional<std::string> WriteNewFileToDisk(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastReason();
    std::optional<std::string> reason;
    if (!WriteAll(file, bytes) || !::FlushFileBuffers(file)) reason = LastReason();
    if (!::CloseHandle(file) && !reason) reason = LastReason();
    if (reason) ::DeleteFileW(path.c_str());
    return reason;
}

// MOVEFILE_WRITE_THROUGH returns only when the move is on the disk, so the folder needs no flush
// of its own.
std::optional<std::string> MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastReason();
    }
    return std::nullopt;
}

}  // namespace quantora::file_replace
