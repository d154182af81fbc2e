#include "app/startup_sequence.h"

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "app/settings.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"

namespace quantora {

namespace {

// The operating-system version service is not there yet; it reads the version before the
// application object exists, which asks it whether to warn of an unsupported system.
void ReadOperatingSystemVersion() {}

std::unique_ptr<QApplication> CreateApplicationObject(int& argc, char** argv) {
    auto application = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quantora"));
    return application;
}

// Qt's arguments, not argv: on Windows they come from the wide command line, so a file named in
// the user's letters arrives whole.
CommandLine ProgramArguments() {
    CommandLine commandLine;
    for (const QString& argument : QCoreApplication::arguments()) commandLine.push_back(argument.toStdString());
    return commandLine;
}

std::filesystem::path PathFromUtf8(const std::string& text) { return std::u8string(text.begin(), text.end()); }

}  // namespace

StartupSequence::StartupSequence(ProfileStore& profile, CConverterDlg& window, WindowLaunchers& launchers,
                                 CommandLine commandLine)
    : profile_(profile), window_(window), launchers_(launchers), commandLine_(std::move(commandLine)) {}

void StartupSequence::Run() {
    ShowSplash();
    RunAutomaticUpdate();
    LoadCatalogue();
    OpenFormulaFile();
    RunMainWindow();
}

// The splash window (CTransparentDialogDlg) is not there yet.
void StartupSequence::ShowSplash() {}

// Files the update replaces need no reload: the catalogue is read after it.
void StartupSequence::RunAutomaticUpdate() {
    if (ReadSettingFlag(profile_, Setting::kAutoDownload)) launchers_.RunUpdate(window_, UpdateMode::kAutomatic);
}

void StartupSequence::LoadCatalogue() { window_.LoadCatalogue(); }

void StartupSequence::OpenFormulaFile() {
    if (const auto file = FormulaFileArgument(commandLine_)) launchers_.RunFormula(window_, PathFromUtf8(*file));
}

void StartupSequence::RunMainWindow() { window_.exec(); }

int RunProgram(int& argc, char** argv) {
    ReadOperatingSystemVersion();
    const auto application = CreateApplicationObject(argc, argv);
    QtProfileStore profile;
    const std::filesystem::path executableFolder = ExecutableFolder();
    QtWindowLaunchers launchers(executableFolder, profile);
    {
        CConverterDlg window(profile, executableFolder, launchers);
        StartupSequence(profile, window, launchers, ProgramArguments()).Run();
    }
    profile.Sync();
    return 0;
}

}  // namespace quantora
