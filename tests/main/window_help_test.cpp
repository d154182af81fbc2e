// F1 in each window the main window opens, with the real windows and the help beside the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <fstream>
#include <map>
#include <optional>

#include "app/help_window.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "sample_units.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/control_lookup.h"

namespace quantora {
namespace {

namespace id = converter_id;

// Remembers, for every window, whether the window system last called it blocked by a modal one.
class BlockedWindows : public QObject {
public:
    BlockedWindows() { qApp->installEventFilter(this); }
    ~BlockedWindows() override { qApp->removeEventFilter(this); }
    bool Blocked(QObject* window) const { return blocked_.contains(window) && blocked_.at(window); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) blocked_[watched] = true;
        if (event->type() == QEvent::WindowUnblocked) blocked_[watched] = false;
        return false;
    }

private:
    std::map<QObject*, bool> blocked_;
};

struct HelpCase {
    int button;
    const char* page;
    const char* section;
};

// Each window's own part of the help comes up, and the help takes the user's input while the
// window that asked for it is still open.
TEST(WindowHelpTest, F1ShowsEachWindowsSectionAndTheHelpIsUsableWhileTheWindowIsOpen) {
    QStandardPaths::setTestModeEnabled(true);
    test::TempFolder folder;
    test::WriteSampleUnits(folder.Path());
    std::filesystem::create_directories(folder / "help");
    for (const char* page : {"index.htm", "update.htm"}) std::ofstream(folder / "help" / page) << "<p>help</p>";
    test::TestProfile profile;
    QtWindowLaunchers launchers(folder.Path(), folder.Path() / "data", profile.Store());
    CConverterDlg main(profile.Store(), folder.Path() / "data", launchers);
    main.LoadCatalogue();
    main.show();
    const BlockedWindows blocked;
    const std::vector<HelpCase> cases{{id::kFind, "index.htm", "find"},
                                      {id::kConstants, "index.htm", "constants"},
                                      {id::kElements, "index.htm", "elements"},
                                      {id::kAbout, "index.htm", "about"},
                                      {id::kUpdate, "update.htm", ""}};
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.page + std::string("#") + c.section);
        // What the help showed, read while the window is open; the window is closed whatever it shows.
        std::optional<QUrl> shown;
        bool helpBlocked = false;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            if (window == nullptr) return;
            window->activateWindow();
            if (QTest::qWaitForWindowActive(window)) QTest::keyClick(window, Qt::Key_F1);
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* help = qobject_cast<HelpWindow*>(top);
                if (help == nullptr || !help->isVisible()) continue;
                shown = help->Browser().source();
                helpBlocked = blocked.Blocked(help->windowHandle()) || blocked.Blocked(help);
                help->close();
            }
            window->close();
        });
        QTest::mouseClick(&Control<QWidget>(main, c.button), Qt::LeftButton);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->fileName(), c.page);
        EXPECT_EQ(shown->fragment(), c.section);
        EXPECT_FALSE(helpBlocked);
    }
}

}  // namespace
}  // namespace quantora
