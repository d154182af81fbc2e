#include "calc/formula_calculation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quantora {
namespace {

FormulaInputs Inputs(std::string formula, std::array<std::string, 7> variables = {}, std::string x = "") {
    return {std::move(x), std::move(formula), std::move(variables)};
}

TEST(FormulaCalculation, VariablesReplaceTheirLettersAsPlainText) {
    struct Case {
        FormulaInputs inputs;
        std::optional<std::string> substituted;
        std::string result;
    };
    std::string sum = "1";
    while (sum.size() + 2 < kMaxSubstitutedLength) sum += "+1";
    const Case cases[] = {
        {Inputs("F*2", {"2+3"}), "2+3*2", "8.000000"},
        {Inputs("2F"), "2", "2.000000"},
        {Inputs("F", {"J+1", "2"}), "2+1", "3.000000"},
        {Inputs("f*j", {"3", "4"}), "3*4", "12.000000"},
        // The small letter inside a name is replaced too, so the name no longer reads.
        {Inputs("_m_e_kg", {"", "", "", "7"}), "_7_e_g", "Error caculation at cursor position"},
        {Inputs("x*2", {}, "  3.5e1abc"), "x*2", "70.000000"},
        {Inputs("x+1", {}, "abc"), "x+1", "1.000000"},
        // Each variable holding the next many times: the text stops growing at the bound.
        {Inputs(std::string(1239, 'F'), {std::string(199, 'J'), std::string(199, 'K'), std::string(199, 'M'), "1+"}),
         std::nullopt, TooLongText()},
        {Inputs("F1", {sum}), sum + "1", "32778.000000"},
        {Inputs("F+1", {sum}), std::nullopt, TooLongText()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubstituteVariables(c.inputs.formula, c.inputs), c.substituted) << c.inputs.formula;
        FormulaParser parser;
        EXPECT_EQ(CalculateFormula(parser, c.inputs, 1).result, c.result) << c.inputs.formula;
    }
}

TEST(FormulaCalculation, AFaultPutsASelectedBlankBeforeTheReportedPlace) {
    struct Case {
        std::string formula;
        int position;
        FieldEdit marked;
    };
    const Case cases[] = {
        {"2#3", 2, {"2 #3", 1, 2}}, {"2#3", 1, {" 2#3", 0, 1}}, {"1/0", 0, {" 1/0", 0, 0}},
        {"2#3", 3, {"2# 3", 2, 3}}, {"2#3", 4, {"2#3 ", 3, 4}}, {"2#3", 40, {"2#3 ", 3, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MarkErrorPosition(c.formula, c.position), c.marked) << c.formula << " at " << c.position;
    }
}

TEST(FormulaCalculation, ThePlaceIsTheNumberTheFaultTextNames) {
    const std::pair<const char*, int> cases[] = {
        {"Error found on position 2!", 2},
        {"Error found on position 17!", 17},
        {" Divide by zero!", 0},
        {"General Parser Error blocked!", 0},
        {"", 0},
    };
    for (const auto& [error, position] : cases) EXPECT_EQ(ErrorPosition(error), position) << error;
}

TEST(FormulaCalculation, FaultsShowTheMarkedFormula) {
    FormulaParser parser;
    const CalculationOutcome syntax = CalculateFormula(parser, Inputs("2#3"), 1);
    EXPECT_TRUE(syntax.failed);
    EXPECT_EQ(syntax.result, "Error caculation at cursor position");
    EXPECT_EQ(syntax.marked, (FieldEdit{"2 #3", 1, 2}));
    const CalculationOutcome division = CalculateFormula(parser, Inputs("1/0"), 1);
    EXPECT_EQ(division.marked, (FieldEdit{" 1/0", 0, 0}));
    EXPECT_FALSE(CalculateFormula(parser, Inputs(""), 0).failed);
}

}  // namespace
}  // namespace quantora
