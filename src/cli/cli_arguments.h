#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quantora {

enum class CliCommand { kHelp, kCategories, kUnits, kConvert, kEval, kConstants, kElements, kUpdate };

// A command line of quantora-cli, checked for its shape: the operands each command takes and the
// options that belong to it. Texts are as the shell gave them (UTF-8).
struct CliArguments {
    CliCommand command = CliCommand::kHelp;
    std::vector<std::string> operands;
    std::optional<std::string> dataFolder;  // --data DIR
    std::optional<std::string> category;    // --category NAME
    bool valueOnly = false;                 // --value-only
    std::optional<std::string> x;           // --x X
    std::optional<int> angleUnit;           // --angle deg|rad|grad as 1, 2, 3
    // --file FILE: eval calculates that formula file.
    std::optional<std::string> formulaFile;
    bool details = false;                 // --details
    std::optional<std::string> server;    // --server URL
    std::optional<std::string> ratesUrl;  // --rates-url URL
};

// The parsed arguments, or the reason they make no command.
struct ParsedCliArguments {
    std::optional<CliArguments> arguments;
    std::string error;
};

// `args` are the words after the program name. An option takes its value as the next word or after
// "=" (--data=DIR); "--" ends the options, so a value may start with "--". Words with one dash
// ("-40") are operands.
ParsedCliArguments ParseCliArguments(std::span<const std::string> args);

// The text --help prints.
std::string CliUsage();

}  // namespace quantora
