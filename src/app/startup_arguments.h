#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quantora {

// The command line the program was started with, as UTF-8 texts, the program's own name first.
using CommandLine = std::vector<std::string>;

// The formula file the command line names for the formula window to open at start-up. The file
// name is the first argument that is not an option ("-..."); it names a formula file when ".xpq"
// first appears in it after its first character (case-sensitive), so "report.xpq.bak" does and
// ".xpq" or "REPORT.XPQ" do not. Every other argument is ignored.
std::optional<std::string> FormulaFileArgument(const CommandLine& commandLine);

}  // namespace quantora
