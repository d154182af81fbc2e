// Renders the main window over a program folder into a PNG, so its look can be checked without a
// screen: render_main_window <program-folder> <out.png> [category] [value] [source unit]
// The profile is a fresh file in a temporary folder; the user's own profile is never touched.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "catalogue/path_text.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"

namespace {

bool SelectCategory(QListWidget& categories, const QString& name) {
    const auto found = categories.findItems(name, Qt::MatchFixedString);
    if (found.isEmpty()) return false;
    categories.setCurrentItem(found.first());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render_main_window <program-folder> <out.png> [category] [value] [source unit]\n");
        return 2;
    }
    QTemporaryDir profileFolder;
    quantora::QtProfileStore profile(profileFolder.filePath(QStringLiteral("profile.ini")));
    const std::filesystem::path programFolder = quantora::PathFromUtf8(args.at(1).toStdString());
    const std::filesystem::path dataFolder = quantora::InstalledDataFolder(programFolder);
    quantora::QtWindowLaunchers launchers(programFolder, dataFolder, profile);
    quantora::CConverterDlg window(profile, dataFolder, launchers);
    window.LoadCatalogue();
    window.show();
    if (args.size() > 3 && !SelectCategory(*window.findChild<QListWidget*>(QStringLiteral("1010")), args.at(3))) {
        std::fprintf(stderr, "no category named %s\n", qPrintable(args.at(3)));
        return 1;
    }
    if (args.size() > 5) {
        auto* source = window.findChild<QTreeWidget*>(QStringLiteral("1020"));
        const auto found = source->findItems(args.at(5), Qt::MatchExactly);
        if (found.isEmpty()) {
            std::fprintf(stderr, "no unit named %s\n", qPrintable(args.at(5)));
            return 1;
        }
        source->setCurrentItem(found.first());
    }
    if (args.size() > 4) {
        auto* value = window.findChild<QLineEdit*>(QStringLiteral("1022"));
        value->clear();
        QTest::keyClicks(value, args.at(4));
    }
    QCoreApplication::processEvents();
    if (!window.grab().save(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
