// Starts like quantora and ends the process as soon as its main window has been shown, so a script
// can time the start: startup_probe quantora | bare | text. "bare" shows one empty window of the same
// size instead, the cost of any Qt program that shows a window; "text" adds one line of text to it,
// the cost of any Qt program that draws text (loading the font configuration dominates it). Both end without their
// shutdown work (quantora would save its profile), which is not part of the start.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"

namespace {

// Ends the process once the window has painted itself for the first time: only then has the user
// seen it, and only then has the text of its controls been laid out and drawn.
class EndWhenShown : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "text") == 0;
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quantora"));
    EndWhenShown closer;
    if (bare || text) {
        QDialog window;
        window.resize(774, 585);
        if (text) new QLabel(QStringLiteral("Quantora"), &window);
        window.installEventFilter(&closer);
        return window.exec();
    }
    QTemporaryDir profileFolder;
    quantora::QtProfileStore profile(profileFolder.filePath(QStringLiteral("profile.ini")));
    quantora::QtWindowLaunchers launchers(quantora::ExecutableFolder(), profile);
    quantora::CConverterDlg window(profile, quantora::ExecutableFolder(), launchers);
    window.LoadCatalogue();
    window.installEventFilter(&closer);
    return window.exec();
}
