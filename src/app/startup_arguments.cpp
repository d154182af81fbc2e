#include "app/startup_arguments.h"

#include <algorithm>
#include <string_view>

namespace quantora {

namespace {

constexpr std::string_view kFormulaExtension = ".xpq";

bool IsOption(const std::string& argument) { return argument.starts_with('-'); }

}  // namespace

std::optional<std::string> FormulaFileArgument(const CommandLine& commandLine) {
    if (commandLine.empty()) return std::nullopt;
    const auto fileName = std::find_if_not(commandLine.begin() + 1, commandLine.end(), IsOption);
    if (fileName == commandLine.end()) return std::nullopt;
    const std::size_t at = fileName->find(kFormulaExtension);
    if (at == std::string::npos || at == 0) return std::nullopt;
    return *fileName;
}

}  // namespace quantora
