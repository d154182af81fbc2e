#include "ui/os_version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/system_check.h"

namespace quantora {
namespace {

struct VersionCase {
    OsVersionInfo version;
    int code;
    std::string name;
};

TEST(WindowsVersion, TheTableNamesEachKnownReleaseAndItsEdges) {
    const std::vector<VersionCase> cases{
        {{1, 4, 0, 950}, 1, "Windows 95"},
        {{1, 4, 0, 951}, 2, "Windows 95 SP1"},
        {{1, 4, 3, 1080}, 2, "Windows 95 SP1"},
        {{1, 4, 0, 1111}, 3, "Windows 95 OSR2"},
        {{1, 4, 0, 949}, 0, "unknown Windows version"},
        {{1, 4, 10, 1998}, 4, "Windows 98"},
        {{1, 4, 10, 1999}, 5, "Windows 98 SP1"},
        {{1, 4, 10, 2182}, 5, "Windows 98 SP1"},
        {{1, 4, 10, 2183}, 6, "Windows 98 SE"},
        {{1, 4, 10, 2222}, 6, "Windows 98 SE"},
        // Windows 9x puts the version in the build number's high word: only the low word counts.
        {{1, 4, 10, 0x040A08AE}, 6, "Windows 98 SE"},
        {{1, 4, 10, 1997}, 0, "unknown Windows version"},
        {{1, 4, 90, 3000}, 7, "Windows ME"},
        {{1, 4, 50, 3000}, 0, "unknown Windows version"},
        {{2, 3, 51, 1057}, 101, "Windows NT 3.51"},
        {{2, 4, 0, 1381}, 102, "Windows NT 4"},
        {{2, 5, 0, 2195}, 103, "Windows 2000"},
        {{2, 5, 1, 2600}, 104, "Windows XP"},
        {{2, 5, 2, 3790}, 105, "Windows Server 2003"},
        {{2, 5, 3, 0}, 0, "unknown Windows version"},
        {{2, 10, 0, 19045}, 0, "unknown Windows version"},
        {{3, 7, 0, 0}, 201, "Windows CE"},
        {{0, 0, 0, 0}, 0, "unknown Windows version"},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name + " " + std::to_string(c.version.platformId) + "." + std::to_string(c.version.major) + "." +
                     std::to_string(c.version.minor) + " build " + std::to_string(c.version.build));
        EXPECT_EQ(WindowsVersionCode(c.version), c.code);
        EXPECT_EQ(WindowsVersionName(WindowsVersionCode(c.version)), c.name);
    }
}

TEST(WindowsVersion, EveryInstanceReportsTheOneReadingOfTheProcess) {
    const CXWinVersion first;
    const CXWinVersion second;
    const OsVersionInfo platform = ReadPlatformVersion();
    EXPECT_EQ(first.MajorVersion(), platform.major);
    EXPECT_EQ(second.MinorVersion(), platform.minor);
    EXPECT_EQ(first.VersionCode(), WindowsVersionCode(platform));
    EXPECT_EQ(second.VersionName(), WindowsVersionName(WindowsVersionCode(platform)));
}

TEST(UnsupportedSystem, OnlyVersionFourPointFiveIsWarnedOf) {
    EXPECT_EQ(UnsupportedSystemMessage(4, 5, "unknown Windows version"), "Sorry Cannot run on unknown Windows version");
    for (const auto& [major, minor] : std::vector<std::pair<unsigned, unsigned>>{{4, 0}, {4, 10}, {5, 5}, {0, 0}}) {
        EXPECT_EQ(UnsupportedSystemMessage(major, minor, "x"), std::nullopt) << major << "." << minor;
    }
}

// No release the table knows is version 4.5, so the platform this runs on is never warned of.
TEST(UnsupportedSystem, TheRunningSystemIsNotWarnedOf) {
    const CXWinVersion version;
    EXPECT_EQ(UnsupportedSystemMessage(version.MajorVersion(), version.MinorVersion(), version.VersionName()),
              std::nullopt);
}

}  // namespace
}  // namespace quantora
