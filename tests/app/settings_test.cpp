#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/case_names.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

struct FlagCase {
    const char* text;
    bool on;
};

void PrintTo(const FlagCase& c, std::ostream* out) { *out << test::CaseText(c.text) << (c.on ? " on" : " off"); }

class FlagRule : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagRule, LeadingIntegerMustBeOne) { EXPECT_EQ(IsFlagOn(GetParam().text), GetParam().on) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Texts, FlagRule,
                         ::testing::Values(FlagCase{"1", true}, FlagCase{"  1", true}, FlagCase{"\t1", true},
                                           FlagCase{"1abc", true}, FlagCase{"1.5", true}, FlagCase{"01", true},
                                           FlagCase{"", false}, FlagCase{"0", false}, FlagCase{"2", false},
                                           FlagCase{"11", false}, FlagCase{"on", false}, FlagCase{"-1", false},
                                           FlagCase{"x1", false}, FlagCase{" ", false}));

TEST(LeadingInteger, ReadsSignAndStopsAtFirstNonDigit) {
    EXPECT_EQ(LeadingInteger("42 apples"), 42);
    EXPECT_EQ(LeadingInteger("  -7"), -7);
    EXPECT_EQ(LeadingInteger("+3"), 3);
    EXPECT_EQ(LeadingInteger("abc"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), -2147483648);
}

TEST(Settings, MissingKeyReadsEmptyAndDefaultsComeFromTheTable) {
    test::TestProfile profile;
    EXPECT_EQ(ReadSetting(profile.Store(), "Min"), "");
    const std::pair<const char*, const char*> defaults[] = {
        {"Min", "1e-9"},   {"Max", "1e12"},   {"BigSymbol", ">>"}, {"SmallSymbol", "<<"},
        {"Decimal", "6"},  {"ExpMin", "1e-6"}, {"ExpMax", "1e9"},   {"Seperator", "1"},
        {"First Cat", ""}, {"Auto Download", ""}};
    for (const auto& [key, value] : defaults) EXPECT_EQ(ReadSettingOrDefault(profile.Store(), key), value) << key;
}

TEST(Settings, WrittenTextSurvivesReopeningTheProfile) {
    test::TestProfile profile;
    EXPECT_TRUE(WriteSetting(profile.Store(), "Saved X", "2,5 µm"));
    EXPECT_TRUE(WriteSetting(profile.Store(), "Min", "0"));
    const auto reopened = profile.Reopen();
    EXPECT_EQ(ReadSetting(*reopened, "Saved X"), "2,5 µm");
    EXPECT_EQ(ReadSettingOrDefault(*reopened, "Min"), "0");
}

TEST(ProfileStore, KeepsTextIntegerAndBinaryEntriesPerSection) {
    test::TestProfile profile;
    auto& store = profile.Store();
    const std::vector<std::uint8_t> block{0, 1, 2, 0xFF, 0x80, 0};
    store.WriteText("Formulas", "fx", "sin(x)");
    store.WriteInt("Selection", "Length1", 105);
    store.WriteInt("Selection", "Length2", -1);
    store.WriteBinary("Positions", "MainWindow", block);

    const auto reopened = profile.Reopen();
    EXPECT_EQ(reopened->ReadText("Formulas", "fx", "none"), "sin(x)");
    EXPECT_EQ(reopened->ReadText("Settings", "fx", "none"), "none");
    EXPECT_EQ(reopened->ReadInt("Selection", "Length1", -1), 105);
    EXPECT_EQ(reopened->ReadInt("Selection", "Length2", 7), -1);
    EXPECT_EQ(reopened->ReadInt("Selection", "Mass1", -1), -1);
    EXPECT_EQ(reopened->ReadBinary("Positions", "MainWindow"), block);
    EXPECT_FALSE(reopened->ReadBinary("Positions", "OptionsWindow").has_value());
}

TEST(ProfileStore, EntryNamesWithSlashesStayOneEntry) {
    test::TestProfile profile;
    profile.Store().WriteInt("Selection", "Data Rate/Speed1", 3);
    profile.Store().WriteInt("Selection", "Data Rate", 9);
    profile.Store().WriteInt("Selection", "a\\b%2F1", 4);
    const auto reopened = profile.Reopen();
    EXPECT_EQ(reopened->ReadInt("Selection", "Data Rate/Speed1", -1), 3);
    EXPECT_EQ(reopened->ReadInt("Selection", "Data Rate", -1), 9);
    EXPECT_EQ(reopened->ReadInt("Selection", "a\\b%2F1", -1), 4);
    EXPECT_EQ(reopened->ReadInt("Selection", "a\\b/1", -1), -1);
}

}  // namespace
}  // namespace quantora
