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

}  // namespace

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
