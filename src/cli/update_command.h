#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"

namespace quantora {

namespace cli_exit {
inline constexpr int kUpToDate = 4;
inline constexpr int kUpdateFailed = 5;
}  // namespace cli_exit

// `update [--server URL]`: the window's update run without a window. Status texts and progress go
// to stderr as the run makes them, so a script's log shows where a slow run is. Defined in
// update_command.cpp, or, in the static Linux quantora-cli, by a hand-over to quantora-cli-update.
CliOutcome RunUpdateCommand(const CliArguments& arguments, const CliEnvironment& environment);

}  // namespace quantora
