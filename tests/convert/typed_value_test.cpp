#include "convert/typed_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "convert/decimal_print.h"
#include "convert/number_format.h"
#include "convert/test_locales.h"

namespace quantora {
namespace {

NumberLocale FrenchLocale() { return {",", "\u202F", 3, true, NegativePattern::kLeadingMinus}; }
NumberLocale SwissLocale() { return {".", "\u2019", 3, true, NegativePattern::kLeadingMinus}; }

struct Locale {
    const char* name;
    NumberLocale locale;
};

const std::vector<Locale> kLocales = {{"C", test::UngroupedLocale()},
                                      {"English", test::EnglishLocale()},
                                      {"German", test::GermanLocale()},
                                      {"French", FrenchLocale()},
                                      {"Swiss", SwissLocale()}};

// Whatever the program prints, grouped or not, fixed or scientific, reads back as the number it
// printed, in every locale.
TEST(TypedValueTest, WhatTheProgramPrintsReadsBackAsTheSameNumber) {
    const double values[] = {1234.5, -1234567.891, 0.25, 100000, 3600, 999999999.999999, 1.5e15, 5e-7, 0};
    for (const Locale& l : kLocales) {
        for (const bool grouping : {true, false}) {
            for (const int decimals : {6, 3, 2, 0}) {
                FormatSettings settings{1e-300, 1e300, "<<", ">>", decimals, 1e-6, 1e9, grouping};
                for (const double r : values) {
                    const std::string shown = FormatResult(r, FormatVariant::kGeneral, "", settings, l.locale);
                    const bool scientific = r != 0 && (std::abs(r) >= 1e9 || std::abs(r) <= 1e-6);
                    const std::string plain = scientific ? PrintScientific(r, decimals) : PrintFixed(r, decimals);
                    const TypedValue read = ReadTypedValue(shown, l.locale);
                    EXPECT_EQ(read.text, plain) << l.name << " " << shown << " " << read.error;
                }
            }
        }
    }
}

struct ReadCase {
    const char* locale;
    const char* typed;
    const char* text;   // as the evaluator gets it; empty when the text is refused
    const char* error;  // a part of the reason when refused
};

TEST(TypedValueTest, ReadsTheLocalesFormAndRefusesWhatHasNoSingleReading) {
    const ReadCase cases[] = {
        {"English", "1,234.5", "1234.5", ""},
        {"English", "1,234", "1234", ""},
        {"English", "1,5", "1.5", ""},
        {"English", "0,25", "0.25", ""},
        {"English", "0,250", "0.250", ""},
        {"English", "2*1,234.5+sqrt(1,5)", "2*1234.5+sqrt(1.5)", ""},
        {"English", "log10(1,000)", "log10(1000)", ""},
        {"English", "1,23,4", "", "1,23,4 is not a number"},
        {"English", "1.2.3", "", "1.2.3 is not a number"},
        {"German", "1.234,5", "1234.5", ""},
        {"German", "-1.234.567,5", "-1234567.5", ""},
        {"German", "1,5", "1.5", ""},
        {"German", "1.5", "1.5", ""},
        {"German", "1,500000e+012", "1.500000e+012", ""},
        {"German", "1.234", "1234", ""},
        {"German", "12.5", "12.5", ""},
        {"German", "100,000.000000", "", "not a number in the form 1.234,5 or 1234.5"},
        {"French", "1 234,5", "1234.5", ""},
        {"French", "1\u00A0234\u202F567,5", "1234567.5", ""},
        {"French", "1,234", "1.234", ""},
        {"French", "2 * 3", "2 * 3", ""},
        {"Swiss", "1'234.5", "1234.5", ""},
        {"Swiss", "1\u2019234\u2019567", "1234567", ""},
        {"Swiss", "1,5", "1.5", ""},
        {"C", "1,5", "1.5", ""},
        {"C", "-1.5E-3x", "-1.5E-3x", ""},
        {"C", ",5", ".5", ""},
        {"C", "1,234.5", "", "1,234.5 is not a number in the form 1234.5"},
    };
    for (const ReadCase& c : cases) {
        const auto locale = std::find_if(kLocales.begin(), kLocales.end(),
                                         [&](const Locale& l) { return std::string(l.name) == c.locale; });
        const TypedValue read = ReadTypedValue(c.typed, locale->locale);
        EXPECT_EQ(read.text, c.text) << c.locale << " " << c.typed;
        EXPECT_NE(read.error.find(c.error), std::string::npos) << c.locale << " " << c.typed << ": " << read.error;
        EXPECT_EQ(read.error.empty(), *c.error == 0) << c.locale << " " << c.typed << ": " << read.error;
    }
}

}  // namespace
}  // namespace quantora
