#include "convert/unit_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "convert/unit_tables.h"

namespace quantora {
namespace {

using test::Rows;
using test::StoredSetting;
using test::UnitEntry;

constexpr std::int32_t kLength = 1;
constexpr std::int32_t kFirstExpression = category_id::kFirstExpression;
constexpr std::int32_t kAngleExpression = category_id::kFirstExpression + 1;

// One table per method: the units of the category, the source row, what is typed, and every row's text.
struct ConversionCase {
    const char* label;
    std::int32_t categoryId;
    std::vector<UnitEntry> units;
    std::size_t sourceRow;
    const char* typed;
    Rows expected;
    int angleMode = 1;
    std::vector<StoredSetting> stored = {};
};

void ExpectRows(const ConversionCase& c, const std::vector<TemperatureRecord>& temperatures = {},
                const std::vector<CurrencyRecord>& currencies = {}) {
    SCOPED_TRACE(c.label);
    const std::vector<UnitRecord> units = test::MakeUnits(c.categoryId, c.units);
    const ConversionInput input{.typed = c.typed,
                                .categoryId = c.categoryId,
                                .units = units,
                                .sourceRow = c.sourceRow,
                                .angleMode = static_cast<AngleUnit>(c.angleMode),
                                .temperatures = temperatures,
                                .currencies = currencies};
    const ConversionResult result = test::RunConversion(input, c.stored);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.rows, c.expected);
}

const std::vector<UnitEntry> kMetres = {
    {101, "metre", "*1"}, {102, "kilometre", "*1000"}, {103, "millimetre", "/1000"}};

TEST(GeneralConversionTest, ConvertsThroughTheBaseUnit) {
    const std::vector<UnitEntry> chained = {
        {101, "metre", "*1"}, {102, "kilometre", "*1000"}, {103, "megametre", "*1000", 102}};
    const std::vector<UnitEntry> withReciprocal = {{101, "metre", "*1"}, {102, "per metre", "*1R", 101, true}};
    const std::vector<ConversionCase> cases = {
        {"source row keeps the text", kLength, kMetres, 1, "5", {"5,000.000000", "5", "5,000,000.000000"}},
        {"settings come from the profile",
         kLength,
         kMetres,
         1,
         "5",
         {"5000.00", "5", "5000000.00"},
         1,
         {{"Seperator", "0"}, {"Decimal", "2"}}},
        {"lower-case e is a power of ten", kLength, kMetres, 0, "2e3", {"2e3", "2.000000", "2,000,000.000000"}},
        {"upper-case E is a power of ten", kLength, kMetres, 0, "2E3", {"2E3", "2.000000", "2,000,000.000000"}},
        {"negative exponent with either e", kLength, kMetres, 1, "5E-1", {"500.000000", "5E-1", "500,000.000000"}},
        {"typed text may be an expression", kLength, kMetres, 0, "2*3", {"2*3", "0.006000", "6,000.000000"}},
        {"reciprocal destination", kLength, withReciprocal, 0, "4", {"4", "0.250000"}},
        {"reciprocal source", kLength, withReciprocal, 1, "4", {"0.250000", "4"}},
        {"reference chain", kLength, chained, 2, "1", {"1,000,000.000000", "1,000.000000", "1"}},
        {"unknown reference counts as 1",
         kLength,
         {{101, "metre", "*1"}, {102, "odd", "*1000", 999}},
         1,
         "1",
         {"1,000.000000", "1"}},
        {"faulty destination shows Error in its row only",
         kLength,
         {{101, "metre", "*1"}, {102, "bad", "*2)"}, {103, "km", "*1000"}},
         0,
         "3000",
         {"3000", "Error", "3.000000"}},
        {"symbol replaces an error", kLength, {{101, "metre", "*1"}, {102, "bad", "*0)"}}, 0, "1", {"1", ">>"}},
        {"zero over zero prints nan",
         kLength,
         {{101, "metre", "*1"}, {102, "none", "*0"}, {103, "km", "*1000"}},
         0,
         "0",
         {"0", "nan", "0.000000"}},
        {"large results get the big symbol", kLength, kMetres, 1, "1e12", {">>", "1e12", ">>"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

// A typed value the evaluator cannot read gives no numbers; the source row still shows the text.
TEST(GeneralConversionTest, ATypedValueThatCannotBeReadShowsErrorInEveryOtherRow) {
    const std::vector<UnitEntry> faultySource = {{101, "metre", "*1"}, {102, "bad", "*2)"}, {103, "km", "*1000"}};
    const std::vector<ConversionCase> cases = {
        {"letters", kLength, kMetres, 0, "abc", {"abc", "Error", "Error"}},
        {"division by zero", kLength, kMetres, 1, "1/0", {"Error", "1/0", "Error"}},
        {"an E that is no exponent", kLength, kMetres, 0, "2E", {"2E", "Error", "Error"}},
        {"faulty source unit", kLength, faultySource, 1, "1", {"Error", "1", "Error"}},
        {"negative values are shown", kLength, kMetres, 1, "-2", {"-2,000.000000", "-2", "-2,000,000.000000"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

TEST(GeneralConversionTest, AReferenceCycleShowsErrorInsteadOfLooping) {
    const std::vector<UnitEntry> cycle = {{101, "metre", "*1"}, {102, "a", "*2", 103}, {103, "b", "*3", 102}};
    const std::vector<ConversionCase> cases = {
        {"destinations on the cycle", kLength, cycle, 0, "1", {"1", "Error", "Error"}},
        {"source on the cycle", kLength, cycle, 1, "1", {"Error", "1", "Error"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

// Kelvin is the base; every row's conversion text is an expression in the base value x.
const std::vector<UnitEntry> kExpressionTemperatures = {
    {101, "kelvin", "", 101, false, "x"},
    {102, "celsius", "*x-273.15", 101, false, "x+273.15"},
    {103, "fahrenheit", "*(x-273.15)*1.8+32", 101, false, "(x-32)/1.8+273.15"},
};

TEST(ExpressionConversionTest, EvaluatesRowsAtTheBaseValue) {
    std::vector<UnitEntry> faultyBase = kExpressionTemperatures;
    faultyBase[1].baseFormula = "x+)";
    std::vector<UnitEntry> infiniteBase = kExpressionTemperatures;
    infiniteBase[1].baseFormula = "x*10^400";
    std::vector<UnitEntry> faultyRow = kExpressionTemperatures;
    faultyRow[2].conversionText = "*(x-273.15))";
    const std::vector<UnitEntry> sine = {{101, "angle", "", 101, false, "x"}, {102, "sine", "*sin(x)"}};
    const std::vector<ConversionCase> cases = {
        {"from celsius", kFirstExpression, kExpressionTemperatures, 1, "100", {"373.150000", "100", "212.000000"}},
        {"from fahrenheit", kFirstExpression, kExpressionTemperatures, 2, "-40", {"233.150000", "-40.000000", "-40"}},
        {"faulty base formula", kFirstExpression, faultyBase, 1, "1", {"Error", "Error", "Error"}},
        {"infinite base value", kFirstExpression, infiniteBase, 1, "1", {"Error", "Error", "Error"}},
        {"faulty row", kFirstExpression, faultyRow, 1, "100", {"373.150000", "100", "Error"}},
        {"degrees", kAngleExpression, sine, 0, "90", {"90", "1.000000"}, 1},
        {"radians", kAngleExpression, sine, 0, "90", {"90", "0.893997"}, 2},
        {"grads", kAngleExpression, sine, 0, "100", {"100", "1.000000"}, 3},
        {"the first expression category ignores the angle mode",
         kFirstExpression,
         sine,
         0,
         "90",
         {"90", "1.000000"},
         2},
        {"reference factors stay in degrees",
         kAngleExpression,
         {{101, "angle", "", 101, false, "x"}, {102, "scaled", "*1", 103}, {103, "unit", "*sin(90)"}},
         0,
         "5",
         {"5", "1.000000", "0.893997"},
         2},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

const std::vector<UnitEntry> kTemperatureUnits = {{101, "Celsius", ""}, {102, "Fahrenheit", ""}, {103, "Kelvin", ""}};

TEST(TemperatureConversionTest, AppliesTheStoredFormulaLeftToRight) {
    const std::vector<TemperatureRecord> formulas = {
        test::MakeTemperature(101, 102, "*1.8+32"), test::MakeTemperature(102, 101, "-32/1.8"),
        test::MakeTemperature(101, 103, "+273.15"), test::MakeTemperature(102, 103, "-32/1.8+273.15")};
    const std::vector<ConversionCase> cases = {
        {"celsius to fahrenheit", 19, kTemperatureUnits, 0, "100", {"100", "212.000000", "373.150000"}},
        {"minus forty is shown", 19, kTemperatureUnits, 0, "-40", {"-40", "-40.000000", "233.150000"}},
        {"a numeric symbol is grouped",
         19,
         kTemperatureUnits,
         0,
         "1",
         {"1", "0.000000", "0.000000"},
         1,
         {{"SmallSymbol", "0"}, {"Min", "1e6"}}},
        {"fahrenheit back", 19, kTemperatureUnits, 1, "212", {"100.000000", "212", "373.150000"}},
        {"no formula shows Error", 19, kTemperatureUnits, 2, "5", {"Error", "Error", "5"}},
        {"symbols come before grouping", 19, kTemperatureUnits, 0, "1e4", {"1e4", "18,032.000000", "10,273.150000"}},
        {"typed text joins the chain", 19, kTemperatureUnits, 0, "50*2", {"50*2", "212.000000", "373.150000"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c, formulas);
}

TEST(TemperatureConversionTest, AFormulaFromTheSourceToItselfRewritesTheSourceRow) {
    ExpectRows({"self formula", 19, kTemperatureUnits, 0, "20", {"20.000000", "Error", "Error"}},
               {test::MakeTemperature(101, 101, "*1")});
}

TEST(ReciprocalPairConversionTest, ConvertsByWhichSideIsReciprocal) {
    const std::vector<UnitEntry> plain = {{101, "one", "*1"}, {102, "two", "*2"}};
    const std::vector<UnitEntry> mixed = {{101, "plain", "*1"}, {102, "reciprocal", "*1R", 101, true}};
    const std::vector<UnitEntry> bothReciprocal = {{101, "r1", "*1R", 101, true}, {102, "r2", "*2R", 101, true}};
    const std::vector<UnitEntry> referenced = {{101, "one", "*1"}, {102, "scaled", "*2", 103}, {103, "ten", "*10"}};
    const std::vector<UnitEntry> cycle = {{101, "one", "*1"}, {102, "a", "*2", 103}, {103, "b", "*3", 102}};
    const std::vector<ConversionCase> cases = {
        {"plain to plain", 23, plain, 0, "10", {"10", "5.000000"}},
        {"plain to reciprocal", 23, mixed, 0, "4", {"4", "25.000000"}},
        {"reciprocal to plain", 23, mixed, 1, "4", {"25.000000", "4"}},
        {"reciprocal to reciprocal", 23, bothReciprocal, 0, "4", {"4", "8.000000"}},
        {"fixed notation for large values",
         23,
         plain,
         1,
         "1e10",
         {"20,000,000,000.000000", "1e10"},
         1,
         {{"Max", "1e300"}}},
        {"tiny values read back as zero", 23, plain, 1, "1e-10", {"<<", "1e-10"}},
        {"rounding up keeps the value", 23, plain, 0, "10e-7", {"10e-7", "0.000001"}},
        {"typed text is a left-to-right chain", 23, plain, 0, "2+3*4", {"2+3*4", "10.000000"}},
        {"row reference factor sees the row's factor", 23, referenced, 0, "10", {"10", "50.000000", "1.000000"}},
        {"reference cycle", 23, cycle, 0, "10", {"10", "Error", "Error"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

TEST(CurrencyConversionTest, ConvertsThroughTheRates) {
    const std::vector<CurrencyRecord> rates = {test::MakeCurrency("EUR", 1.1), test::MakeCurrency("USD", 1.0),
                                               test::MakeCurrency("\xA0JPY ", 0.01), test::MakeCurrency("GBP", 1.2),
                                               test::MakeCurrency("ZERO", 0.0)};
    const std::vector<UnitEntry> three = {{101, "EUR", ""}, {102, "JPY", ""}, {103, "USD", ""}};
    const std::vector<UnitEntry> userDefined = {{101, "EUR", ""}, {102, "Half", "*0.5", 103}, {103, "USD", ""}};
    const std::vector<UnitEntry> noRate = {{101, "EUR", ""}, {102, "Orphan", "*2", 104}, {104, "Unknown", ""}};
    const std::vector<UnitEntry> zeroRate = {{101, "EUR", ""}, {102, "Orphan", "*2", 104}, {104, "ZERO", ""}};
    const std::vector<UnitEntry> paddedSource = {{101, "EUR", ""}, {102, "GBP\xA0 ", ""}, {103, "USD", ""}};
    const std::vector<UnitEntry> duplicate = {{101, "EUR", ""}, {102, "EUR ", ""}, {103, "USD", ""}};
    const std::vector<ConversionCase> cases = {
        {"ten euros in dollars", 28, three, 0, "10", {"10", "1,100.000000", "11.000000"}},
        {"padded unit name finds its rate", 28, paddedSource, 1, "10", {"10.909091", "10", "12.000000"}},
        {"user-defined destination", 28, userDefined, 0, "10", {"10", "22.000000", "11.000000"}},
        {"user-defined source", 28, userDefined, 1, "10", {"4.545455", "10", "5.000000"}},
        {"reference without a rate", 28, noRate, 0, "10", {"10", "Error", ">>"}},
        {"reference rate zero", 28, zeroRate, 0, "10", {"10", "Error", ">>"}},
        {"source without a rate", 28, noRate, 1, "10", {"Error", "10", "Error"}},
        {"a numeric symbol is grouped",
         28,
         three,
         0,
         "1",
         {"1", "0.000000", "0.000000"},
         1,
         {{"SmallSymbol", "0"}, {"Min", "1e6"}}},
        {"rows named like the source keep their text", 28, duplicate, 0, "10", {"10", std::nullopt, "11.000000"}},
        {"only the leading number counts", 28, three, 0, "10 euros*2", {"10 euros*2", "1,100.000000", "11.000000"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c, {}, rates);
}

TEST(NumberSystemsConversionTest, FiveFormsBecomeTheFiveRows) {
    const std::vector<UnitEntry> forms = {
        {101, "Binary", ""}, {102, "Decimal", ""}, {103, "Hexadecimal", ""}, {104, "Octal", ""}, {105, "Roman", ""}};
    const std::vector<ConversionCase> cases = {
        {"decimal source", 17, forms, 1, "255", {"11111111", "255", "FF", "377", "CCLV"}},
        {"grouped decimal row", 17, forms, 4, "MMXX", {"11111100100", "2,020", "7E4", "3744", "MMXX"}},
        {"unreadable text", 17, forms, 0, "12", {"Error", "Error", "Error", "Error", "Error"}},
    };
    for (const ConversionCase& c : cases) ExpectRows(c);
}

// A row is flagged by what happened to it, not by its text: a failed row may show a symbol, and a
// refused typed number fails every row but the source.
TEST(ConvertUnitsTest, EveryRowThatCouldNotBeComputedIsFlaggedWithItsReason) {
    const std::vector<UnitEntry> forms = {
        {101, "Binary", ""}, {102, "Decimal", ""}, {103, "Hexadecimal", ""}, {104, "Octal", ""}, {105, "Roman", ""}};
    const std::vector<UnitEntry> cycle = {{101, "metre", "*1"}, {102, "a", "*2", 103}, {103, "b", "*3", 102}};
    struct Case {
        const char* label;
        std::int32_t categoryId;
        std::vector<UnitEntry> units;
        std::size_t sourceRow;
        const char* typed;
        std::vector<bool> failed;
        const char* reason;
    };
    const Case cases[] = {
        {"faulty destination", kLength, {{101, "metre", "*1"}, {102, "bad", "*2)"}}, 0, "1", {false, true}, "Error"},
        {"failed row under a symbol",
         kLength,
         {{101, "metre", "*1"}, {102, "bad", "*0)"}},
         0,
         "1",
         {false, true},
         "Error"},
        {"typed number with no reading", kLength, kMetres, 1, "1.2.3", {true, false, true}, "not a number"},
        {"reference cycle", kLength, cycle, 0, "1", {false, true, true}, "circle"},
        {"no Roman numeral", 17, forms, 1, "4000000", {false, false, false, false, true}, "Roman"},
        {"nothing failed", kLength, kMetres, 0, "1", {false, false, false}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<UnitRecord> units = test::MakeUnits(c.categoryId, c.units);
        const ConversionInput input{.typed = c.typed,
                                    .categoryId = c.categoryId,
                                    .units = units,
                                    .sourceRow = c.sourceRow,
                                    .angleMode = AngleUnit::kDegrees,
                                    .temperatures = {},
                                    .currencies = {}};
        const ConversionResult result = test::RunConversion(input);
        ASSERT_EQ(result.failures.size(), c.failed.size());
        for (std::size_t row = 0; row < c.failed.size(); ++row) {
            EXPECT_EQ(result.failures[row].failed, c.failed[row]) << row;
            if (c.failed[row]) {
                EXPECT_NE(result.failures[row].reason.find(c.reason), std::string::npos) << row;
            }
        }
    }
}

TEST(ConvertUnitsTest, ComputesNothingWithoutTextOrSourceRow) {
    const std::vector<UnitRecord> units = test::MakeUnits(kLength, kMetres);
    struct Case {
        const char* label;
        const char* typed;
        std::optional<std::size_t> sourceRow;
    };
    for (const Case& c : {Case{"empty text", "", 0}, Case{"no source row", "5", std::nullopt},
                          Case{"source row past the table", "5", 3}}) {
        SCOPED_TRACE(c.label);
        const ConversionInput input{.typed = c.typed,
                                    .categoryId = kLength,
                                    .units = units,
                                    .sourceRow = c.sourceRow,
                                    .angleMode = AngleUnit::kDegrees,
                                    .temperatures = {},
                                    .currencies = {}};
        const ConversionResult result = test::RunConversion(input);
        EXPECT_FALSE(result.ran);
        EXPECT_TRUE(result.rows.empty());
    }
}

}  // namespace
}  // namespace quantora
