// Starts a program and ends the process at a moment a script can time: startup_probe MODE, with MODE
//   bare      one empty window of the main window's size: the cost of any Qt program showing a window;
//   text      the same with a line of text (loading the font configuration dominates it);
//   splash    quantora's own start, ended when the splash window has painted itself;
//   handover  quantora's own start, printing the microseconds from the splash's end to the main
//             window's first painting, and ended then.
// Each ends without its shutdown work, which is not part of the start.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/startup_sequence.h"
#include "main/converter_dialog.h"
#include "ui/transparent_dialog.h"

namespace {

enum class Mode { kBare, kText, kSplash, kHandover };
Mode mode = Mode::kBare;

void EndSoon() {
    QMetaObject::invokeMethod(
        qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
}

// Only a painted window has been seen, and only then has the text of its controls been laid out.
class Watch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool isSplash = qobject_cast<quantora::CTransparentDialogDlg*>(watched) != nullptr;
        if (isSplash && event->type() == QEvent::Hide) splashEnded_.start();
        if (event->type() != QEvent::Paint) return false;
        if (mode == Mode::kSplash && isSplash) EndSoon();
        if (mode == Mode::kHandover && qobject_cast<quantora::CConverterDlg*>(watched) != nullptr) {
            std::printf("%lld\n", static_cast<long long>(splashEnded_.nsecsElapsed() / 1000));
            std::fflush(stdout);
            EndSoon();
        }
        if ((mode == Mode::kBare || mode == Mode::kText) && qobject_cast<QDialog*>(watched) != nullptr) EndSoon();
        return false;
    }

private:
    QElapsedTimer splashEnded_;
};

void WatchTheApplication() { qApp->installEventFilter(new Watch); }
Q_COREAPP_STARTUP_FUNCTION(WatchTheApplication)

}  // namespace

int main(int argc, char* argv[]) {
    const char* name = argc > 1 ? argv[1] : "bare";
    if (std::strcmp(name, "text") == 0) mode = Mode::kText;
    if (std::strcmp(name, "splash") == 0) mode = Mode::kSplash;
    if (std::strcmp(name, "handover") == 0) mode = Mode::kHandover;
    if (mode == Mode::kSplash || mode == Mode::kHandover) return quantora::RunProgram(argc, argv);
    QApplication application(argc, argv);
    QDialog window;
    window.resize(774, 585);
    if (mode == Mode::kText) new QLabel(QStringLiteral("Quantora"), &window);
    return window.exec();
}
