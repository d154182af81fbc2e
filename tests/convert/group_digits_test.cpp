#include "convert/group_digits.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/test_locales.h"
#include "support/case_names.h"

namespace quantora {
namespace {

NumberLocale WithNegative(NegativePattern pattern) {
    NumberLocale locale = test::EnglishLocale();
    locale.negativePattern = pattern;
    return locale;
}

NumberLocale WithoutLeadingZero() {
    NumberLocale locale = test::GermanLocale();
    locale.leadingZero = false;
    return locale;
}

NumberLocale IndianStyle() {
    NumberLocale locale = test::EnglishLocale();
    locale.groupingSize = 2;
    locale.thousandsSeparator = "\xC2\xA0";  // a non-breaking space, as UTF-8
    return locale;
}

struct GroupCase {
    const char* text;
    int fractionDigits;
    NumberLocale locale;
    const char* expected;
};

void PrintTo(const GroupCase& c, std::ostream* out) {
    const NumberLocale& l = c.locale;
    *out << test::CaseText(c.text) << " to " << c.fractionDigits << " places, separators "
         << test::CaseText(l.decimalSeparator) << " " << test::CaseText(l.thousandsSeparator) << ", grouping "
         << l.groupingSize << (l.leadingZero ? "" : ", no leading zero") << ", negative pattern "
         << static_cast<int>(l.negativePattern);
}

class GroupDigitsTest : public testing::TestWithParam<GroupCase> {};

TEST_P(GroupDigitsTest, GivesTheLocaleForm) {
    const GroupCase& c = GetParam();
    EXPECT_EQ(GroupDigits(c.text, c.fractionDigits, c.locale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, GroupDigitsTest,
                         testing::Values(GroupCase{"1234.500000", 6, test::EnglishLocale(), "1,234.500000"},
                                         GroupCase{"1234.500000", 6, test::GermanLocale(), "1.234,500000"},
                                         GroupCase{"1234.500000", 6, test::UngroupedLocale(), "1234.500000"},
                                         GroupCase{"999999999.000000", 6, test::EnglishLocale(), "999,999,999.000000"},
                                         GroupCase{"123", 0, test::EnglishLocale(), "123"},
                                         GroupCase{"1234567", 0, test::GermanLocale(), "1.234.567"},
                                         GroupCase{"1234567", 0, IndianStyle(),
                                                   "1\xC2\xA0"
                                                   "23\xC2\xA0"
                                                   "45\xC2\xA0"
                                                   "67"},
                                         GroupCase{"-1234.5", 1, test::EnglishLocale(), "-1,234.5"},
                                         GroupCase{"0.500000", 6, WithoutLeadingZero(), ",500000"},
                                         GroupCase{"00012", 0, test::EnglishLocale(), "12"}));

INSTANTIATE_TEST_SUITE_P(Rounding, GroupDigitsTest,
                         testing::Values(GroupCase{"1234.5", 0, test::EnglishLocale(), "1,235"},
                                         GroupCase{"1234.44", 1, test::EnglishLocale(), "1,234.4"},
                                         GroupCase{"999.96", 1, test::EnglishLocale(), "1,000.0"},
                                         GroupCase{"12", 3, test::EnglishLocale(), "12.000"},
                                         GroupCase{"12.", 2, test::EnglishLocale(), "12.00"},
                                         // The count of places is taken from the locale's separator in the text.
                                         GroupCase{"1234,25", kFractionDigitsOfText, test::GermanLocale(), "1234,25"},
                                         GroupCase{"1234.25", kFractionDigitsOfText, test::GermanLocale(), "1.234"},
                                         GroupCase{"1234.25", kFractionDigitsOfText, test::EnglishLocale(),
                                                   "1,234.25"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentsAndNegatives, GroupDigitsTest,
    testing::Values(GroupCase{"1.234568e+010", 6, test::EnglishLocale(), "1.234568e+010"},
                    GroupCase{"1.234568e+010", 6, test::GermanLocale(), "1,234568e+010"},
                    GroupCase{"-5.000000e-007", 6, test::GermanLocale(), "-5,000000e-007"},
                    GroupCase{"-1234", 0, WithNegative(NegativePattern::kParentheses), "(1,234)"},
                    GroupCase{"-1234", 0, WithNegative(NegativePattern::kLeadingMinusSpace), "- 1,234"},
                    GroupCase{"-1234", 0, WithNegative(NegativePattern::kTrailingMinus), "1,234-"},
                    GroupCase{"-1234", 0, WithNegative(NegativePattern::kTrailingMinusSpace), "1,234 -"}));

// Texts that are no plain number come back unchanged.
INSTANTIATE_TEST_SUITE_P(
    Untouched, GroupDigitsTest,
    testing::Values(GroupCase{"", 6, test::EnglishLocale(), ""}, GroupCase{"<<", 6, test::EnglishLocale(), "<<"},
                    GroupCase{"Error", 6, test::EnglishLocale(), "Error"},
                    GroupCase{"inf", 6, test::EnglishLocale(), "inf"},
                    GroupCase{"-inf", 6, test::EnglishLocale(), "-inf"},
                    GroupCase{"nan", 6, test::EnglishLocale(), "nan"}, GroupCase{"e5", 0, test::EnglishLocale(), "e5"},
                    GroupCase{"+12", 0, test::EnglishLocale(), "+12"}, GroupCase{".5", 1, test::EnglishLocale(), ".5"},
                    GroupCase{"1 234", 0, test::EnglishLocale(), "1 234"},
                    GroupCase{"--1", 0, test::EnglishLocale(), "--1"}));

}  // namespace
}  // namespace quantora
