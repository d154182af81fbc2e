#pragma once

#include <string_view>

namespace quantora {

// The platform's version information as Windows reports it; all zero where there is none.
struct OsVersionInfo {
    unsigned platformId = 0;  // 1 Windows 9x, 2 NT, 3 CE
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

// The version code of the table of known Windows versions; 0 for any other.
int WindowsVersionCode(const OsVersionInfo& version);

// The code's display name; "unknown Windows version" for 0 and any code the table lacks.
std::string_view WindowsVersionName(int code);

// Asks the platform (one adapter file per platform); only CXWinVersion calls it.
OsVersionInfo ReadPlatformVersion();

// The operating-system version, read once per process however often this is constructed.
class CXWinVersion {
public:
    CXWinVersion();

    unsigned MajorVersion() const { return version_.major; }
    unsigned MinorVersion() const { return version_.minor; }
    int VersionCode() const { return WindowsVersionCode(version_); }
    std::string_view VersionName() const { return WindowsVersionName(VersionCode()); }

private:
    OsVersionInfo version_;
};

}  // namespace quantora
