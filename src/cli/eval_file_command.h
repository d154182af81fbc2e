#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"

namespace quantora {

// `eval --file FILE`: what the formula window's Calculate shows for a formula file, with its x,
// its variables and its angle unit (the window's setting when the file holds none).
CliOutcome EvaluateFormulaFile(const CliArguments& arguments, const CliEnvironment& environment);

}  // namespace quantora
