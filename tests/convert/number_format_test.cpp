#include "convert/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/settings.h"
#include "convert/decimal_print.h"
#include "convert/format_settings.h"
#include "convert/test_locales.h"
#include "support/case_names.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct Setting {
    const char* key;
    const char* value;
};

// Settings as the Options window leaves them in the profile, read back the way a run reads them.
FormatSettings SettingsFrom(const std::vector<Setting>& stored) {
    test::TestProfile profile;
    for (const auto& [key, value] : stored) WriteSetting(profile.Store(), key, value);
    return ReadFormatSettings(profile.Store());
}

struct FormatCase {
    double r;
    FormatVariant variant;
    const char* error;
    std::vector<Setting> stored;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    constexpr const char* kVariants[] = {"general", "symbols first", "fixed only"};
    *out << test::CaseNumber(c.r) << " " << kVariants[static_cast<int>(c.variant)];
    if (*c.error != 0) *out << " error " << test::CaseText(c.error);
    for (const auto& [key, value] : c.stored) *out << " " << key << "=" << test::CaseText(value);
}

class FormatResultTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, ShowsTheExpectedText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatResult(c.r, c.variant, c.error, SettingsFrom(c.stored), test::EnglishLocale()), c.expected);
}

constexpr auto kGeneral = FormatVariant::kGeneral;
constexpr auto kSymbolsFirst = FormatVariant::kSymbolsFirst;
constexpr auto kFixedOnly = FormatVariant::kFixedOnly;

INSTANTIATE_TEST_SUITE_P(Standard, FormatResultTest,
                         testing::Values(FormatCase{2e12, kGeneral, "", {}, ">>"},
                                         FormatCase{1e12, kGeneral, "", {}, "1.000000e+012"},
                                         FormatCase{1e-9, kGeneral, "", {}, "1.000000e-009"},
                                         FormatCase{5e-7, kGeneral, "", {}, "5.000000e-007"},
                                         FormatCase{0.5, kGeneral, "", {}, "0.500000"},
                                         FormatCase{999999999, kGeneral, "", {}, "999,999,999.000000"},
                                         FormatCase{1e9, kGeneral, "", {}, "1.000000e+009"},
                                         FormatCase{1234.5, kGeneral, "", {}, "1,234.500000"},
                                         FormatCase{1.2345678901e10, kGeneral, "", {}, "1.234568e+010"},
                                         FormatCase{1e-6, kGeneral, "", {}, "1.000000e-006"},
                                         FormatCase{1.5e100, kGeneral, "", {{"Max", "1e300"}}, "1.500000e+100"},
                                         FormatCase{1234.5, kGeneral, "", {{"Seperator", "0"}}, "1234.500000"},
                                         FormatCase{3.14159, kGeneral, "", {{"Decimal", "2"}}, "3.14"},
                                         FormatCase{2.5, kGeneral, "", {{"Decimal", "0"}}, "3"},
                                         FormatCase{1.7e-7, kGeneral, "", {{"Decimal", "0"}}, "2e-007"}));

INSTANTIATE_TEST_SUITE_P(ErrorsAndOrder, FormatResultTest,
                         testing::Values(
                             // An evaluation error replaces the number, but a symbol still replaces the error.
                             FormatCase{5, kGeneral, " Divide by zero!", {}, "Error"},
                             FormatCase{1e-10, kGeneral, "x", {}, "<<"}, FormatCase{0, kGeneral, "x", {}, "Error"},
                             FormatCase{5e12, kGeneral, "x", {}, ">>"},
                             // The error text counts for the general method only.
                             FormatCase{5, kSymbolsFirst, "x", {}, "5.000000"},
                             // A numeric symbol is grouped only when symbols come before grouping.
                             FormatCase{1e-10, kGeneral, "", {{"SmallSymbol", "10000"}}, "10000"},
                             FormatCase{1e-10, kSymbolsFirst, "", {{"SmallSymbol", "10000"}}, "10,000.000000"},
                             // Not a number: Min 0 makes nothing small.
                             FormatCase{1e-300, kGeneral, "", {{"Min", "abc"}}, "1.000000e-300"},
                             FormatCase{0.5, kGeneral, "", {{"ExpMin", ""}}, "0.500000"}));

INSTANTIATE_TEST_SUITE_P(FixedOnly, FormatResultTest,
                         testing::Values(FormatCase{1e-10, kFixedOnly, "", {}, "<<"},
                                         FormatCase{5e-7, kFixedOnly, "", {}, "0.000001"},
                                         FormatCase{1234.5, kFixedOnly, "", {}, "1,234.500000"},
                                         FormatCase{5e10, kFixedOnly, "", {}, "50,000,000,000.000000"},
                                         FormatCase{2e12, kFixedOnly, "", {}, ">>"},
                                         // The symbols test the number as printed: 0.4999999 prints as 0.500000.
                                         FormatCase{0.4999999, kFixedOnly, "", {{"Min", "0.5"}}, "0.500000"},
                                         FormatCase{0.4999999, kGeneral, "", {{"Min", "0.5"}}, "<<"},
                                         FormatCase{kInf, kFixedOnly, "", {}, ">>"},
                                         FormatCase{kNan, kFixedOnly, "", {}, "nan"},
                                         FormatCase{3.14159, kFixedOnly, "x", {{"Decimal", "3"}}, "3.142"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, FormatResultTest,
                         testing::Values(FormatCase{kNan, kGeneral, "", {}, "nan"},
                                         FormatCase{kNan, kSymbolsFirst, "", {}, "nan"},
                                         FormatCase{kInf, kGeneral, "", {}, ">>"},
                                         FormatCase{-kInf, kGeneral, "", {}, ">>"},
                                         FormatCase{kInf, kGeneral, "", {{"Max", "1e999"}}, "inf"},
                                         FormatCase{-kInf, kSymbolsFirst, "", {{"Max", "1e999"}}, "-inf"}));

// The symbols stand for magnitudes too small or too large to show, in every variant: zero and
// negative values are printed like positive ones. Zero, and whatever rounds to it, is a plain
// unsigned zero in fixed notation.
INSTANTIATE_TEST_SUITE_P(
    SignedValues, FormatResultTest,
    testing::Values(FormatCase{0, kGeneral, "", {}, "0.000000"}, FormatCase{-0.0, kGeneral, "", {}, "0.000000"},
                    FormatCase{-0.0, kSymbolsFirst, "", {}, "0.000000"},
                    FormatCase{-1e-7, kGeneral, "", {{"Min", "0"}, {"ExpMin", "0"}}, "0.000000"},
                    FormatCase{-0.4, kSymbolsFirst, "", {{"Decimal", "0"}}, "0"},
                    FormatCase{0, kFixedOnly, "", {}, "0.000000"}, FormatCase{-3, kGeneral, "", {}, "-3.000000"},
                    FormatCase{-40, kSymbolsFirst, "", {}, "-40.000000"},
                    FormatCase{-1234.5, kFixedOnly, "", {}, "-1,234.500000"},
                    FormatCase{-1e-10, kGeneral, "", {}, "<<"}, FormatCase{-1e-10, kSymbolsFirst, "", {}, "<<"},
                    FormatCase{-1e-10, kFixedOnly, "", {}, "<<"}, FormatCase{-2e12, kGeneral, "", {}, ">>"},
                    FormatCase{-2e12, kSymbolsFirst, "", {}, ">>"}, FormatCase{-2e12, kFixedOnly, "", {}, ">>"},
                    FormatCase{-1e-9, kGeneral, "", {}, "-1.000000e-009"},
                    FormatCase{-1e12, kSymbolsFirst, "", {}, "-1.000000e+012"},
                    // Negative bounds make nothing small; a negative Max makes every value big.
                    FormatCase{1e-10, kGeneral, "", {{"Min", "-1"}}, "1.000000e-010"},
                    FormatCase{-5, kSymbolsFirst, "", {{"Max", "-1"}}, ">>"}));

// A stored "Decimal" is only ever a count: too many places give the most shown, hostile or
// malformed texts fall back to six places.
struct DecimalCase {
    const char* stored;
    int expected;
};

void PrintTo(const DecimalCase& c, std::ostream* out) { *out << test::CaseText(c.stored); }

class DecimalSettingTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalSettingTest, IsSanitised) {
    const FormatSettings settings = SettingsFrom({{"Decimal", GetParam().stored}});
    EXPECT_EQ(settings.decimals, GetParam().expected);
    EXPECT_EQ(PrintFixed(1.0, settings.decimals).size(), GetParam().expected == 0 ? 1u : 2u + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalSettingTest,
                         testing::Values(DecimalCase{"2", 2}, DecimalCase{"0", 0}, DecimalCase{"30", 30},
                                         DecimalCase{"06", 6}, DecimalCase{"31", 30}, DecimalCase{"40", 30},
                                         DecimalCase{"-1", 6}, DecimalCase{"6f%s%n", 6}, DecimalCase{"%n", 6},
                                         DecimalCase{"", 6}, DecimalCase{" 3", 6}, DecimalCase{"2.5", 6},
                                         DecimalCase{"99999999999", 30}));

TEST(FormatSettingsTest, DefaultsWhenTheProfileIsEmpty) {
    const FormatSettings settings = SettingsFrom({});
    EXPECT_EQ(settings.min, 1e-9);
    EXPECT_EQ(settings.max, 1e12);
    EXPECT_EQ(settings.smallSymbol, "<<");
    EXPECT_EQ(settings.bigSymbol, ">>");
    EXPECT_EQ(settings.decimals, 6);
    EXPECT_EQ(settings.expMin, 1e-6);
    EXPECT_EQ(settings.expMax, 1e9);
    EXPECT_TRUE(settings.grouping);
}

TEST(FormatSettingsTest, ReadsWhatIsStored) {
    const FormatSettings settings = SettingsFrom({{"Min", " 0.5xyz"},
                                                  {"Max", "2E3"},
                                                  {"SmallSymbol", "tiny"},
                                                  {"BigSymbol", ""},
                                                  {"ExpMin", "-"},
                                                  {"ExpMax", "1e999"},
                                                  {"Seperator", "2"}});
    EXPECT_EQ(settings.min, 0.5);
    EXPECT_EQ(settings.max, 2000);
    EXPECT_EQ(settings.smallSymbol, "tiny");
    EXPECT_EQ(settings.bigSymbol, "");
    EXPECT_EQ(settings.expMin, 0);
    EXPECT_TRUE(std::isinf(settings.expMax));
    EXPECT_FALSE(settings.grouping);
}

// The printed decimal mark is "." whatever the process locale says.
TEST(ProcessLocaleTest, DoesNotChangeThePrintedMark) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr) GTEST_SKIP() << "no German locale installed";
    const std::string fixed = PrintFixed(1234.5, 2);
    const std::string scientific = PrintScientific(1.5e12, 6);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(fixed, "1234.50");
    EXPECT_EQ(scientific, "1.500000e+012");
}

struct PrintCase {
    double r;
    int decimals;
    std::string fixed;
    std::string scientific;
};

void PrintTo(const PrintCase& c, std::ostream* out) {
    *out << test::CaseNumber(c.r) << " to " << c.decimals << " places";
}

class PrintTest : public testing::TestWithParam<PrintCase> {};

TEST_P(PrintTest, RoundsHalfUpFromTheShortestForm) {
    EXPECT_EQ(PrintFixed(GetParam().r, GetParam().decimals), GetParam().fixed);
    EXPECT_EQ(PrintScientific(GetParam().r, GetParam().decimals), GetParam().scientific);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PrintTest,
    testing::Values(PrintCase{5e-7, 6, "0.000001", "5.000000e-007"}, PrintCase{0.125, 2, "0.13", "1.25e-001"},
                    PrintCase{2.5, 0, "3", "3e+000"}, PrintCase{-2.5, 0, "-3", "-3e+000"},
                    PrintCase{9.9999996, 6, "10.000000", "1.000000e+001"}, PrintCase{999.5, 0, "1000", "1e+003"},
                    PrintCase{0.0004, 3, "0.000", "4.000e-004"}, PrintCase{0.0005, 3, "0.001", "5.000e-004"},
                    PrintCase{4e-7, 0, "0", "4e-007"}, PrintCase{0, 2, "0.00", "0.00e+000"},
                    PrintCase{-1e-10, 2, "0.00", "-1.00e-010"}, PrintCase{123456789, 1, "123456789.0", "1.2e+008"},
                    PrintCase{1.5e12, 6, "1500000000000.000000", "1.500000e+012"},
                    PrintCase{1.5e300, 1, "15" + std::string(299, '0') + ".0", "1.5e+300"},
                    PrintCase{-2.5e-300, 2, "0.00", "-2.50e-300"}, PrintCase{5e-324, 0, "0", "5e-324"},
                    PrintCase{1.0 / 3, 20, "0.33333333333333330000", "3.33333333333333300000e-001"}));

TEST(PrintNonFiniteTest, IsTheSameOnEveryPlatform) {
    EXPECT_EQ(PrintFixed(kInf, 6), "inf");
    EXPECT_EQ(PrintFixed(-kInf, 6), "-inf");
    EXPECT_EQ(PrintScientific(-kNan, 6), "nan");
    EXPECT_EQ(PrintFixed(kNan, 0), "nan");
    EXPECT_EQ(PrintFixed(std::numeric_limits<double>::max(), 30).size(), 309u + 1 + 30);
}

}  // namespace
}  // namespace quantora
