#include "convert/number_systems.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/roman_numerals.h"
#include "convert/test_locales.h"
#include "support/case_names.h"

namespace quantora {
namespace {

using namespace number_system_row;

const NumberSystemTexts kAllErrors{"Error", "Error", "Error", "Error", "Error"};

struct RunCase {
    const char* typed;
    std::size_t sourceRow;
    NumberSystemTexts expected;
};

void PrintTo(const RunCase& c, std::ostream* out) {
    constexpr const char* kRows[] = {"binary", "decimal", "hexadecimal", "octal", "Roman"};
    *out << test::CaseText(c.typed) << " as ";
    if (c.sourceRow < std::size(kRows)) {
        *out << kRows[c.sourceRow];
    } else {
        *out << "row " << c.sourceRow;
    }
}

class NumberSystemsRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(NumberSystemsRunTest, WritesEveryRow) {
    const RunCase& c = GetParam();
    EXPECT_EQ(ConvertNumberSystems(c.typed, c.sourceRow, true, test::EnglishLocale()), c.expected);
}

const std::string k64Ones(64, '1');
const std::string k63Ones(63, '1');
const std::string kTwoTo63 = "1" + std::string(63, '0');
const std::string kPaddedOne = std::string(100, '0') + "1";

INSTANTIATE_TEST_SUITE_P(
    Readings, NumberSystemsRunTest,
    testing::Values(
        RunCase{"255", kDecimal, {"11111111", "255", "FF", "377", "CCLV"}},
        RunCase{"ff", kHexadecimal, {"11111111", "255", "FF", "377", "CCLV"}},
        RunCase{"FFzz", kHexadecimal, {"11111111", "255", "FF", "377", "CCLV"}},
        RunCase{"aB,c.9", kHexadecimal, {"101010111100", "2,748", "ABC", "5274", "MMDCCXLVIII"}},
        RunCase{"12.9", kDecimal, {"1100", "12", "C", "14", "XII"}},
        RunCase{"1,000", kDecimal, {"1111101000", "1,000", "3E8", "1750", "M"}},
        RunCase{"377", kOctal, {"11111111", "255", "FF", "377", "CCLV"}},
        RunCase{"101", kBinary, {"101", "5", "5", "5", "V"}}, RunCase{"xiv", kRoman, {"1110", "14", "E", "16", "XIV"}},
        RunCase{"MV_", kRoman, {"111110100000", "4,000", "FA0", "7640", "MV_"}},
        RunCase{"4000000", kDecimal, {"1111010000100100000000", "4,000,000", "3D0900", "17204400", "Error"}},
        RunCase{kPaddedOne.c_str(), kBinary, {"1", "1", "1", "1", "I"}},
        RunCase{"9223372036854775807",
                kDecimal,
                {k63Ones, "9,223,372,036,854,775,807", "7FFFFFFFFFFFFFFF", "777777777777777777777", "Error"}},
        RunCase{k63Ones.c_str(),
                kBinary,
                {k63Ones, "9,223,372,036,854,775,807", "7FFFFFFFFFFFFFFF", "777777777777777777777", "Error"}}));

INSTANTIATE_TEST_SUITE_P(Faults, NumberSystemsRunTest,
                         testing::Values(RunCase{"0", kDecimal, kAllErrors}, RunCase{"0", kBinary, kAllErrors},
                                         RunCase{"0", kHexadecimal, kAllErrors}, RunCase{"000", kOctal, kAllErrors},
                                         RunCase{"12a", kDecimal, kAllErrors}, RunCase{"-5", kDecimal, kAllErrors},
                                         RunCase{" 5", kDecimal, kAllErrors}, RunCase{"102", kBinary, kAllErrors},
                                         RunCase{"1.0", kBinary, kAllErrors}, RunCase{"78", kOctal, kAllErrors},
                                         RunCase{"zz", kHexadecimal, kAllErrors}, RunCase{".5", kDecimal, kAllErrors},
                                         RunCase{k64Ones.c_str(), kBinary, kAllErrors},
                                         RunCase{kTwoTo63.c_str(), kBinary, kAllErrors},
                                         RunCase{"9223372036854775808", kDecimal, kAllErrors},
                                         RunCase{"99999999999999999999", kDecimal, kAllErrors},
                                         RunCase{"8000000000000000", kHexadecimal, kAllErrors},
                                         RunCase{"1000000000000000000000", kOctal, kAllErrors},
                                         RunCase{"ABC", kRoman, kAllErrors}, RunCase{"v_", kRoman, kAllErrors},
                                         RunCase{"I_", kRoman, kAllErrors}, RunCase{"5", 7, kAllErrors}));

TEST(NumberSystemsTest, OverflowIsReportedAsOutOfRange) {
    EXPECT_EQ(ReadWholeNumber(kTwoTo63, kBinary).error, "Out of Range");
    EXPECT_EQ(ReadWholeNumber("9223372036854775808", kDecimal).error, "Out of Range");
    EXPECT_EQ(ReadWholeNumber("12a", kDecimal).error, "Letter Found");
    EXPECT_EQ(ReadWholeNumber("9223372036854775807", kDecimal).value, INT64_MAX);
}

TEST(NumberSystemsTest, DecimalRowFollowsTheLocaleAndTheSeparatorSetting) {
    EXPECT_EQ(ConvertNumberSystems("1234567", kDecimal, true, test::GermanLocale())[kDecimal], "1.234.567");
    EXPECT_EQ(ConvertNumberSystems("1234567", kDecimal, true, test::UngroupedLocale())[kDecimal], "1234567");
    EXPECT_EQ(ConvertNumberSystems("1234567", kDecimal, false, test::EnglishLocale())[kDecimal], "1234567");
}

struct RomanCase {
    std::int64_t value;
    const char* numeral;
};

void PrintTo(const RomanCase& c, std::ostream* out) { *out << c.value << " " << c.numeral; }

class RomanRoundTripTest : public testing::TestWithParam<RomanCase> {};

TEST_P(RomanRoundTripTest, WritesAndReadsBack) {
    EXPECT_EQ(ToRoman(GetParam().value), GetParam().numeral);
    EXPECT_EQ(FromRoman(GetParam().numeral), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Numerals, RomanRoundTripTest,
                         testing::Values(RomanCase{1, "I"}, RomanCase{4, "IV"}, RomanCase{9, "IX"},
                                         RomanCase{14, "XIV"}, RomanCase{40, "XL"}, RomanCase{90, "XC"},
                                         RomanCase{400, "CD"}, RomanCase{1994, "MCMXCIV"}, RomanCase{3999, "MMMCMXCIX"},
                                         RomanCase{4000, "MV_"}, RomanCase{9000, "MX_"}, RomanCase{40000, "X_L_"},
                                         RomanCase{49000, "X_L_MX_"}, RomanCase{1000000, "M_"},
                                         RomanCase{3999999, "M_M_M_C_M_X_C_MX_CMXCIX"}));

TEST(RomanTest, ToRomanRefusesWhatHasNoNumeral) {
    EXPECT_EQ(ToRoman(4000000), "Error");
    EXPECT_EQ(ToRoman(INT64_MAX), "Error");
    EXPECT_EQ(ToRoman(0), "Error");
    EXPECT_EQ(ToRoman(-5), "Error");
}

struct ParseCase {
    const char* text;
    std::int64_t expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << test::CaseText(c.text); }

class FromRomanTest : public testing::TestWithParam<ParseCase> {};

TEST_P(FromRomanTest, Reads) { EXPECT_EQ(FromRoman(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, FromRomanTest,
                         testing::Values(ParseCase{"iv", 4}, ParseCase{"mCmXcIv", 1994}, ParseCase{"IIII", 4},
                                         ParseCase{"IC", 99}, ParseCase{"VX", 5}, ParseCase{"IIX", 10},
                                         ParseCase{"mV_", 4000}, ParseCase{"M_M_M_M_", 4000000}, ParseCase{"", -1},
                                         ParseCase{"IVQ", -1}, ParseCase{"A", -1}, ParseCase{"h", -1},
                                         ParseCase{"x_", -1}, ParseCase{"_", -1}, ParseCase{"X ", -1},
                                         ParseCase{"V__", -1}));

}  // namespace
}  // namespace quantora
