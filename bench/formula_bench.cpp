// The formula window: Calculate through the window for a 1,000-character formula that uses all seven
// variables, and opening the window (the first time in the process, printed before the benchmarks,
// then again and again).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "calc/formula_dialog.h"
#include "main/qt_window_launchers.h"

namespace {

using quantora::CFormulaDlg;

struct Profile {
    QTemporaryDir folder;
    quantora::QtProfileStore store{folder.filePath(QStringLiteral("profile.ini"))};
    quantora::QtWindowLaunchers launchers{folder.path().toStdString(),
                                          quantora::InstalledDataFolder(folder.path().toStdString()), store};
};

std::unique_ptr<CFormulaDlg> OpenWindow(Profile& profile) {
    auto window = std::make_unique<CFormulaDlg>(profile.store, profile.launchers, std::nullopt);
    window->show();
    QCoreApplication::processEvents();
    return window;
}

QString LongFormula() {
    const QString term = QStringLiteral("F*J+K*M-U/V+Z+");
    QString formula;
    while (formula.size() + term.size() < 999) formula += term;
    while (formula.size() < 1000) formula += QLatin1Char('1');
    return formula;
}

void BM_CalculateThroughTheWindow(benchmark::State& state) {
    Profile profile;
    auto window = OpenWindow(profile);
    const std::array<std::pair<int, const char*>, 8> fields{{{1085, "2"},
                                                             {1089, "1.5"},
                                                             {1091, "2"},
                                                             {1092, "0.5"},
                                                             {1094, "3"},
                                                             {1095, "4"},
                                                             {1096, "0.25"},
                                                             {1097, "x"}}};
    for (const auto& [id, text] : fields) {
        window->findChild<QLineEdit*>(QString::number(id))->setText(QString::fromUtf8(text));
    }
    window->findChild<QPlainTextEdit*>(QStringLiteral("1086"))->setPlainText(LongFormula());
    auto* calculate = window->findChild<QAbstractButton*>(QStringLiteral("1"));
    for (auto _ : state) calculate->click();
    state.SetLabel(window->findChild<QLineEdit*>(QStringLiteral("1087"))->text().toStdString());
}
BENCHMARK(BM_CalculateThroughTheWindow)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OpenTheWindowAgain(benchmark::State& state) {
    Profile profile;
    for (auto _ : state) OpenWindow(profile).reset();
}
BENCHMARK(BM_OpenTheWindowAgain)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        Profile profile;
        QElapsedTimer timer;
        timer.start();
        OpenWindow(profile).reset();
        std::printf("first opening of the formula window: %.2f ms\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
