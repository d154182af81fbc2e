#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "catalogue/file_replace.h"

namespace quantora::file_replace {

namespace {

std::string LastReason() { return std::generic_category().message(errno); }

// Writes all of `bytes`, resuming after a short or interrupted write.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A rename is an entry of the folder; without this it can be lost in a power cut after the
// replaced file's content was already gone.
std::optional<std::string> SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return LastReason();
    std::optional<std::string> reason;
    if (::fsync(fd) != 0) reason = LastReason();
    ::close(fd);
    return reason;
}

}  // namespace

std::optional<std::string> WriteNewFileToDisk(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return LastReason();
    std::optional<std::string> reason;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) reason = LastReason();
    if (::close(fd) != 0 && !reason) reason = LastReason();
    if (reason) ::unlink(path.c_str());
    return reason;
}

std::optional<std::string> MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return LastReason();
    return SyncFolder(to.parent_path());
}

}  // namespace quantora::file_replace
