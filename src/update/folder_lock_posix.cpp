#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "update/folder_lock.h"

namespace quantora {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kFolderLockName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason_ = std::generic_category().message(errno);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        state_ = errno == EWOULDBLOCK ? State::kBusy : State::kFailed;
        reason_ = std::generic_category().message(errno);
        ::close(fd);
        return;
    }
    handle_ = fd;
    state_ = State::kHeld;
}

FolderLock::~FolderLock() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace quantora
