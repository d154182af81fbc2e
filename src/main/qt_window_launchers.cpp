#include "main/qt_window_launchers.h"

#include <utility>

#include "app/about_dialog.h"
#include "app/data_paths.h"
#include "app/help_window.h"
#include "app/qt_profile_store.h"
#include "calc/formula_dialog.h"

namespace quantora {

QtWindowLaunchers::QtWindowLaunchers(std::filesystem::path executableFolder)
    : executableFolder_(std::move(executableFolder)) {}

// The Options window (dlgOptions) is not there yet, so it is never accepted.
OptionsResult QtWindowLaunchers::RunOptions(QWidget&) { return {}; }

// The update window (CdlgDownload) is not there yet, so no file is replaced.
UpdateResult QtWindowLaunchers::RunUpdate(QWidget&, UpdateMode) { return {}; }

// The find window (dlgSearch) is not there yet, so nothing is found.
FindResult QtWindowLaunchers::RunFind(QWidget&, const Catalogue&) { return {}; }

void QtWindowLaunchers::RunFormula(QWidget& parent, const std::optional<std::filesystem::path>& file) {
    QtProfileStore profile;
    CFormulaDlg formula(profile, *this, file, &parent);
    formula.exec();
}

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
