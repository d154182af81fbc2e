#include "app/startup_sequence.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/settings.h"
#include "app/user_prompts.h"
#include "app/window_placement.h"
#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "main/converter_dialog.h"
#include "support/record_builders.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "ui/control_lookup.h"
#include "ui/transparent_dialog.h"

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

class NoPrompts : public UserPrompts {
public:
    void Message(std::string_view text, std::string_view) override { ADD_FAILURE() << "message: " << text; }
    Answer Question(std::string_view text, std::string_view, Buttons) override {
        ADD_FAILURE() << "question: " << text;
        return Answer::Cancel;
    }
    void Beep() override {}
};

bool SplashShown() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return qobject_cast<const CTransparentDialogDlg*>(window) != nullptr && window->isVisible();
    });
}

// One start-up in a fresh profile and data folder; `settings` are written to "Settings" first.
struct Start {
    test::TempFolder folder;
    test::TestProfile profile;
    test::ScriptedLaunchers windows;
    NoPrompts prompts;
    CConverterDlg* window = nullptr;
    std::vector<std::string> seen;
    std::string valueShown;

    Start(const std::vector<std::pair<std::string, std::string>>& settings, CommandLine commandLine) {
        WriteOneCategory(folder.Path());
        for (const auto& [name, value] : settings) WriteSetting(profile.Store(), name, value);
        windows.onOpen = [this](const std::string& name) { seen.push_back(name + ": " + State()); };
        std::unique_ptr<CloseWhenShown> closer;
        StartupSequence(profile.Store(), windows, prompts, std::move(commandLine), [&] {
            seen.push_back(std::string("Main window made, splash ") + (SplashShown() ? "shown" : "hidden"));
            auto made = std::make_unique<CConverterDlg>(profile.Store(), folder.Path() / "data", windows);
            window = made.get();
            closer = std::make_unique<CloseWhenShown>(*made, [this] {
                seen.push_back("Main window: " + State());
                valueShown = Control<QLineEdit>(*window, converter_id::kValue).text().toStdString();
            });
            return made;
        }).Run();
    }

    std::string State() const {
        const int categories = Control<QListWidget>(*window, converter_id::kCategories).count();
        return std::to_string(categories) + " categories, " + (window->isVisible() ? "shown" : "hidden") +
               (SplashShown() ? ", splash shown" : "");
    }
};

TEST(StartupSequenceTest, SplashThenUpdateThenCatalogueThenFormulaFileThenMainWindow) {
    struct Case {
        const char* autoDownload;
        CommandLine commandLine;
        std::vector<std::string> seen;
    };
    const std::string made = "Main window made, splash shown";
    const std::string mainWindow = "Main window: 1 categories, shown";
    const std::string update = "Update automatic: 0 categories, hidden";
    const std::vector<Case> cases{
        {"1",
         {"quantora", "J\xC3\xB6rg report.xpq"},
         {made, update, "Formula J\xC3\xB6rg report.xpq: 1 categories, hidden", mainWindow}},
        {"0", {"quantora", "notes.txt", "report.xpq"}, {made, mainWindow}},
        {" 1x", {"quantora"}, {made, update, mainWindow}},
        {"2", {"quantora", "sums.xpq.bak"}, {made, "Formula sums.xpq.bak: 1 categories, hidden", mainWindow}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autoDownload);
        Start start({{"Auto Download", c.autoDownload}}, c.commandLine);
        EXPECT_EQ(start.seen, c.seen);
    }
}

TEST(StartupSequenceTest, TheValueBoxShowsSavedXAndTheExitSavesItAndTheWindowPlace) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases{
        {std::nullopt, "1"}, {"", "1"}, {" 2e3*x", " 2e3*x"}};
    for (const auto& [saved, shown] : cases) {
        SCOPED_TRACE(saved.value_or("(missing)"));
        std::vector<std::pair<std::string, std::string>> settings;
        if (saved) settings.emplace_back("Saved X", *saved);
        Start start(settings, {"quantora"});
        EXPECT_EQ(start.valueShown, shown);
        EXPECT_EQ(ReadSetting(start.profile.Store(), "Saved X"), shown);
        EXPECT_TRUE(start.profile.Store().ReadBinary(kPositionsSection, placement_entry::kMainWindow).has_value());
    }
}

// A display name of its own would be appended by the window system to every caption, so that
// "Question" read "Ques... ntora"; the profile's place still comes from the organisation's name.
TEST(StartupSequenceTest, TheProgramAddsNothingToTheWindowsCaptions) {
    SetProgramIdentity();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(QCoreApplication::organizationName(), "Quantora");
}

}  // namespace
}  // namespace quantora
