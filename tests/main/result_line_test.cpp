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
        {"nothing selected", 1, &kLength, std::nullopt, std::nullopt, {"", " = ", "", ""}},
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
