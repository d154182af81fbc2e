#pragma once

#include "app/startup_arguments.h"

namespace quantora {

class CConverterDlg;
class ProfileStore;
class WindowLaunchers;

// Start-up once the application object and the main window exist, in the order the user sees
// it: the splash, the automatic update, the catalogue, the formula file the command line names,
// and only then the main window, which runs modally until the program ends.
class StartupSequence {
public:
    StartupSequence(ProfileStore& profile, CConverterDlg& window, WindowLaunchers& launchers, CommandLine commandLine);

    // Returns when the main window has closed.
    void Run();

private:
    void ShowSplash();
    void RunAutomaticUpdate();
    void LoadCatalogue();
    void OpenFormulaFile();
    void RunMainWindow();

    ProfileStore& profile_;
    CConverterDlg& window_;
    WindowLaunchers& launchers_;
    CommandLine commandLine_;
};

// The program from its entry to its end: the operating-system version, the application object,
// the main window with the sequence above, and the profile written out. Returns the exit code.
int RunProgram(int& argc, char** argv);

}  // namespace quantora
