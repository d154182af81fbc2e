#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "app/settings.h"
#include "main/converter_dialog.h"
#include "main/qt_window_launchers.h"
#include "main/sample_units.h"
#include "support/controls.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora::test {

// The main window over the sample units with Length chosen. Numbers print without grouping, so
// alike whatever the machine's locale. The program's own windows open from it unless a test
// points launchers_ at a stand-in before Open.
class ConverterWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleUnits(folder_.Path());
        WriteSetting(profile_.Store(), Setting::kSeperator, "0");
        WriteSetting(profile_.Store(), Setting::kFirstCat, std::to_string(sample_line::kLength));
    }

    CConverterDlg& Open() {
        window_ = std::make_unique<CConverterDlg>(profile_.Store(), folder_.Path() / "data", *launchers_);
        window_->LoadCatalogue();
        window_->show();
        QCoreApplication::processEvents();
        return *window_;
    }

    template <class W>
    W& Get(int controlId) {
        return test::Get<W>(*window_, controlId);
    }

    QTreeWidget& Source() { return Get<QTreeWidget>(converter_id::kSourceList); }
    QTreeWidget& Destination() { return Get<QTreeWidget>(converter_id::kDestinationList); }
    QLineEdit& Value() { return Get<QLineEdit>(converter_id::kValue); }

    void ChooseCategory(std::size_t categoryLine) {
        Get<QListWidget>(converter_id::kCategories).setCurrentRow(static_cast<int>(categoryLine));
        QCoreApplication::processEvents();
    }

    TempFolder folder_;
    TestProfile profile_;
    QtWindowLaunchers programWindows_{folder_.Path(), folder_.Path() / "data", profile_.Store()};
    WindowLaunchers* launchers_ = &programWindows_;
    std::unique_ptr<CConverterDlg> window_;
};

}  // namespace quantora::test
