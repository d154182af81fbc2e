#include "main/qt_window_launchers.h"

#include <utility>

#include "app/about_dialog.h"
#include "app/data_paths.h"
#include "app/help_window.h"
#include "app/qt_profile_store.h"
#include "update/download_dialog.h"

namespace quantora {

QtWindowLaunchers::QtWindowLaunchers(std::filesystem::path executableFolder)
    : executableFolder_(std::move(executableFolder)) {}

// The Options window (dlgOptions) is not there yet, so it is never accepted.
OptionsResult QtWindowLaunchers::RunOptions(QWidget&) { return {}; }

UpdateResult QtWindowLaunchers::RunUpdate(QWidget& parent, UpdateMode mode) {
    QtProfileStore profile;
    CdlgDownload window({.profile = profile,
                         .dataFolder = DataFilePath(executableFolder_, "").parent_path(),
                         .autoMode = mode == UpdateMode::kAutomatic,
                         .showHelp = [this, &parent](std::string_view page) { ShowHelp(parent, page); }},
                        &parent);
    window.exec();
    return {.filesReplaced = window.DataChanged()};
}

// The find window (dlgSearch) is not there yet, so nothing is found.
FindResult QtWindowLaunchers::RunFind(QWidget&, const Catalogue&) { return {}; }

// The formula window (CFormulaDlg) is not there yet.
void QtWindowLaunchers::RunFormula(QWidget&, const std::optional<std::filesystem::path>&) {}

// The physical constants list (dlgConstants) is not there yet.
void QtWindowLaunchers::RunConstants(QWidget&) {}

// The chemical elements list (dlgElements) is not there yet.
void QtWindowLaunchers::RunElements(QWidget&) {}

// The custom units editor (dlgCustom) is not there yet.
void QtWindowLaunchers::RunCustomUnits(QWidget&) {}

void QtWindowLaunchers::RunAbout(QWidget& parent) {
    AboutDialog about(&parent);
    about.exec();
}

// One help window per parent, shown again with the next page asked for.
void QtWindowLaunchers::ShowHelp(QWidget& parent, std::string_view page) {
    auto* help = parent.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new HelpWindow(&parent);
    help->ShowPage(HelpPagePath(executableFolder_, page));
}

}  // namespace quantora
