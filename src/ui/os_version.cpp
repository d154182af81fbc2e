#include "ui/os_version.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quantora {

namespace {

constexpr unsigned kWindows9x = 1;
constexpr unsigned kWindowsNt = 2;
constexpr unsigned kWindowsCe = 3;

struct NamedCode {
    int code;
    std::string_view name;
};

constexpr std::array kNames{
    NamedCode{1, "Windows 95"},     NamedCode{2, "Windows 95 SP1"},    NamedCode{3, "Windows 95 OSR2"},
    NamedCode{4, "Windows 98"},     NamedCode{5, "Windows 98 SP1"},    NamedCode{6, "Windows 98 SE"},
    NamedCode{7, "Windows ME"},     NamedCode{101, "Windows NT 3.51"}, NamedCode{102, "Windows NT 4"},
    NamedCode{103, "Windows 2000"}, NamedCode{104, "Windows XP"},      NamedCode{105, "Windows Server 2003"},
    NamedCode{201, "Windows CE"},
};

std::optional<int> Windows95Code(unsigned build) {
    if (build == 950) return 1;
    if (build > 950 && build <= 1080) return 2;
    if (build > 1080) return 3;
    return std::nullopt;
}

std::optional<int> Windows98Code(unsigned build) {
    if (build == 1998) return 4;
    if (build > 1998 && build < 2183) return 5;
    if (build >= 2183) return 6;
    return std::nullopt;
}

int Windows9xCode(unsigned minor, unsigned build) {
    if (minor < 10) return Windows95Code(build).value_or(0);
    if (minor == 10) return Windows98Code(build).value_or(0);
    return minor == 90 ? 7 : 0;
}

int WindowsNtCode(unsigned major, unsigned minor) {
    if (major == 3) return minor == 51 ? 101 : 0;
    if (major == 4) return minor == 0 ? 102 : 0;
    if (major == 5 && minor <= 2) return 103 + static_cast<int>(minor);
    return 0;
}

const OsVersionInfo& ProcessVersion() {
    static const OsVersionInfo version = ReadPlatformVersion();
    return version;
}

}  // namespace

int WindowsVersionCode(const OsVersionInfo& version) {
    // Windows 9x keeps the major and minor version in the high word of the build number.
    const unsigned build = version.build & 0xFFFFu;
    switch (version.platformId) {
        case kWindows9x: return version.major == 4 ? Windows9xCode(version.minor, build) : 0;
        case kWindowsNt: return WindowsNtCode(version.major, version.minor);
        case kWindowsCe: return 201;
        default: return 0;
    }
}

std::string_view WindowsVersionName(int code) {
    const auto found =
        std::find_if(kNames.begin(), kNames.end(), [code](const NamedCode& n) { return n.code == code; });
    return found == kNames.end() ? std::string_view("unknown Windows version") : found->name;
}

CXWinVersion::CXWinVersion() : version_(ProcessVersion()) {}

}  // namespace quantora
