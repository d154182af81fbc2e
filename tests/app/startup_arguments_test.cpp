#include "app/startup_arguments.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

TEST(StartupArgumentsTest, OnlyAFileNameWithTheFormulaExtensionAfterItsFirstCharacterOpens) {
    const std::vector<std::pair<CommandLine, std::optional<std::string>>> cases{
        {{"quantora", "report.xpq"}, "report.xpq"},
        {{"quantora", "C:\\Formulas\\J\xC3\xB6rg.xpq"}, "C:\\Formulas\\J\xC3\xB6rg.xpq"},
        {{"quantora", "report.xpq.bak"}, "report.xpq.bak"},
        {{"quantora", "--verbose", "report.xpq"}, "report.xpq"},
        {{"quantora", ".xpq"}, std::nullopt},
        {{"quantora", ".xpq.xpq"}, std::nullopt},
        {{"quantora", "REPORT.XPQ"}, std::nullopt},
        {{"quantora", "notes.txt", "report.xpq"}, std::nullopt},
        {{"quantora"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& [commandLine, formulaFile] : cases) {
        EXPECT_EQ(FormulaFileArgument(commandLine), formulaFile) << (commandLine.size() > 1 ? commandLine[1] : "");
    }
}

}  // namespace
}  // namespace quantora
