#include "main/qt_window_launchers.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <utility>

#include "app/about_dialog.h"
#include "app/data_paths.h"
#include "app/help_window.h"
#include "app/qt_user_prompts.h"
#include "calc/formula_dialog.h"
#include "catalogue/data_file_names.h"
#include "edit/custom_dialog.h"
#include "edit/options_dialog.h"
#include "edit/search_dialog.h"
#include "lists/constants_dialog.h"
#include "lists/elements_dialog.h"
#include "update/download_dialog.h"

namespace quantora {

namespace {

// The main window's help page holds a section for each of these windows.
constexpr std::string_view kFindHelp = "index.htm#find";
constexpr std::string_view kConstantsHelp = "index.htm#constants";
constexpr std::string_view kElementsHelp = "index.htm#elements";
constexpr std::string_view kAboutHelp = "index.htm#about";

}  // namespace

QtWindowLaunchers::QtWindowLaunchers(std::filesystem::path executableFolder, std::filesystem::path dataFolder,
                                     ProfileStore& profile)
    : executableFolder_(std::move(executableFolder)), dataFolder_(std::move(dataFolder)), profile_(profile) {}

// A window whose data files could not be read in full says so and opens without saving them.
OptionsResult QtWindowLaunchers::RunOptions(QWidget& parent) {
    dlgOptions options(profile_, dataFolder_, *this, &parent);
    if (!options.LoadProblem().empty()) QtUserPrompts(&parent).Message(options.LoadProblem(), "Options");
    options.exec();
    return {options.WasAccepted()};
}

UpdateResult QtWindowLaunchers::RunUpdate(QWidget& parent, UpdateMode mode) {
    CdlgDownload window({.profile = profile_,
                         .dataFolder = dataFolder_,
                         .autoMode = mode == UpdateMode::kAutomatic,
                         .showHelp = [this, &parent](std::string_view page) { ShowHelp(parent, page); }},
                        &parent);
    window.exec();
    return {.filesReplaced = window.DataChanged()};
}

FindResult QtWindowLaunchers::RunFind(QWidget& parent, const Catalogue& catalogue) {
    dlgSearch find(profile_, catalogue, &parent);
    HelpOnF1(find, kFindHelp);
    if (find.exec() != QDialog::Accepted) return {};
    return {find.Result()};
}

void QtWindowLaunchers::RunFormula(QWidget& parent, const std::optional<std::filesystem::path>& file) {
    CFormulaDlg formula(profile_, *this, file, &parent);
    formula.exec();
}

void QtWindowLaunchers::RunConstants(QWidget& parent) {
    dlgConstants constants(profile_, dataFolder_ / data_file::kConstants, &parent);
    HelpOnF1(constants, kConstantsHelp);
    constants.exec();
}

void QtWindowLaunchers::RunElements(QWidget& parent) {
    dlgElements elements(profile_, dataFolder_ / data_file::kElements, &parent);
    HelpOnF1(elements, kElementsHelp);
    elements.exec();
}

// An editor that could not read its files would overwrite the user's on closing: it does not open.
void QtWindowLaunchers::RunCustomUnits(QWidget& parent) {
    dlgCustom editor(dataFolder_, *this, &parent);
    if (editor.LoadError()) return QtUserPrompts(&parent).Message(*editor.LoadError(), "Custom Units");
    editor.exec();
}

void QtWindowLaunchers::RunAbout(QWidget& parent) {
    AboutDialog about(&parent);
    HelpOnF1(about, kAboutHelp);
    about.exec();
}

// One help window per owner, shown again with the next page asked for. While a modal window is
// open every other window is blocked, so the help belongs to that window, in front of it.
void QtWindowLaunchers::ShowHelp(QWidget& parent, std::string_view page) {
    QWidget* owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : &parent;
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new HelpWindow(owner);
    const std::size_t hash = page.find('#');
    const QString section = hash == std::string_view::npos ? QString() : QString::fromUtf8(page.substr(hash + 1));
    help->ShowPage(HelpPagePath(executableFolder_, page.substr(0, hash)), section);
}

void QtWindowLaunchers::HelpOnF1(QWidget& window, std::string_view page) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), &window), &QShortcut::activated, &window,
                     [this, &window, page] { ShowHelp(window, page); });
}

}  // namespace quantora
