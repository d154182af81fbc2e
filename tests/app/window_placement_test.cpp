#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "app/data_paths.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

WindowPlacementRecord Sample() {
    WindowPlacementRecord r;
    r.flags = 2;
    r.showCmd = WindowPlacementRecord::kShowMaximized;
    r.minPosition = {-1, -32000};
    r.maxPosition = {-8, -8};
    r.normalPosition = {100, 200, 983, 740};
    return r;
}

TEST(WindowPlacementRecord, EncodesElevenLittleEndianIntegersAtTheirOffsets) {
    const auto bytes = Sample().Encode();
    const std::pair<std::size_t, std::int32_t> fields[] = {{0, 44},      {4, 2},    {8, 3},   {12, -1},
                                                           {16, -32000}, {20, -8},  {24, -8}, {28, 100},
                                                           {32, 200},    {36, 983}, {40, 740}};
    for (const auto& [offset, value] : fields) {
        const auto u = static_cast<std::uint32_t>(value);
        EXPECT_EQ(bytes[offset], u & 0xFF) << offset;
        EXPECT_EQ(bytes[offset + 1], (u >> 8) & 0xFF) << offset;
        EXPECT_EQ(bytes[offset + 2], (u >> 16) & 0xFF) << offset;
        EXPECT_EQ(bytes[offset + 3], (u >> 24) & 0xFF) << offset;
    }
}

TEST(WindowPlacementRecord, DecodeIsTheInverseAndRefusesShortBlocks) {
    const auto bytes = Sample().Encode();
    EXPECT_EQ(WindowPlacementRecord::Decode(bytes), Sample());
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0xAA);
    EXPECT_EQ(WindowPlacementRecord::Decode(longer), Sample());
    EXPECT_FALSE(WindowPlacementRecord::Decode(std::span(bytes).first(43)).has_value());
    EXPECT_FALSE(WindowPlacementRecord::Decode({}).has_value());
}

TEST(WindowPlacement, SavedUnderPositionsAndReadBackAfterReopening) {
    test::TestProfile profile;
    EXPECT_FALSE(LoadPlacement(profile.Store(), placement_entry::kOptionsWindow).has_value());
    SavePlacement(profile.Store(), placement_entry::kOptionsWindow, Sample());
    const auto reopened = profile.Reopen();
    EXPECT_EQ(LoadPlacement(*reopened, placement_entry::kOptionsWindow), Sample());
    EXPECT_EQ(reopened->ReadBinary("Positions", "OptionsWindow")->size(), 44u);
}

TEST(FirstShowRestore, RunsOnceOnAShownNotificationOfAHiddenWindowUntilRearmed) {
    FirstShowRestore flag;
    EXPECT_FALSE(flag.ShouldRestore(false, false));  // a hide notification
    EXPECT_FALSE(flag.ShouldRestore(true, true));    // already visible
    EXPECT_TRUE(flag.Armed());
    EXPECT_TRUE(flag.ShouldRestore(true, false));
    EXPECT_FALSE(flag.Armed());
    EXPECT_FALSE(flag.ShouldRestore(true, false));
    flag.Rearm();
    EXPECT_TRUE(flag.ShouldRestore(true, false));
}

TEST(FirstShowRestore, MainAndUpdateWindowsHaveFlagsOfTheirOwn) {
    EXPECT_NE(&MainWindowFirstShow(), &DownloadWindowFirstShow());
}

TEST(DataPaths, DataAndHelpLiveInFoldersBesideTheExecutable) {
#ifdef _WIN32
    constexpr const char* kProgram = "app_tests.exe";
#else
    constexpr const char* kProgram = "app_tests";
#endif
    const auto folder = ExecutableFolder();
    EXPECT_TRUE(std::filesystem::exists(folder / kProgram)) << folder;
    EXPECT_EQ(InstalledDataFolder("/opt/quantora"), std::filesystem::path("/opt/quantora/data"));
    EXPECT_EQ(HelpPagePath("/opt/quantora", "index.htm"), std::filesystem::path("/opt/quantora/help/index.htm"));
}

}  // namespace
}  // namespace quantora
