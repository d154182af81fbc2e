#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "calc/formula_files.h"
#include "calc/formula_record.h"
#include "cli/cli_commands.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

std::string WriteFormula(const test::TempFolder& folder, const std::string& name, const std::string& x,
                         const std::string& formula, const std::string& f, std::int32_t unit) {
    FormulaRecord record;
    EXPECT_EQ(record.x.Assign(x, "x"), std::nullopt);
    EXPECT_EQ(record.formula.Assign(formula, "formula"), std::nullopt);
    EXPECT_EQ(record.variables[0].Assign(f, "F"), std::nullopt);
    record.angleUnit = unit;
    EXPECT_EQ(WriteFormulaFile(folder / name, record), std::nullopt);
    return PathText(folder / name);
}

TEST(EvalFileCommand, PrintsWhatTheWindowsCalculateShows) {
    test::TempFolder folder;
    const std::string grads = WriteFormula(folder, "grads.xpq", "100", "F*sin(x)", "2", 3);
    const std::string unset = WriteFormula(folder, "unset.xpq", "", "sin(F)", "90", 0);
    const std::string fault = WriteFormula(folder, "fault.xpq", "1", "F#x", "2", 1);
    test::WriteBytes(folder / "short.xpq", std::vector<std::uint8_t>(FormulaRecord::kSize - 1, 0));
    struct Case {
        std::vector<std::string> args;
        std::string deg;
        int exitCode;
        std::string out;
        std::string err;
    };
    const std::vector<Case> cases{
        {{"eval", "--file", grads}, "1", 0, "2.000000\n", ""},
        {{"eval", "--file", grads, "--angle", "deg"}, "1", 0, "1.969616\n", ""},
        {{"eval", "--file", unset}, "2", 0, "0.893997\n", ""},
        {{"eval", "--file", unset}, "", 0, "1.000000\n", ""},
        {{"eval", "--file", fault}, "1", 1, "", "Error caculation at cursor position 2: 2 #x\n"},
        {{"eval", "--file", PathText(folder / "short.xpq")}, "1", 3, "", "is not a formula file"},
        {{"eval", "--file", PathText(folder / "missing.xpq")}, "1", 3, "", "missing.xpq"},
        {{"eval", "--file", grads, "1+1"}, "1", 2, "", "wrong number of operands"},
        {{"convert", "1", "m", "--file", grads}, "1", 2, "", "--file does not apply to convert"},
    };
    for (const Case& c : cases) {
        test::TestProfile profile;
        WriteSetting(profile.Store(), Setting::kDeg, c.deg);
        const CliOutcome outcome = RunCli(c.args, {profile.Store(), folder.Path(), {}});
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.args[2];
        EXPECT_EQ(outcome.out, c.out) << c.args[2];
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace quantora
