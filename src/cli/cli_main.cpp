// quantora-cli: the command line over the same core, data folder and profile as the window.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "convert/qt_number_locale.h"
#include "cli/cli_commands.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The window's executable name, under which its profile is kept.
constexpr auto kWindowProgram = "quantora";

void Write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

// The words after the program name, in UTF-8 whatever code page the system runs (Qt reads the
// wide command line on Windows).
std::vector<std::string> Utf8Arguments() {
    const QStringList words = QCoreApplication::arguments();
    std::vector<std::string> args;
    for (qsizetype i = 1; i < words.size(); ++i) args.push_back(words[i].toStdString());
    return args;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // Everything printed is UTF-8; the console shows it as such only when told so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    const QCoreApplication application(argc, argv);
    const std::vector<std::string> args = Utf8Arguments();
    const quantora::QtProfileStore profile =
        quantora::QtProfileStore::OfApplication(QString::fromLatin1(kWindowProgram));
    const quantora::CliEnvironment environment{profile, quantora::ExecutableFolder() / "data",
                                               quantora::UserNumberLocale()};
    const quantora::CliOutcome outcome = quantora::RunCli(args, environment);
    Write(stdout, outcome.out);
    Write(stderr, outcome.err);
    return outcome.exitCode;
}
