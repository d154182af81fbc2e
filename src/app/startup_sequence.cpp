#include "app/startup_sequence.h"

#include <QApplication>
#include <filesystem>
#include <string_view>
#include <utility>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "app/qt_user_prompts.h"
#include "app/settings.h"
#include "app/system_check.h"
#include "catalogue/path_text.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "quantora_version.h"
#include "ui/os_version.h"
#include "ui/program_art.h"
#include "ui/system_menu.h"
#include "ui/transparent_dialog.h"

namespace quantora {

namespace {

std::unique_ptr<QApplication> CreateApplicationObject(int& argc, char** argv) {
    auto application = std::make_unique<QApplication>(argc, argv);
    SetProgramIdentity();
    return application;
}

// The warning never stops the start, whichever button is pressed.
void WarnOfUnsupportedSystem(const CXWinVersion& version, UserPrompts& prompts) {
    const auto message =
        UnsupportedSystemMessage(version.MajorVersion(), version.MinorVersion(), version.VersionName());
    if (message) prompts.Question(*message, "", UserPrompts::Buttons::OkCancel);
}

// An installed program may not write beside itself; the user's own copy of the data is used then.
std::filesystem::path ChooseWhereDataLives(const std::filesystem::path& executableFolder, UserPrompts& prompts) {
    DataFolderChoice choice = ChooseDataFolder(executableFolder);
    if (choice.error) prompts.Message(*choice.error, kProgramName);
    return std::move(choice.folder);
}

// Qt's arguments, not argv: on Windows they come from the wide command line, so a file named in
// the user's letters arrives whole.
CommandLine ProgramArguments() {
    CommandLine commandLine;
    for (const QString& argument : QCoreApplication::arguments()) commandLine.push_back(argument.toStdString());
    return commandLine;
}

}  // namespace

StartupSequence::StartupSequence(ProfileStore& profile, WindowLaunchers& launchers, UserPrompts& prompts,
                                 CommandLine commandLine, MainWindowFactory makeMainWindow)
    : profile_(profile),
      launchers_(launchers),
      prompts_(prompts),
      commandLine_(std::move(commandLine)),
      makeMainWindow_(std::move(makeMainWindow)) {}

StartupSequence::~StartupSequence() = default;

void StartupSequence::Run() {
    ShowSplash();
    RunAutomaticUpdate();
    LoadCatalogue();
    OpenFormulaFile();
    RunMainWindow();
}

// The wait is spent making the main window and, when no update may replace the files first,
// reading the catalogue. The splash may end by Enter before that work has had its turn.
void StartupSequence::ShowSplash() {
    bool prepared = false;
    {
        CTransparentDialogDlg splash(prompts_, [&] {
            PrepareMainWindow();
            prepared = true;
        });
        splash.exec();
    }
    if (!prepared) PrepareMainWindow();
}

void StartupSequence::PrepareMainWindow() {
    window_ = makeMainWindow_();
    AddAboutToSystemMenu(*window_, [this] { launchers_.RunAbout(*window_); });
    if (!ReadSettingFlag(profile_, Setting::kAutoDownload)) LoadCatalogue();
}

// Files the update replaces need no reload: the catalogue is read after it.
void StartupSequence::RunAutomaticUpdate() {
    if (ReadSettingFlag(profile_, Setting::kAutoDownload)) launchers_.RunUpdate(*window_, UpdateMode::kAutomatic);
}

void StartupSequence::LoadCatalogue() {
    if (std::exchange(catalogueLoaded_, true)) return;
    window_->LoadCatalogue();
}

void StartupSequence::OpenFormulaFile() {
    if (const auto file = FormulaFileArgument(commandLine_)) launchers_.RunFormula(*window_, PathFromUtf8(*file));
}

// Destroying the window saves the value box and the window's place.
void StartupSequence::RunMainWindow() {
    window_->exec();
    window_.reset();
}

// No display name: the window system would add it to every window's caption ("Expressa — Quantora")
// and cut a short one ("Question") to make room.
void SetProgramIdentity() {
    QCoreApplication::setOrganizationName(QString::fromUtf8(kProgramName));
    // Every window, the splash and the message boxes included, shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
}

int RunProgram(int& argc, char** argv) {
    const CXWinVersion version;
    const auto application = CreateApplicationObject(argc, argv);
    QtUserPrompts prompts;
    WarnOfUnsupportedSystem(version, prompts);
    const std::filesystem::path executableFolder = ExecutableFolder();
    const std::filesystem::path dataFolder = ChooseWhereDataLives(executableFolder, prompts);
    QtProfileStore profile;
    if (profile.Problem()) prompts.Message(*profile.Problem(), kProgramName);
    QtWindowLaunchers launchers(executableFolder, dataFolder, profile);
    StartupSequence(profile, launchers, prompts, ProgramArguments(), [&] {
        return std::make_unique<CConverterDlg>(profile, dataFolder, launchers);
    }).Run();
    profile.Sync();
    return 0;
}

}  // namespace quantora
