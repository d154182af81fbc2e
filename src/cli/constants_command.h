#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"

namespace quantora {

// The data folder a command reads: --data when given (UTF-8), else the one beside the program.
std::filesystem::path CommandDataFolder(const CliArguments& arguments, const CliEnvironment& environment);

// quantora-cli constants [FILTER]: one line for each constant the filter keeps, in the list's
// order: name, value and uncertainty separated by tabs, as stored.
CliOutcome RunConstantsCommand(const CliArguments& arguments, const CliEnvironment& environment);

}  // namespace quantora
