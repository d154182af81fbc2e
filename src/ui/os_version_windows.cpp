// The one place that asks Windows for its version.
#include <windows.h>

#include "ui/os_version.h"

namespace quantora {

namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

// GetVersionEx reports the version the program's manifest claims to know, not the system's;
// ntdll's RtlGetVersion reports the system's own and fills the extended record as well.
OsVersionInfo ReadPlatformVersion() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr) return {};
    const auto getVersion =
        reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (getVersion == nullptr) return {};
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (getVersion(reinterpret_cast<OSVERSIONINFOW*>(&info)) != 0) return {};
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

}  // namespace quantora
