#include "calc/formula_preprocessor.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

namespace quantora {
namespace {

// The normalisation written the plain way: twenty replace passes, then each reduction repeated
// until it no longer applies. The production code must give the same text for every input.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replace) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        out.append(text, from, at - from).append(replace);
        from = at + find.size();
    }
    return out.append(text, from);
}

bool Enclosed(const std::string& text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    int depth = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0) return false;
    }
    return true;
}

std::size_t Closing(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0) return i;
    }
    return std::string::npos;
}

bool RemoveOneDoubledPair(std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '(' || text[i + 1] != '(') continue;
        const std::size_t outer = Closing(text, i);
        const std::size_t inner = Closing(text, i + 1);
        if (outer == std::string::npos || inner == std::string::npos || inner + 1 != outer) continue;
        text.erase(inner, 1);
        text.erase(i + 1, 1);
        return true;
    }
    return false;
}

std::string ReferencePreprocess(std::string text) {
    static const std::pair<const char*, const char*> kPasses[] = {
        {" ", ""},
        {",", "."},
        {"[", "("},
        {"]", ")"},
        {"{", "("},
        {"}", ")"},
        {"*(1)", ""},
        {"(1)*", ""},
        {"*(x)", "*x"},
        {"((x)*", "(x*"},
        {"+(x)*", "+x*"},
        {"-(x)*", "-x*"},
        {"*(x)*", "*x*"},
        {"(sin(x))", "sin(x)"},
        {"(cos(x))", "cos(x)"},
        {"(cot(x))", "cot(x)"},
        {"(tan(x))", "tan(x)"},
        {"(exp(x))", "exp(x)"},
        {"(log(x))", "log(x)"},
        {"(ln(x))", "ln(x)"},
    };
    for (const auto& [find, replace] : kPasses) text = ReplaceAll(text, find, replace);
    while (Enclosed(text)) text = text.substr(1, text.size() - 2);
    while (!text.empty() && (text.front() == '+' || text.front() == ' ')) text.erase(0, 1);
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    text = first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\n\v\f\r") + 1 - first);
    while (RemoveOneDoubledPair(text)) {
    }
    std::erase(text, '|');
    return text;
}

TEST(FormulaPreprocessorTest, GivesTheExpectedText) {
    const struct {
        const char* formula;
        const char* expected;
    } cases[] = {
        {"", ""},
        {" 1 , 5 ", "1.5"},
        {"[1+2]*{3}", "(1+2)*(3)"},
        {"5*(1)", "5"},
        {"(1)*5", "5"},
        {"5 * ( 1 )", "5"},
        {"2*(x)+1", "2*x+1"},
        {"((x)*2+1)", "x*2+1"},
        {"((x)*2)", "x*2"},
        {"1-(x)*2", "1-x*2"},
        {"2*(x)*3", "2*x*3"},
        {"(sin(x))", "sin(x)"},
        {"(ln(x))*2", "ln(x)*2"},
        {"((x+1))", "x+1"},
        {"(((x)))", "x"},
        {"sin((x))", "sin(x)"},
        {"1+((a)+(b))", "1+((a)+(b))"},
        {"1+(((a)))", "1+(a)"},
        {"((1)+(2))", "(1)+(2)"},
        {"((a)", "(a"},
        {"()", ""},
        {"(())", ""},
        {"(2+3))", "(2+3))"},
        {"++2", "2"},
        {"(+2)", "2"},
        {"+ +(2)", "(2)"},
        {"\t1\n", "1"},
        {"|x|", "x"},
        {"1+(|(x)|)", "1+((x))"},
        {"*(*(1)1)", "*(1)"},
        {"(*(1)1)*2", "2"},
        {"[[x]]", "x"},
    };
    FormulaPreprocessor preprocessor;
    for (const auto& c : cases) {
        EXPECT_EQ(preprocessor.Run(c.formula), c.expected) << c.formula;
        EXPECT_EQ(ReferencePreprocess(c.formula), c.expected) << c.formula;
    }
}

// Random texts built from the characters and fragments the passes look at, so that one pass
// feeding the next, enclosure and doubled pairs all occur often.
std::string RandomFormula(std::mt19937& random) {
    static const char* const kPieces[] = {"(",   ")",   "(",   ")",  "x",  "1",  "*",        "+",       "-",   " ",
                                          ",",   "[",   "]",   "{",  "}",  "|",  "\t",       "sin",     "cos", "ln",
                                          "exp", "(x)", "(1)", "*(", "((", "))", "(sin(x))", "(ln(x))", "2",   "a"};
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) text += kPieces[piece(random)];
    return text;
}

TEST(FormulaPreprocessorTest, AgreesWithThePlainPassesOnRandomFormulas) {
    std::mt19937 random(20240611);
    FormulaPreprocessor preprocessor;
    for (int i = 0; i < 200000; ++i) {
        const std::string formula = RandomFormula(random);
        ASSERT_EQ(preprocessor.Run(formula), ReferencePreprocess(formula)) << '"' << formula << '"';
    }
}

// Quadratic work on these would take hours; linear work takes milliseconds.
TEST(FormulaPreprocessorTest, MegabyteNestingIsReducedInOneSweep) {
    constexpr std::size_t kDepth = 1'000'000;
    FormulaPreprocessor preprocessor;
    const std::string enclosed = std::string(kDepth, '(') + "x+1" + std::string(kDepth, ')');
    EXPECT_EQ(preprocessor.Run(enclosed), "x+1");
    const std::string doubled = "2*" + std::string(kDepth, '(') + "x" + std::string(kDepth, ')');
    EXPECT_EQ(preprocessor.Run(doubled), "2*(x)");
    const std::string unbalanced = std::string(kDepth, '(') + "x)";
    EXPECT_EQ(preprocessor.Run(unbalanced), std::string(kDepth - 1, '(') + "x");
    preprocessor.ReleaseLargeBuffers();
    EXPECT_EQ(preprocessor.Run("(1+2)"), "1+2");
}

}  // namespace
}  // namespace quantora
