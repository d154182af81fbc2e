#include "app/startup_sequence.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QListWidget>
#include <functional>
#include <vector>

#include "app/settings.h"
#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "main/converter_dialog.h"
#include "support/record_builders.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/control_lookup.h"

namespace quantora {
namespace {

void WriteOneCategory(const std::filesystem::path& executableFolder) {
    const auto data = executableFolder / "data";
    std::filesystem::create_directories(data);
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCategories, std::vector{test::MakeCategory(1, "Length", 101, 101)})
                     .has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kUnits,
                                 test::MakeUnits(1, {{.name = "Meter", .conversionText = "*1", .common = true}}))
                     .has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kTemperatures, std::vector<TemperatureRecord>{}).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCurrencies, std::vector<CurrencyRecord>{}).has_value());
}

// Notes the main window's first showing and closes it then, so that its modal run returns.
class CloseWhenShown : public QObject {
public:
    CloseWhenShown(QDialog& window, std::function<void()> onShown) : window_(window), onShown_(std::move(onShown)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            onShown_();
            QMetaObject::invokeMethod(&window_, &QDialog::reject, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog& window_;
    std::function<void()> onShown_;
};

TEST(StartupSequenceTest, TheUpdateComesBeforeTheCatalogueAndTheFormulaFileBeforeTheMainWindow) {
    struct Case {
        const char* autoDownload;
        CommandLine commandLine;
        std::vector<std::string> seen;
    };
    const std::vector<Case> cases{
        {"1",
         {"quantora", "J\xC3\xB6rg report.xpq"},
         {"Update automatic: 0 categories, hidden", "Formula J\xC3\xB6rg report.xpq: 1 categories, hidden",
          "Main window: 1 categories, shown"}},
        {"0", {"quantora", "notes.txt", "report.xpq"}, {"Main window: 1 categories, shown"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autoDownload);
        test::TempFolder folder;
        test::TestProfile profile;
        WriteOneCategory(folder.Path());
        WriteSetting(profile.Store(), "Auto Download", c.autoDownload);
        test::ScriptedLaunchers windows;
        CConverterDlg window(profile.Store(), folder.Path(), windows);
        const auto state = [&window] {
            const int categories = Control<QListWidget>(window, converter_id::kCategories).count();
            return std::to_string(categories) + " categories, " + (window.isVisible() ? "shown" : "hidden");
        };
        std::vector<std::string> seen;
        windows.onOpen = [&](const std::string& name) { seen.push_back(name + ": " + state()); };
        const CloseWhenShown closer(window, [&] { seen.push_back("Main window: " + state()); });

        StartupSequence(profile.Store(), window, windows, c.commandLine).Run();

        EXPECT_EQ(seen, c.seen);
    }
}

}  // namespace
}  // namespace quantora
