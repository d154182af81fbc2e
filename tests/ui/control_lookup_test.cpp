#include "ui/control_lookup.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

namespace quantora {
namespace {

class ControlLookupDeathTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The child runs this test alone from a fresh start rather than forking a process that
        // holds a QApplication.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        window_.setObjectName(QStringLiteral("sample"));
        label_ = new QLabel(QStringLiteral("Value:"), new QWidget(&window_));
        label_->setObjectName(QStringLiteral("1109"));
    }

    QDialog window_;
    QLabel* label_ = nullptr;
};

TEST_F(ControlLookupDeathTest, FindsAControlByItsIdInsideTheWindow) {
    EXPECT_EQ(&Control<QLabel>(window_, 1109), label_);
    EXPECT_EQ(&Control<QWidget>(window_, 1109), label_);
}

TEST_F(ControlLookupDeathTest, AMissingControlStopsWithItsIdAndTheWindow) {
#ifdef _WIN32
    GTEST_SKIP() << "under wine the dying child's Qt message does not reach the death test's pipe";
#endif
    EXPECT_DEATH(Control<QLabel>(window_, 1022), "Control 1022 is missing from window QDialog \"sample\"");
    EXPECT_DEATH(Control<QLineEdit>(window_, 1109), "Control 1109 is missing");
}

}  // namespace
}  // namespace quantora
