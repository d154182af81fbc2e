#include "convert/qt_number_locale.h"

#include <gtest/gtest.h>

#include "convert/group_digits.h"

namespace quantora {
namespace {

TEST(QtNumberLocaleTest, ReadsTheSeparatorsAndGroupingOfALocale) {
    const NumberLocale english = NumberLocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.decimalSeparator, ".");
    EXPECT_EQ(english.thousandsSeparator, ",");
    EXPECT_EQ(english.groupingSize, 3);
    EXPECT_EQ(english.negativePattern, NegativePattern::kLeadingMinus);

    const NumberLocale german = NumberLocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(GroupDigits("-1234.5", 2, german), "-1.234,50");
}

TEST(QtNumberLocaleTest, KeepsANonAsciiSeparatorAsUtf8) {
    const NumberLocale french = NumberLocaleFrom(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(french.decimalSeparator, ",");
    EXPECT_EQ(french.thousandsSeparator, QLocale(QLocale::French, QLocale::France).groupSeparator().toStdString());
    EXPECT_GT(french.thousandsSeparator.size(), 1u);
    EXPECT_EQ(french.groupingSize, 3);
}

TEST(QtNumberLocaleTest, TheUserLocaleFormatsANumber) {
    const NumberLocale user = UserNumberLocale();
    EXPECT_FALSE(user.decimalSeparator.empty());
    EXPECT_EQ(GroupDigits("12.5", 1, user), "12" + user.decimalSeparator + "5");
}

}  // namespace
}  // namespace quantora
