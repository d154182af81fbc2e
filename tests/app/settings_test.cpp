#include "app/settings.h"

#include <gtest/gtest.h>

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
    const std::pair<Setting, const char*> defaults[] = {{Setting::kMin, "1e-9"},     {Setting::kMax, "1e12"},
                                                        {Setting::kBigSymbol, ">>"}, {Setting::kSmallSymbol, "<<"},
                                                        {Setting::kDecimal, "6"},    {Setting::kExpMin, "1e-6"},
                                                        {Setting::kExpMax, "1e9"},   {Setting::kSeperator, "1"},
                                                        {Setting::kFirstCat, ""},    {Setting::kAutoDownload, ""}};
    for (const auto& [key, value] : defaults) EXPECT_EQ(ReadSetting(profile.Store(), key), value) << KeyOf(key).name;
}

struct StoredNumberCase {
    const char* text;
    bool flag;
    int integer;
    AngleUnit angle;
};

TEST(Settings, TypedReadersParseTheLeadingInteger) {
    test::TestProfile profile;
    EXPECT_FALSE(ReadSettingFlag(profile.Store(), Setting::kDegree));
    EXPECT_EQ(ReadSettingInteger(profile.Store(), Setting::kDegree), 0);
    EXPECT_EQ(ReadAngleSetting(profile.Store(), Setting::kDegree), AngleUnit::kDegrees);
    const StoredNumberCase cases[] = {
        {" 1x", true, 1, AngleUnit::kDegrees},         {"2", false, 2, AngleUnit::kRadians},
        {"3 grads", false, 3, AngleUnit::kGrads},      {"0", false, 0, AngleUnit::kDegrees},
        {"abc", false, 0, AngleUnit::kDegrees},        {"5", false, 5, static_cast<AngleUnit>(5)},
        {"-1", false, -1, static_cast<AngleUnit>(-1)},
    };
    for (const auto& c : cases) {
        WriteSetting(profile.Store(), Setting::kDegree, c.text);
        EXPECT_EQ(ReadSettingFlag(profile.Store(), Setting::kDegree), c.flag) << c.text;
        EXPECT_EQ(ReadSettingInteger(profile.Store(), Setting::kDegree), c.integer) << c.text;
        EXPECT_EQ(ReadAngleSetting(profile.Store(), Setting::kDegree), c.angle) << c.text;
    }
    EXPECT_TRUE(ReadSettingFlag(profile.Store(), Setting::kSeperator));
    EXPECT_EQ(ReadSettingInteger(profile.Store(), Setting::kDecimal), 6);
}

TEST(Settings, TypedWritersStoreTheTextsTheReadersExpectInTheKeysSection) {
    test::TestProfile profile;
    EXPECT_TRUE(WriteSettingFlag(profile.Store(), Setting::kAutoDownload, true));
    EXPECT_TRUE(WriteSettingFlag(profile.Store(), Setting::kCommonUnits, false));
    EXPECT_TRUE(WriteAngleSetting(profile.Store(), Setting::kDeg, AngleUnit::kGrads));
    EXPECT_TRUE(WriteSettingInteger(profile.Store(), Setting::kFirstCat, 12));
    EXPECT_TRUE(WriteSetting(profile.Store(), Setting::kFormulaFx, "sin(x)"));
    const auto reopened = profile.Reopen();
    EXPECT_EQ(ReadSetting(*reopened, "Auto Download"), "1");
    EXPECT_EQ(ReadSetting(*reopened, "Common Units"), "0");
    EXPECT_EQ(ReadSetting(*reopened, "Deg"), "3");
    EXPECT_EQ(ReadSetting(*reopened, "First Cat"), "12");
    EXPECT_EQ(reopened->ReadText("Formulas", "fx", ""), "sin(x)");
    EXPECT_EQ(ReadSetting(*reopened, "fx"), "");
}

TEST(Settings, WrittenTextSurvivesReopeningTheProfile) {
    test::TestProfile profile;
    EXPECT_TRUE(WriteSetting(profile.Store(), "Saved X", "2,5 µm"));
    EXPECT_TRUE(WriteSetting(profile.Store(), "Min", "0"));
    const auto reopened = profile.Reopen();
    EXPECT_EQ(ReadSetting(*reopened, "Saved X"), "2,5 µm");
    EXPECT_EQ(ReadSetting(*reopened, Setting::kMin), "0");
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
