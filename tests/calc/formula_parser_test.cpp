#include "calc/formula_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "app/user_prompts.h"
#include "calc/function_list.h"

namespace quantora {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kDegrees = 1;
constexpr int kRadians = 2;
constexpr int kGrads = 3;
// Radians per unit of each angle mode.
constexpr double kPerDegree = kPi / 180;
constexpr double kPerGrad = 2.827433388230814 / 180;

const std::string kDivide = " Divide by zero!";
const std::string kNegative = " No SQRT from neg. values!";
const std::string kDomain = "General Parser Error blocked!";

std::string At(int position, const std::string& fault = "") {
    return "Error found on position " + std::to_string(position) + "!" + fault;
}

struct Case {
    std::string formula;
    double expected;
    std::string error = "";
    int unit = kDegrees;
    double x = 1.0;
};

void ExpectSameValue(double actual, double expected, const std::string& label) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << label << " gave " << actual;
    } else if (std::isinf(expected) || expected == 0.0) {
        EXPECT_EQ(actual, expected) << label;
    } else {
        EXPECT_DOUBLE_EQ(actual, expected) << label;
    }
}

void Check(const std::vector<Case>& cases) {
    FormulaParser parser;
    for (const Case& c : cases) {
        std::string error = "left over";
        const double value = parser.Evaluate(c.formula, c.x, error, c.unit);
        const std::string label = "\"" + c.formula + "\" unit " + std::to_string(c.unit) + " x " + std::to_string(c.x);
        ExpectSameValue(value, c.expected, label);
        EXPECT_EQ(error, c.error) << label;
    }
}

TEST(FormulaParserTest, GrammarAndFaultsOfTypedFormulas) {
    Check({
        {"", 0},
        {"2+", 2},
        {"2*", 0},
        {"(2+3", 5},
        {"2+3*4", 14},
        {"2^3^2", 64},
        {"-2^2", 4},
        {"2^-1", 0.5},
        {"2--3", 5},
        {"2*+3", 3},
        {"2#3", 2, At(2)},
        {"2pi", 2, At(2)},
        {"pi2", kPi},
        {"1/0", 1, kDivide},
        {"1/0+5/0", 6, kDivide},
        {"1/(2#)", 0.5, At(5)},
        {"sqrt(-4)", -4, kDomain},
        {"exp(41)", std::exp(41.0)},
        {"exp(42)", 42, kDomain},
        {"1/x", 8.507059173023462e37, "", kDegrees, 0.0},
        {"2,5*2", 5},
        {"[1+2]*{3}", 9},
        {"1 2", 12},
        {"1.2.3", 1.2},
        {"((1)+(2))", 3},
        {"(((x)))", 1},
        {"KGV(5)", 5},
        {"GGT(5)", 5},
        {"HEX(5)", 5},
        {"_c2", 299792458},
        {"I", 0, At(1)},
    });
}

TEST(FormulaParserTest, WhatAReviewerTriesNext) {
    Check({
        // Unbalanced or stray parentheses.
        {"((2+3", 5},
        {")2", 0, At(1)},
        {"2+3)", 5, At(4)},
        {"(2+3))", 5, At(6)},
        {"()", 0},
        {"2*()", 0},
        {"(1/0", 1, kDivide},
        {"1/0#", 1, At(4, kDivide)},
        // Operators without operands, and more than one prefix minus.
        {"--1", -1},
        {"-(-1)", 1},
        {"*2", 0},
        {"^2", 0},
        {"/2", 0},
        {"2^^2", 1},
        {"++2", 2},
        {"6/3/2", 1},
        {"2*3^2", 18},
        {"-x", -3, "", kDegrees, 3.0},
        {"2x", 2, At(2)},
        {"x*x", 4, "", kDegrees, 2.0},
        // The last fault of an evaluation is the one reported.
        {"sqrt(-1)+1/0", 0, kDivide},
        {"1/0+sqrt(-1)", 0, kDomain},
        {"0/0", 0, kDivide},
        // Numbers: a lone point, a trailing point, points in a row, the comma as decimal point.
        {".", 0},
        {"5.", 5},
        {".5", 0.5},
        {"..5", 0},
        {"1,5+0,25", 1.75},
        {"007", 7},
        // White space other than blanks survives only inside the text.
        {"\t1\n", 1},
        {"1\t+2", 1, At(2)},
        {std::string("1\0", 2), 1, At(2)},
        {"|x|", -2, "", kDegrees, -2.0},
        // Slots read 0 until stored; letters past H are not slots.
        {"a+b+h", 0},
        {"i", 0, At(1)},
        {"ab", 0, At(2)},
        // x of exactly 0 (either sign) is the smallest normal float.
        {"x", 1.1754943508222875e-38, "", kDegrees, 0.0},
        {"x", 1.1754943508222875e-38, "", kDegrees, -0.0},
        {"0^x", 0, kNegative, kDegrees, 0.0},
    });
}

TEST(FormulaParserTest, PowerRuleForZeroAndNegativeBases) {
    Check({
        {"0^2", 0},
        {"(-2)^3", -8},
        {"(-2)^-2", 0.25},
        {"0^1", 0, kNegative},
        {"0^0.5", 0, kNegative},
        {"(-2)^1", -2, kNegative},
        {"(-8)^(1/3)", -8, kNegative},
        {"(-2)^2.5", -2, kNegative},
        {"(-2)^3000000000", -2, kNegative},
        {"4^0.5", 2},
        {"2^0", 1},
    });
}

TEST(FormulaParserTest, HugeAndTinyNumbersGoToInfinityAndZero) {
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    Check({
        {huge, kInf},
        {"-" + huge, -kInf},
        {tiny, 0},
        {"1" + std::string(308, '0'), 1e308},
        {"0.000000000000000000001", 1e-21},
        {"10^400", kInf},
        {"1/10^400", 0},
        {"(-10)^401", -kInf},
        {"0.5^2000", 0},
        {"_c^40", kInf},
        {huge + "-" + huge, std::nan("")},
        {"sinh(1000)", kInf, "", kRadians},
        {"exp(-1000)", 0},
        {"ln(0)", -kInf},
        {"log(0)", -kInf},
        {"int(3e9)", 3, At(6)},
        {"int(" + huge + ")", -2147483648.0},
        {"int(-2147483648)", -2147483648.0},
        {"int(2147483647.9)", 2147483647.0},
    });
}

TEST(FormulaParserTest, NamesMatchLongestFirstAndIgnoreCase) {
    Check({
        {"_c", 299792458},
        {"_C", 299792458},
        {"_c()", 299792458},
        {"_c*2", 2 * 299792458.0},
        {"2*_c", 2 * 299792458.0},
        {"_c/_c", 1},
        {"_m_e_kg*_c^2", 9.1093897e-31 * 299792458.0 * 299792458.0},
        {"_h_BAR_MeVs", 6.582122e-22},
        {"_h_BAR", 1.05457266e-34},
        {"_h", 6.6260755e-34},
        {"_hBARc2", 0.38937966},
        {"_hBARc", 197.327053},
        {"_K_B_EV", 8.617385e-05},
        {"_K_B", 1.380658e-23},
        {"_k_b*300", 1.380658e-23 * 300},
        {"_G_SI", 6.67259e-11},
        {"_G_S", 0.117},
        {"_alpha", 7.29735308e-3},
        {"_q", 0, At(1)},
        {"SIN(X)", std::sin(30 * kPerDegree), "", kDegrees, 30},
        {"Sin(x)", std::sin(30 * kPerDegree), "", kDegrees, 30},
        {"sinh(1)", std::sinh(kPerDegree)},
        {"sech(0)", 1},
        {"sec(60)", 1 / std::cos(60 * kPerDegree)},
        {"arcsinh(1)", std::asinh(1.0), "", kRadians},
        {"sincosx", std::sin(std::cos(kPerDegree) * kPerDegree)},
        {"sin-1", -1},
        {"pi", kPi},
        {"pi*2", 2 * kPi},
        {"sq", 0, At(1)},
        {"sqrt", 0},
        {"sqrt16", 4},
        {"sqrt(16)+sqrt9", 7},
        {"abs-3", -3},
        {"abs(-3)", 3},
        {"lnexp(2)", 2},
        {"-sqrt(4)^2", 4},
    });
}

TEST(FormulaParserTest, AnglesInEveryUnit) {
    const struct {
        double perUnit;
        int unit;
    } units[] = {{kPerDegree, kDegrees}, {1.0, kRadians}, {kPerGrad, kGrads}};
    for (const auto& u : units) {
        Check({
            {"sin(90)", std::sin(90 * u.perUnit), "", u.unit},
            {"cos(60)*2", std::cos(60 * u.perUnit) * 2, "", u.unit},
            {"tan(30)", std::tan(30 * u.perUnit), "", u.unit},
            {"cot(30)", std::cos(30 * u.perUnit) / std::sin(30 * u.perUnit), "", u.unit},
            {"csc(30)", 1 / std::sin(30 * u.perUnit), "", u.unit},
            {"csc(0)", 0, kDomain, u.unit},
            {"cot(0)", kInf, "", u.unit},
            {"sinh(1)", std::sinh(u.perUnit), "", u.unit},
            {"cosh(2)", std::cosh(2 * u.perUnit), "", u.unit},
            {"tanh(2)", std::tanh(2 * u.perUnit), "", u.unit},
            {"csch(2)", 1 / std::sinh(2 * u.perUnit), "", u.unit},
            {"coth(2)", 1 / std::tanh(2 * u.perUnit), "", u.unit},
            {"csch(0)", kInf, "", u.unit},
            {"sinh(40708)", 40708, kDomain, u.unit},
            {"cosh(-40708)", -40708, kDomain, u.unit},
            {"sincosx", std::sin(std::cos(u.perUnit) * u.perUnit), "", u.unit},
            {"sin-1", -1, "", u.unit},
            {"arcsin(1)", std::asin(1.0) / u.perUnit, "", u.unit},
            {"arcsin(2)", 2, kDomain, u.unit},
            {"arccos(0)", std::acos(0.0) / u.perUnit, "", u.unit},
            {"arccos(-1.5)", -1.5, kDomain, u.unit},
            {"arctan(1)", std::atan(1.0) / u.perUnit, "", u.unit},
            {"arccot(0)", kPi / 2 / u.perUnit, "", u.unit},
            {"arccot(-0)", kPi / 2 / u.perUnit, "", u.unit},
            {"arccot(2)", std::atan(0.5) / u.perUnit, "", u.unit},
            {"arcsec(2)", std::acos(0.5) / u.perUnit, "", u.unit},
            {"arcsec(0)", 0, kDomain, u.unit},
            {"arcsec(0.5)", 0.5, kDomain, u.unit},
            {"arccsc(2)", std::asin(0.5) / u.perUnit, "", u.unit},
            {"arccsc(-0.5)", -0.5, kDomain, u.unit},
            {"arcsinh(-2)", std::asinh(-2.0) / u.perUnit, "", u.unit},
            {"arccosh(2)", std::acosh(2.0) / u.perUnit, "", u.unit},
            {"arccosh(0.5)", 0.5, kDomain, u.unit},
            {"arcsech(0.5)", std::acosh(2.0) / u.perUnit, "", u.unit},
            {"arcsech(1)", 0, "", u.unit},
            {"arcsech(0)", 0, kDomain, u.unit},
            {"arcsech(2)", 2, kDomain, u.unit},
            {"arccsch(2)", std::asinh(0.5) / u.perUnit, "", u.unit},
            {"arccsch(0)", 0, kDomain, u.unit},
            {"arctanh(0.5)", std::atanh(0.5) / u.perUnit, "", u.unit},
            {"arctanh(1)", 1, kDomain, u.unit},
            {"arccoth(2)", std::atanh(0.5) / u.perUnit, "", u.unit},
            {"arccoth(-1)", -1, kDomain, u.unit},
            // These ignore the angle unit.
            {"rad(180)", kPi, "", u.unit},
            {"deg(pi)", 180, "", u.unit},
            {"ln(_c)", std::log(299792458.0), "", u.unit},
        });
    }
    Check({
        {"arcsin(1)", 90},
        {"arcsin(1)", 1.5707963267948966, "", kRadians},
        {"arcsin(1)", 100, "", kGrads},
        {"sin(90)", 1},
        {"sin(100)", 1, "", kGrads},
        {"coth(1000)", 1, "", kRadians},
        {"sech(1000)", 0, "", kRadians},
    });
}

TEST(FormulaParserTest, RemainingFunctions) {
    Check({
        {"ln(-1)", -1, kDomain},
        {"log(1000)", 3},
        {"log(-0.5)", -0.5, kDomain},
        {"exp(1)", std::exp(1.0)},
        {"int(-2.7)", -2},
        {"int(2.7)", 2},
        {"sign(-5)", -1},
        {"sign(0)", 0},
        {"sign(x)", 1, "", kDegrees, 0.0},
        {"sign(7)", 1},
        {"abs(x)", 4, "", kDegrees, -4.0},
    });
}

TEST(FormulaParserTest, DeepNestingStopsAtTheLimit) {
    constexpr int kLimit = FormulaParser::kMaxNesting;
    const auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "1+(";
        return text + "1" + std::string(static_cast<std::size_t>(depth), ')');
    };
    std::string sines;
    for (int i = 0; i < 1'000'000 / 3; ++i) sines += "sin";
    Check({
        {nested(kLimit), kLimit + 1.0},
        {nested(kLimit + 1), kLimit + 1.0, At(3 * (kLimit + 1))},
        {std::string(1'000'000, '('), 0, At(kLimit + 1)},
        {std::string(1'000'000, '(') + "2" + std::string(1'000'000, ')'), 2},
        {sines + "x", 0, At(3 * kLimit + 1)},
        {"-" + sines, 0, At(3 * kLimit + 2)},
    });
}

TEST(FormulaParserTest, SlotsAreStoredThroughSetFunctConst) {
    class RecordingPrompts : public UserPrompts {
    public:
        void Message(std::string_view text, std::string_view) override { messages.emplace_back(text); }
        Answer Question(std::string_view, std::string_view, Buttons) override { return Answer::Ok; }
        void Beep() override {}
        std::vector<std::string> messages;
    } prompts;
    FormulaParser parser(&prompts);
    for (int i = 1; i <= 9; ++i) parser.SetFunctConst(i, i * 10.0);
    parser.SetFunctConst(0, 5.0);
    parser.SetFunctConst(10, 5.0);
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, "ProgrammError in SetFunctConst()"));
    std::string error;
    EXPECT_EQ(parser.Evaluate("a+B+c+d+e+f+g+H", 1, error, kDegrees), 360);
    EXPECT_EQ(error, "");
    EXPECT_EQ(parser.Evaluate("i", 1, error, kDegrees), 0);
    EXPECT_EQ(error, At(1));
    FormulaParser silent;
    silent.SetFunctConst(-1, 1.0);
    EXPECT_EQ(silent.Evaluate("a", 1, error, kDegrees), 0);
}

TEST(FormulaParserTest, ErrorTextIsClearedByEveryEvaluation) {
    FormulaParser parser;
    std::string error;
    parser.Evaluate("1/0", 1, error, kDegrees);
    EXPECT_EQ(error, kDivide);
    EXPECT_EQ(parser.Evaluate("", 1, error, kDegrees), 0);
    EXPECT_EQ(error, "");
    parser.Evaluate("2#", 1, error, kDegrees);
    EXPECT_EQ(parser.Evaluate("x*2", 4, error, kDegrees), 8);
    EXPECT_EQ(error, "");
}

// Each parser keeps its own scratch, so parsers on different threads do not disturb each other.
// A line of the window's function list that the parser could not read would insert a formula that
// always fails; each calculates for x inside its domain, one of 0.5 and 2 for every function offered.
TEST(FormulaParserTest, EveryFunctionListLineCalculates) {
    FormulaParser parser;
    for (const std::string& line : FunctionListLines()) {
        if (line.starts_with('-')) continue;
        std::string atHalf;
        std::string atTwo;
        parser.Evaluate(line, 0.5, atHalf, kRadians);
        parser.Evaluate(line, 2, atTwo, kRadians);
        EXPECT_TRUE(atHalf.empty() || atTwo.empty()) << line << ": " << atHalf << " / " << atTwo;
    }
}

TEST(FormulaParserTest, ParsersOnDifferentThreadsAgree) {
    const auto work = [](const std::string& formula, double expected, int* mismatches) {
        FormulaParser parser;
        std::string error;
        for (int i = 0; i < 20000; ++i) {
            if (parser.Evaluate(formula, 2, error, kDegrees) != expected || !error.empty()) ++*mismatches;
        }
    };
    int first = 0;
    int second = 0;
    std::thread a(work, "123456.789*x", 246913.578, &first);
    std::thread b(work, "0.000001+98765.4321", 0.000001 + 98765.4321, &second);
    a.join();
    b.join();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

}  // namespace
}  // namespace quantora
