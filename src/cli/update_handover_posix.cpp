// The update of the static Linux command line: handed to quantora-cli-update, the same command line
// linked against the system's libraries. A static program cannot load libcurl (a second C library
// would come with it), and linking it in would make every conversion pay for loading it.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/data_paths.h"
#include "catalogue/path_text.h"
#include "cli/update_command.h"

namespace quantora {

namespace {

constexpr const char* kUpdateProgram = "quantora-cli-update";

// The words of the update's command line; the data folder is the one this run chose, so both
// programs work on the same files.
std::vector<std::string> UpdateWords(const CliArguments& arguments, const CliEnvironment& environment) {
    std::vector<std::string> words{kUpdateProgram, "update"};
    words.push_back("--data=" + arguments.dataFolder.value_or(PathText(environment.dataFolder)));
    if (arguments.server) words.push_back("--server=" + *arguments.server);
    if (arguments.ratesUrl) words.push_back("--rates-url=" + *arguments.ratesUrl);
    return words;
}

}  // namespace

CliOutcome RunUpdateCommand(const CliArguments& arguments, const CliEnvironment& environment) {
    const std::string program = PathText(ExecutableFolder() / kUpdateProgram);
    std::vector<std::string> words = UpdateWords(arguments, environment);
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    return {
        cli_exit::kUpdateFailed, "",
        "quantora-cli: the update runs in " + program + ", which could not be started: " + std::strerror(errno) + "\n"};
}

}  // namespace quantora
