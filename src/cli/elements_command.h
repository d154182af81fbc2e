#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"

namespace quantora {

// quantora-cli elements [FILTER]: name and symbol of each element the filter keeps, tab-separated,
// in the list's order. With --details, every property of one element under the labels of the
// window: the element whose name equals FILTER without regard to case, else the only one it keeps.
CliOutcome RunElementsCommand(const CliArguments& arguments, const CliEnvironment& environment);

}  // namespace quantora
