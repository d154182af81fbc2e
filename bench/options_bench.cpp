// The Options window over the full data set: opening it, and OK with "cat.dat" and "item.dat"
// saved and the main window's catalogue reloaded. The program folder (with data/) is
// QUANTORA_FOLDER, else this program's own; the files are copied, so the run rewrites only copies.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "edit/options_dialog.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "ui/standard_ids.h"

namespace {

using namespace quantora;

std::filesystem::path ProgramFolder() {
    const char* folder = std::getenv("QUANTORA_FOLDER");
    return folder != nullptr ? std::filesystem::path(folder) : ExecutableFolder();
}

// The Options window pressed OK as soon as it is built, instead of waiting for the user.
class OkLaunchers : public QtWindowLaunchers {
public:
    OkLaunchers(const std::filesystem::path& folder, ProfileStore& profile)
        : QtWindowLaunchers(folder, InstalledDataFolder(folder), profile),
          dataFolder_(InstalledDataFolder(folder)),
          profile_(profile) {}

    OptionsResult RunOptions(QWidget& parent) override {
        dlgOptions options(profile_, dataFolder_, *this, &parent);
        options.findChild<QPushButton*>(QString::number(standard_id::kOk))->click();
        return {options.WasAccepted()};
    }

private:
    std::filesystem::path dataFolder_;
    ProfileStore& profile_;
};

struct Program {
    QTemporaryDir folder;
    QtProfileStore profile{folder.filePath(QStringLiteral("profile.ini"))};
    std::filesystem::path executableFolder;

    Program() : executableFolder(folder.path().toStdString()) {
        std::filesystem::copy(InstalledDataFolder(ProgramFolder()), InstalledDataFolder(executableFolder),
                              std::filesystem::copy_options::recursive);
    }
};

void BM_OpenOptions(benchmark::State& state) {
    Program program;
    OkLaunchers launchers(program.executableFolder, program.profile);
    for (auto _ : state) {
        auto options =
            std::make_unique<dlgOptions>(program.profile, InstalledDataFolder(program.executableFolder), launchers);
        benchmark::DoNotOptimize(options->LoadProblem());
        state.PauseTiming();  // closing saves the placement: not part of opening
        options.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOptions)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OpenOptionsPressOkAndReload(benchmark::State& state) {
    Program program;
    OkLaunchers launchers(program.executableFolder, program.profile);
    CConverterDlg main(program.profile, InstalledDataFolder(program.executableFolder), launchers);
    main.LoadCatalogue();
    main.findChild<QListWidget*>(QString::number(converter_id::kCategories))->setCurrentRow(0);
    auto* optionsButton = main.findChild<QPushButton*>(QString::number(converter_id::kOptions));
    state.counters["categories"] = static_cast<double>(main.Model().Units().CategoryCount());
    for (auto _ : state) optionsButton->click();
}
BENCHMARK(BM_OpenOptionsPressOkAndReload)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
