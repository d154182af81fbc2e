#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quantora {
namespace {

struct ShapeCase {
    std::vector<std::string> args;
    CliCommand command;
    std::vector<std::string> operands;
};

TEST(CliArgumentsTest, ReadsCommandsAndOperands) {
    const std::vector<ShapeCase> cases = {
        {{"categories"}, CliCommand::kCategories, {}},
        {{"units", "Length"}, CliCommand::kUnits, {"Length"}},
        {{"convert", "-40", "C", "F"}, CliCommand::kConvert, {"-40", "C", "F"}},
        {{"convert", "5", "km"}, CliCommand::kConvert, {"5", "km"}},
        {{"eval", "--", "--x"}, CliCommand::kEval, {"--x"}},
        {{"--help", "frob"}, CliCommand::kHelp, {}},
        {{"units", "--help"}, CliCommand::kHelp, {}},
    };
    for (const ShapeCase& c : cases) {
        const ParsedCliArguments parsed = ParseCliArguments(c.args);
        ASSERT_TRUE(parsed.arguments) << c.args.front() << ": " << parsed.error;
        EXPECT_EQ(parsed.arguments->command, c.command) << c.args.front();
        EXPECT_EQ(parsed.arguments->operands, c.operands) << c.args.front();
    }
}

TEST(CliArgumentsTest, ReadsOptionsAnywhereInEitherForm) {
    const std::vector<std::string> convert = {"convert", "--data=/x y", "5",  "--category",
                                              "Length",  "km",          "mi", "--value-only"};
    const ParsedCliArguments parsedConvert = ParseCliArguments(convert);
    ASSERT_TRUE(parsedConvert.arguments) << parsedConvert.error;
    EXPECT_EQ(parsedConvert.arguments->dataFolder, "/x y");
    EXPECT_EQ(parsedConvert.arguments->category, "Length");
    EXPECT_TRUE(parsedConvert.arguments->valueOnly);
    EXPECT_EQ(parsedConvert.arguments->operands, (std::vector<std::string>{"5", "km", "mi"}));

    for (const auto& [word, unit] : std::vector<std::pair<std::string, int>>{{"deg", 1}, {"rad", 2}, {"grad", 3}}) {
        const std::vector<std::string> eval = {"eval", "--angle", word, "sin(x)", "--x=-2"};
        const ParsedCliArguments parsedEval = ParseCliArguments(eval);
        ASSERT_TRUE(parsedEval.arguments) << parsedEval.error;
        EXPECT_EQ(parsedEval.arguments->angleUnit, unit);
        EXPECT_EQ(parsedEval.arguments->x, "-2");
    }
}

struct ErrorCase {
    std::vector<std::string> args;
    const char* error;
};

TEST(CliArgumentsTest, RefusesMalformedCommandLines) {
    const std::vector<ErrorCase> cases = {
        {{}, "no command given"},
        {{"frob"}, "unknown command \"frob\""},
        {{"units"}, "units: wrong number of operands"},
        {{"convert", "5"}, "convert: wrong number of operands"},
        {{"convert", "5", "a", "b", "c"}, "convert: wrong number of operands"},
        {{"categories", "extra"}, "categories: wrong number of operands"},
        {{"--bogus", "categories"}, "unknown option --bogus"},
        {{"eval", "x", "--x"}, "--x needs a value"},
        {{"eval", "x", "--angle", "turns"}, "--angle takes deg, rad or grad, not \"turns\""},
        {{"categories", "--x", "1"}, "--x does not apply to categories"},
        {{"eval", "x", "--category", "Length"}, "--category does not apply to eval"},
        {{"convert", "5", "km", "--value-only"}, "--value-only needs a destination unit"},
    };
    for (const ErrorCase& c : cases) {
        const ParsedCliArguments parsed = ParseCliArguments(c.args);
        EXPECT_FALSE(parsed.arguments) << c.error;
        EXPECT_EQ(parsed.error, c.error);
    }
}

}  // namespace
}  // namespace quantora
