#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// Keeps other update runs out of a data folder while one runs: two runs would write the same
// "<stem>new.dat" and rename each other's files away. The lock is the system's lock on the file
// "update.lock" in the folder, which the system releases when the process ends, however it ends.
// folder_lock_posix.cpp and folder_lock_windows.cpp implement it, one of them per build.
class FolderLock {
public:
    enum class State { kHeld, kBusy, kFailed };

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State Status() const { return state_; }
    // The system's reason when the lock file could not be opened.
    const std::string& Reason() const { return reason_; }

private:
    State state_ = State::kFailed;
    std::string reason_;
    std::intptr_t handle_ = -1;
};

inline constexpr std::string_view kFolderLockName = "update.lock";

}  // namespace quantora
