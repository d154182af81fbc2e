#include "main/qt_window_launchers.h"

#include <utility>

#include "app/about_dialog.h"
#include "app/data_paths.h"
#include "app/help_window.h"
#include "app/qt_profile_store.h"
#include "edit/search_dialog.h"
#include "lists/constants_dialog.h"
#include "lists/elements_dialog.h"

namespace quantora {

QtWindowLaunchers::QtWindowLaunchers(std::filesystem::path executableFolder)
    : executableFolder_(std::move(executableFolder)) {}

// The Options window (dlgOptions) is not there yet, so it is never accepted.
OptionsResult QtWindowLaunchers::RunOptions(QWidget&) { return {}; }

// The update window (CdlgDownload) is not there yet, so no file is replaced.
UpdateResult QtWindowLaunchers::RunUpdate(QWidget&, UpdateMode) { return {}; }

FindResult QtWindowLaunchers::RunFind(QWidget& parent, const Catalogue& catalogue) {
    QtProfileStore profile;
    dlgSearch find(profile, catalogue, &parent);
    if (find.exec() != QDialog::Accepted) return {};
    return {find.Result()};
}

// The formula window (CFormulaDlg) is not there yet.
void QtWindowLaunchers::RunFormula(QWidget&, const std::optional<std::filesystem::path>&) {}

void QtWindowLaunchers::RunConstants(QWidget& parent) {
    QtProfileStore profile;
    dlgConstants constants(profile, DataFilePath(executableFolder_, "consts.dat"), &parent);
    constants.exec();
}

void QtWindowLaunchers::RunElements(QWidget& parent) {
    QtProfileStore profile;
    dlgElements elements(profile, DataFilePath(executableFolder_, "element.dat"), &parent);
    elements.exec();
}

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
