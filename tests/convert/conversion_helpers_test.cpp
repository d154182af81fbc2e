#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/formula_parser.h"
#include "convert/evaluate_chain.h"
#include "convert/reference_factor.h"
#include "convert/trim_blanks.h"
#include "convert/unit_tables.h"

namespace quantora {
namespace {

struct ChainCase {
    const char* text;
    double expected;
};

TEST(EvaluateChainTest, WorksTermsStrictlyLeftToRight) {
    const std::vector<ChainCase> cases = {
        {"2+3*4", 20},
        {"", 0},
        {"1,5", 1},
        {"100*1.8+32", 212},
        {"-40*1.8+32", -40},
        {"212-32/1.8", 100},
        {"  7 *  2 - 4 ", 10},
        {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1*0+9", 9},
        {"1*1000R", 1000},
        {"1e3/4", 250},
        {"2.5E-1*4", 1},
        {"abc", 0},
        {"*", 0},
        {"5/0-1", INFINITY},
        {"1--2", 3},
    };
    for (const ChainCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(EvaluateChain(c.text), c.expected);
    }
}

TEST(EvaluateChainTest, ZeroDividedByZeroIsNotANumber) { EXPECT_TRUE(std::isnan(EvaluateChain("0/0"))); }

TEST(TrimBlanksTest, RemovesSpacesAndNonBreakingSpacesAtBothEnds) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"  EUR  ", "EUR"},
        {"\xA0USD\xA0 \xA0", "USD"},
        {"Swiss franc", "Swiss franc"},
        {"Swiss\xA0 franc ", "Swiss\xA0 franc"},
        {"\tEUR", "\tEUR"},
        {" \xA0 ", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(TrimBlanks(text), expected) << text;
}

struct FactorCase {
    const char* label;
    std::vector<test::UnitEntry> units;
    std::int32_t unitId;
    double x;
    std::optional<double> expected;
};

TEST(ReferenceFactorTest, FollowsTheChainToTheBaseUnit) {
    const std::vector<FactorCase> cases = {
        {"base unit", {{101, "m", "*1"}}, 101, 0, 1.0},
        {"one step", {{101, "m", "*1"}, {102, "km", "*1000"}}, 102, 0, 1000.0},
        {"two steps", {{101, "m", "*1"}, {102, "km", "*1000"}, {103, "Mm", "*1000", 102}}, 103, 0, 1e6},
        {"unknown id", {{101, "m", "*1"}}, 555, 0, 1.0},
        {"reference to an unknown id stops there", {{102, "km", "*1000", 777}}, 102, 0, 1000.0},
        {"first unit with the id wins", {{102, "a", "*2"}, {102, "b", "*3"}}, 102, 0, 2.0},
        {"sees x", {{102, "scaled", "*x"}}, 102, 7, 7.0},
        {"always in degrees", {{102, "sine", "*sin(90)"}}, 102, 0, 1.0},
        {"fault ignored", {{102, "bad", "*2)"}}, 102, 0, 2.0},
        {"self reference", {{102, "loop", "*2", 102}}, 102, 0, std::nullopt},
        {"two-unit cycle", {{102, "a", "*2", 103}, {103, "b", "*3", 102}}, 102, 0, std::nullopt},
    };
    FormulaParser parser;
    for (const FactorCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<UnitRecord> units = test::MakeUnits(1, c.units);
        EXPECT_EQ(ReferenceFactor(units, c.unitId, c.x, parser), c.expected);
    }
}

TEST(ReferenceFactorTest, AChainJustShorterThanTheLimitIsNoCycle) {
    std::vector<test::UnitEntry> entries;
    for (int i = 0; i < kMaxReferenceDepth; ++i) {
        const std::int32_t id = 200 + i;
        entries.push_back({id, "u" + std::to_string(i), "*2", i + 1 < kMaxReferenceDepth ? id + 1 : kBaseUnitId});
    }
    const std::vector<UnitRecord> units = test::MakeUnits(1, entries);
    FormulaParser parser;
    EXPECT_EQ(ReferenceFactor(units, 200, 0, parser), std::ldexp(1.0, kMaxReferenceDepth));
}

}  // namespace
}  // namespace quantora
