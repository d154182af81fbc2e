// One keystroke in the filter of the constants, elements and find windows to the list redrawn, over
// the shipped data. The program folder (with data/) is QUANTORA_FOLDER, else this program's own.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "catalogue/catalogue.h"
#include "catalogue/data_file_names.h"
#include "edit/search_dialog.h"
#include "lists/constants_dialog.h"
#include "lists/elements_dialog.h"

namespace {

using namespace quantora;

std::filesystem::path ProgramFolder() {
    const char* folder = std::getenv("QUANTORA_FOLDER");
    return folder != nullptr ? std::filesystem::path(folder) : ExecutableFolder();
}

struct Profile {
    QTemporaryDir folder;
    QtProfileStore store{folder.filePath(QStringLiteral("profile.ini"))};
};

// Typing "e" (which most names hold) and removing it again: every keystroke refills the whole list.
void TypeAndRedraw(benchmark::State& state, QDialog& window, const char* listId) {
    window.show();
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("1124"));
    auto* list = window.findChild<QAbstractItemView*>(QString::fromLatin1(listId));
    QCoreApplication::processEvents();
    state.counters["rows"] = list->model()->rowCount();
    int iteration = 0;
    for (auto _ : state) {
        QTest::keyClick(filter, iteration++ % 2 == 0 ? Qt::Key_E : Qt::Key_Backspace);
        list->viewport()->repaint();
    }
}

void BM_ConstantsKeystroke(benchmark::State& state) {
    Profile profile;
    dlgConstants window(profile.store, InstalledDataFolder(ProgramFolder()) / data_file::kConstants);
    TypeAndRedraw(state, window, "1136");
}
BENCHMARK(BM_ConstantsKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ElementsKeystroke(benchmark::State& state) {
    Profile profile;
    dlgElements window(profile.store, InstalledDataFolder(ProgramFolder()) / data_file::kElements);
    TypeAndRedraw(state, window, "1136");
}
BENCHMARK(BM_ElementsKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_FindKeystroke(benchmark::State& state) {
    Profile profile;
    Catalogue catalogue;
    catalogue.Load(InstalledDataFolder(ProgramFolder()), false);
    dlgSearch window(profile.store, catalogue);
    TypeAndRedraw(state, window, "1133");
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
