#include "app/help_window.h"

#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QUrl>
#include <fstream>

#include "support/temp_folder.h"

namespace quantora {
namespace {

struct PageCase {
    const char* name;
    std::u8string folder;  // the program's folder, as a user may have installed it
    bool pageExists;
};

TEST(HelpWindowTest, ShowsThePageWhereverTheProgramIsInstalled) {
    const std::vector<PageCase> cases{
        {"plain folder", u8"Quantora", true},
        {"folder named in the user's own letters", u8"J\u00f6rg \u00c5ngstr\u00f6m \u6e2c\u5b9a", true},
        {"page missing", u8"Quantora", false},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder root;
        const std::filesystem::path help = root.Path() / std::filesystem::path(c.folder) / "help";
        std::filesystem::create_directories(help);
        if (c.pageExists) std::ofstream(help / "index.htm") << "<html><body><h1>Sample help page</h1></body></html>";

        HelpWindow window;
        window.ShowPage(help / "index.htm");

        EXPECT_TRUE(window.isVisible());
        if (c.pageExists) {
            EXPECT_EQ(std::filesystem::path(window.Browser().source().toLocalFile().toStdU16String()),
                      help / "index.htm");
            EXPECT_TRUE(window.Browser().toPlainText().contains("Sample help page"));
        } else {
            EXPECT_TRUE(window.Browser().source().isEmpty());
            EXPECT_TRUE(window.Browser().toPlainText().contains("cannot be found"));
        }
    }
}

}  // namespace
}  // namespace quantora
