#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "app/profile_store.h"
#include "convert/number_locale.h"

namespace quantora {

namespace cli_exit {
inline constexpr int kSuccess = 0;
inline constexpr int kCalculationError = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kDataError = 3;
}  // namespace cli_exit

// What the platform gives the command line: the window's profile, the data folder beside the
// program and the user's way of writing numbers.
struct CliEnvironment {
    const ProfileStore& profile;
    std::filesystem::path dataFolder;
    NumberLocale locale;
};

// What a run prints (UTF-8) and the process's exit code.
struct CliOutcome {
    int exitCode = cli_exit::kSuccess;
    std::string out;
    std::string err;
};

// Runs one command line of quantora-cli; `args` are the words after the program name.
CliOutcome RunCli(std::span<const std::string> args, const CliEnvironment& environment);

}  // namespace quantora
