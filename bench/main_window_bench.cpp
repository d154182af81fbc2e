// One keystroke in the value box to both unit lists and the result line updated, in the category
// with the most units. The program folder (with data/) is QUANTORA_FOLDER, else this program's own.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"

namespace {

using quantora::CConverterDlg;

std::filesystem::path ProgramFolder() {
    const char* folder = std::getenv("QUANTORA_FOLDER");
    return folder != nullptr ? std::filesystem::path(folder) : quantora::ExecutableFolder();
}

int LargestCategoryLine(const CConverterDlg& window) {
    const auto& units = window.Model().Units();
    std::size_t best = 0;
    for (std::size_t line = 0; line < units.CategoryCount(); ++line) {
        if (units.UnitCount(units.CategoryAt(line).categoryId) > units.UnitCount(units.CategoryAt(best).categoryId)) {
            best = line;
        }
    }
    return static_cast<int>(best);
}

struct OpenWindow {
    QTemporaryDir profileFolder;
    quantora::QtProfileStore profile{profileFolder.filePath(QStringLiteral("profile.ini"))};
    quantora::QtWindowLaunchers launchers{ProgramFolder(), quantora::InstalledDataFolder(ProgramFolder()), profile};
    CConverterDlg window{profile, quantora::InstalledDataFolder(ProgramFolder()), launchers};
    QLineEdit* value = nullptr;

    OpenWindow() {
        window.LoadCatalogue();
        window.show();
        window.findChild<QListWidget*>(QStringLiteral("1010"))->setCurrentRow(LargestCategoryLine(window));
        value = window.findChild<QLineEdit*>(QStringLiteral("1022"));
        value->setText(QStringLiteral("1"));
        QCoreApplication::processEvents();
    }
};

// Typing a digit, then removing it: two conversions per iteration pair, every one a full run.
void TypeDigit(OpenWindow& open, int iteration) {
    QTest::keyClick(open.value, iteration % 2 == 0 ? Qt::Key_7 : Qt::Key_Backspace);
}

void BM_KeystrokeToListsUpdated(benchmark::State& state) {
    OpenWindow open;
    state.counters["units"] = static_cast<double>(open.window.Model().Rows().size());
    int iteration = 0;
    for (auto _ : state) TypeDigit(open, iteration++);
}
BENCHMARK(BM_KeystrokeToListsUpdated)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same, and the window repainted before the next key.
void BM_KeystrokeToListsPainted(benchmark::State& state) {
    OpenWindow open;
    int iteration = 0;
    for (auto _ : state) {
        TypeDigit(open, iteration++);
        open.window.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeToListsPainted)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
