// The one place that asks the operating system where the running executable and the user's
// application data are.
#include <cstdlib>
#include <system_error>

#include "app/data_paths.h"
#include "quantora_version.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quantora {

std::filesystem::path ExecutableFolder() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return executable.parent_path();
#endif
}

std::filesystem::path PerUserDataFolder() {
#ifdef _WIN32
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || *appData == L'\0') return {};
    return std::filesystem::path(appData) / kProgramName / "data";
#else
    // The XDG base directories: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/') return std::filesystem::path(dataHome) / kProgramName / "data";
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return {};
    return std::filesystem::path(home) / ".local" / "share" / kProgramName / "data";
#endif
}

}  // namespace quantora
