#include <windows.h>

#include <system_error>

#include "update/folder_lock.h"

namespace quantora {

// Opening the file without sharing it is the lock: a second opener gets a sharing violation until
// this handle closes, which the system does when the process ends.
FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kFolderLockName;
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        state_ = error == ERROR_SHARING_VIOLATION ? State::kBusy : State::kFailed;
        reason_ = std::system_category().message(static_cast<int>(error));
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    state_ = State::kHeld;
}

FolderLock::~FolderLock() {
    if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace quantora
