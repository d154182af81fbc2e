#pragma once

#include <functional>
#include <memory>

#include "app/startup_arguments.h"

namespace quantora {

class CConverterDlg;
class ProfileStore;
class UserPrompts;
class WindowLaunchers;

// Start-up once the application object exists, in the order the user sees it: the splash, the
// automatic update, the catalogue, the formula file the command line names, and only then the
// main window, which runs modally until the program ends and saves its value and place as it goes.
class StartupSequence {
public:
    using MainWindowFactory = std::function<std::unique_ptr<CConverterDlg>()>;

    // The main window is made while the splash shows, so the splash is on the screen sooner.
    StartupSequence(ProfileStore& profile, WindowLaunchers& launchers, UserPrompts& prompts, CommandLine commandLine,
                    MainWindowFactory makeMainWindow);
    ~StartupSequence();

    // Returns when the main window has closed and been destroyed.
    void Run();

private:
    void ShowSplash();
    void PrepareMainWindow();
    void RunAutomaticUpdate();
    void LoadCatalogue();
    void OpenFormulaFile();
    void RunMainWindow();

    ProfileStore& profile_;
    WindowLaunchers& launchers_;
    UserPrompts& prompts_;
    CommandLine commandLine_;
    MainWindowFactory makeMainWindow_;
    std::unique_ptr<CConverterDlg> window_;
    bool catalogueLoaded_ = false;
};

// The names the profile is kept under and the icon every window shows; each window's caption is
// its own text alone.
void SetProgramIdentity();

// The program from its entry to its end: the operating-system version, the application object,
// the main window with the sequence above, and the profile written out. Returns the exit code.
int RunProgram(int& argc, char** argv);

}  // namespace quantora
