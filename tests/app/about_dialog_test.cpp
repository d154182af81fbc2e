#include "app/about_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

namespace quantora {
namespace {

TEST(AboutDialogTest, ShowsVersionAndBuildAndClosesWithOk) {
    AboutDialog about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Quantora");
    auto* version = about.findChild<QLabel*>("1074");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version: 2.2   Build : 51218");
    auto* ok = about.findChild<QAbstractButton*>("1");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace quantora
