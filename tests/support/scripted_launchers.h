#pragma once

#include <functional>
#include <string>

#include "main/window_launchers.h"

namespace quantora::test {

// Stands in for the program's windows: hands back the results a test scripts and tells the test
// which window opened, as it opens, so the test can look at the main window or change files then.
class ScriptedLaunchers : public WindowLaunchers {
public:
    OptionsResult options;
    UpdateResult update;
    FindResult find;
    // Called with "Options", "Update by hand", "Update automatic", "Find", "Formula", "Formula <file>",
    // "Constants", "Elements", "Custom units", "About" or "Help <page>".
    std::function<void(const std::string& window)> onOpen = [](const std::string&) {};

    OptionsResult RunOptions(QWidget&) override {
        onOpen("Options");
        return options;
    }
    UpdateResult RunUpdate(QWidget&, UpdateMode mode) override {
        onOpen(mode == UpdateMode::kAutomatic ? "Update automatic" : "Update by hand");
        return update;
    }
    FindResult RunFind(QWidget&, const Catalogue&) override {
        onOpen("Find");
        return find;
    }
    void RunFormula(QWidget&, const std::optional<std::filesystem::path>& file) override {
        if (!file) return onOpen("Formula");
        const std::u8string name = file->u8string();
        onOpen("Formula " + std::string(name.begin(), name.end()));
    }
    void RunConstants(QWidget&) override { onOpen("Constants"); }
    void RunElements(QWidget&) override { onOpen("Elements"); }
    void RunCustomUnits(QWidget&) override { onOpen("Custom units"); }
    void RunAbout(QWidget&) override { onOpen("About"); }
    void ShowHelp(QWidget&, std::string_view page) override { onOpen("Help " + std::string(page)); }
};

}  // namespace quantora::test
