#pragma once

#include <filesystem>

#include "main/window_launchers.h"

namespace quantora {

class ProfileStore;

// The program's own windows behind the main window's buttons.
class QtWindowLaunchers : public WindowLaunchers {
public:
    // The help pages are read beside the program in `executableFolder`, the data files in
    // `dataFolder`; the windows that keep settings use `profile`, the main window's.
    QtWindowLaunchers(std::filesystem::path executableFolder, std::filesystem::path dataFolder, ProfileStore& profile);

    OptionsResult RunOptions(QWidget& parent) override;
    UpdateResult RunUpdate(QWidget& parent, UpdateMode mode) override;
    FindResult RunFind(QWidget& parent, const Catalogue& catalogue) override;
    void RunFormula(QWidget& parent, const std::optional<std::filesystem::path>& file) override;
    void RunConstants(QWidget& parent) override;
    void RunElements(QWidget& parent) override;
    void RunCustomUnits(QWidget& parent) override;
    void RunAbout(QWidget& parent) override;
    void ShowHelp(QWidget& parent, std::string_view page) override;

private:
    // F1 in `window` shows `page` ("page#section") of the help.
    void HelpOnF1(QWidget& window, std::string_view page);

    std::filesystem::path executableFolder_;
    std::filesystem::path dataFolder_;
    ProfileStore& profile_;
};

}  // namespace quantora
