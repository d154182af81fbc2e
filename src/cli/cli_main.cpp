// quantora-cli: the command line over the same core, data folder and profile as the window.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/data_paths.h"
#include "cli/cli_commands.h"
#include "cli/short_run_heap.h"
#include "cli/utf8_arguments.h"
#include "cli/window_profile.h"
#include "convert/environment_number_locale.h"

namespace {

void Write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

}  // namespace

int main(int argc, char* argv[]) {
    quantora::PrepareHeapForShortRun();
    quantora::UseUtf8Console();
    const std::vector<std::string> args = quantora::Utf8Arguments(argc, argv);
    const quantora::WindowProfile profile = quantora::OpenWindowProfile();
    if (profile.problem) Write(stderr, "quantora-cli: " + *profile.problem + "\n");
    const quantora::CliEnvironment environment{*profile.store,
                                               quantora::ChooseDataFolder(quantora::ExecutableFolder()).folder,
                                               quantora::EnvironmentNumberLocale()};
    const quantora::CliOutcome outcome = quantora::RunCli(args, environment);
    Write(stdout, outcome.out);
    Write(stderr, outcome.err);
    return outcome.exitCode;
}
