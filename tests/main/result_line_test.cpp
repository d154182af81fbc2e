#include "main/result_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace quantora {
namespace {

using Row = std::optional<std::size_t>;

const std::vector<UnitRowTexts> kLength{{"Kilometer", "km", "5"}, {"Mile", "mi", "3.106856"}};
const std::vector<UnitRowTexts> kFunctions{
    {"Exponential", "exp(x)", "7.389056"}, {"Sine", "sin(x)", "0.034899"}, {"x", "x", "2"}, {"Square", "x^2+x", "6"}};

struct LineCase {
    const char* name;
    std::int32_t category;
    const std::vector<UnitRowTexts>* rows;
    Row source;
    Row destination;
    ResultLine expected;
};

TEST(ResultLineTest, ReadsAsSourceEqualsDestination) {
    const std::vector<LineCase> cases{
        {"ordinary pair", 1, &kLength, 0, 1, {"5", "Kilometer = ", "3.106856", "Mile"}},
        {"same unit both sides", 1, &kLength, 1, 1, {"3.106856", "Mile = ", "3.106856", "Mile"}},
        {"no destination selected", 1, &kLength, 0, std::nullopt, {"5", "Kilometer = ", "", ""}},
        {"nothing selected", 1, &kLength, std::nullopt, std::nullopt, {"", "", "", ""}},
        {"no source selected", 26, &kFunctions, std::nullopt, 1, {"", "", "", ""}},
        {"category 24 is ordinary", 24, &kFunctions, 2, 1, {"2", "x = ", "0.034899", "Sine"}},
        {"function of x: argument put in", 26, &kFunctions, 2, 1, {"sin(2)", "=", "0.034899", ""}},
        {"the x of exp stays", 25, &kFunctions, 2, 0, {"exp(2)", "=", "7.389056", ""}},
        {"every x replaced", 27, &kFunctions, 2, 3, {"2^2+2", "=", "6", ""}},
        {"destination named x: the source's form", 26, &kFunctions, 1, 2, {"sin(2)", "=", "0.034899", ""}},
        {"no argument row: x becomes empty", 26, &kLength, 0, 1, {"mi", "=", "3.106856", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildResultLine(c.category, *c.rows, c.source, c.destination), c.expected) << c.name;
    }
}

struct FitCase {
    const char* name;
    ResultLineWidths needs;
    int room;
    ResultLineWidths expected;
};

// Boxes of 80, 100, 80, 90 pixels; 360 pixels of room; unit labels never below 30 while room allows.
TEST(ResultLineTest, ValuesKeepTheirWidthAndUnitNamesGiveWay) {
    const ResultLineWidths boxes{80, 100, 80, 90};
    const std::vector<FitCase> cases{
        {"every text fits its box", {10, 100, 80, 5}, 360, boxes},
        {"the last unit takes what the others leave", {40, 200, 60, 50}, 360, {40, 200, 60, 60}},
        {"both names too long share in proportion", {60, 300, 60, 100}, 360, {60, 180, 60, 60}},
        {"a long name never squeezes a value", {100, 900, 100, 900}, 360, {100, 80, 100, 80}},
        {"values too long leave the units their least", {600, 50, 200, 50}, 360, {225, 30, 75, 30}},
        {"no room at all", {600, 50, 200, 50}, 40, {0, 20, 0, 20}},
    };
    for (const FitCase& c : cases) {
        const ResultLineWidths widths = FitResultLine(c.needs, boxes, c.room, 30);
        EXPECT_EQ(widths, c.expected) << c.name << ": " << widths.sourceValue << " " << widths.sourceUnit << " "
                                      << widths.destinationValue << " " << widths.destinationUnit;
    }
}

TEST(ResultLineTest, ArgumentSubstitutionLeavesExpAlone) {
    const std::vector<std::tuple<const char*, const char*, const char*>> cases{
        {"sin(x)", "30", "sin(30)"},
        {"exp(x)", "1.5", "exp(1.5)"},
        {"x*exp(x)/x", "3", "3*exp(3)/3"},
        {"exp(exp(x))", "x", "exp(exp(x))"},
        {"x", "", ""},
        {"log", "9", "log"},
    };
    for (const auto& [abbreviation, argument, expected] : cases) {
        EXPECT_EQ(SubstituteArgument(abbreviation, argument), expected) << abbreviation;
    }
}

}  // namespace
}  // namespace quantora
