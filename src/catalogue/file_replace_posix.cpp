#include <fcntl.h>
#include <sys/stat.h>
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

// Reads up to `count` bytes; fewer only at the end of the file.
bool ReadAll(int fd, std::vector<std::uint8_t>& bytes, std::size_t count) {
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t read = ::read(fd, bytes.data() + got, count - got);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return false;
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
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

}  // namespace

FileContent ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    // Non-blocking, or opening a pipe would wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Failed(errno == ENOENT ? FileContent::Status::kMissing : FileContent::Status::kFailed);
    FileContent content;
    struct stat info {};
    const bool examined = ::fstat(fd, &info) == 0;
    if (examined && !S_ISREG(info.st_mode)) {
        content.status = FileContent::Status::kNotRegular;
    } else if (examined && static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        content.status = FileContent::Status::kTooLarge;
        content.size = static_cast<std::uint64_t>(info.st_size);
    } else if (!examined || !ReadAll(fd, content.bytes, static_cast<std::size_t>(info.st_size))) {
        content = Failed(FileContent::Status::kFailed);
    } else {
        content.status = FileContent::Status::kRead;
    }
    ::close(fd);
    return content;
}

bool CanCreateNewFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(path.c_str());
    return true;
}

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
