#include "app/about_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>

namespace quantora {
namespace {

TEST(AboutDialogTest, ShowsVersionAndBuildAndClosesWithOk) {
    AboutDialog about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Quantora");
    auto* version = about.findChild<QLabel*>("1074");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version: 2.2   Build : 51218");
    // The version is the box's first line of text; whatever else it says comes after.
    const QLayout* layout = about.layout();
    ASSERT_NE(layout, nullptr);
    const QLabel* firstLine = nullptr;
    for (int i = 0; i < layout->count() && firstLine == nullptr; ++i) {
        if (layout->itemAt(i)->widget() != nullptr) firstLine = qobject_cast<QLabel*>(layout->itemAt(i)->widget());
    }
    EXPECT_EQ(firstLine, version);
    auto* ok = about.findChild<QAbstractButton*>("1");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace quantora
