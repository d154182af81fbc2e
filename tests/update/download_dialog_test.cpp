#include "update/download_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/settings.h"
#include "app/window_placement.h"
#include "shipped_data.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"
#include "support/update_server.h"
#include "ui/control_lookup.h"
#include "update_data.h"

// Failures show the texts themselves.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quantora {
namespace {

using namespace std::chrono_literals;
namespace id = download_id;

class DownloadWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running());
        WriteSetting(profile_.Store(), Setting::kUpdateServer, server_.Url());
        WriteSetting(profile_.Store(), Setting::kRatesSource, "");
        for (const auto& [stem, bytes] : test::ShippedData()) test::WriteBytes(data_ / (stem + ".dat"), bytes);
        test::WriteBytes(data_ / "list.dat", test::MakeList({{"cat", "1"}}));
        server_.Serve("list", test::MakeList({{"cat", "1"}}));
        auto categories = test::Decode<CategoryRecord>(test::ReadBytes(data_ / "cat.dat"));
        (void)categories[0].name.Assign("Renamed", "name");
        server_.Serve("cat", test::Encode(categories));
    }

    std::unique_ptr<CdlgDownload> Open(bool autoMode) {
        WriteSettingFlag(profile_.Store(), Setting::kAutoDownload, autoMode);
        auto window = std::make_unique<CdlgDownload>(DownloadSetup{.profile = profile_.Store(),
                                                                   .dataFolder = data_.Path(),
                                                                   .autoMode = autoMode,
                                                                   .showHelp = {},
                                                                   .tick = 20ms,
                                                                   .countdown = &countdown_});
        window->show();
        return window;
    }

    // Runs the event loop until `done` or `limit`, keeping every new text of button 1. The sampler
    // is a timer, so it also sees the texts shown while a run pumps events.
    std::vector<QString> WatchDownloadButton(CdlgDownload& window, const std::function<bool()>& done,
                                             int limit = 5000) {
        std::vector<QString> texts;
        auto& download = Control<QPushButton>(window, id::kDownload);
        const auto sample = [&] {
            if (texts.empty() || texts.back() != download.text()) texts.push_back(download.text());
        };
        QTimer sampler;
        sampler.setInterval(1);
        QObject::connect(&sampler, &QTimer::timeout, sample);
        sampler.start();
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < limit) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            sample();
        }
        return texts;
    }

    QString StatusLine(CdlgDownload& window) {
        return window.findChild<QLabel*>(QString::fromUtf8(kDownloadStatusLineName.data()))->text();
    }

    test::UpdateServer server_;
    test::TempFolder data_;
    test::TestProfile profile_;
    DownloadCountdown countdown_;
};

TEST_F(DownloadWindow, CountdownShowsTenToOneThenRunsOnce) {
    auto window = Open(true);
    const QString initial = Control<QPushButton>(*window, id::kDownload).text();
    const auto texts = WatchDownloadButton(*window, [&] { return !server_.Requests().empty() && !window->Running(); });
    // The tick that shows 1 starts the run in the same handler, and the run's first step gives the
    // button back its own text.
    std::vector<QString> expected{initial};
    for (int value = 10; value >= 2; --value) expected.push_back(QStringLiteral(" Download (10 Secs) (%1)").arg(value));
    expected.push_back(QStringLiteral("Download"));
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(server_.Requests(), std::vector<std::string>{"/update.aspx?file=list.zip"});
    EXPECT_EQ(StatusLine(*window), QString::fromUtf8(update_text::kUpToDate.data()));
    EXPECT_TRUE(countdown_.Finished());
}

TEST_F(DownloadWindow, DownloadDuringTheCountdownEndsItAndRunsAtOnce) {
    auto window = Open(true);
    auto& download = Control<QPushButton>(*window, id::kDownload);
    WatchDownloadButton(*window, [&] { return download.text().endsWith(QStringLiteral("(7)")); });
    ASSERT_EQ(download.text(), QStringLiteral(" Download (10 Secs) (7)"));
    download.click();
    EXPECT_EQ(server_.Requests().size(), 1u);
    const auto later = WatchDownloadButton(
        *window, [] { return false; }, 300);
    EXPECT_EQ(later, std::vector<QString>{QStringLiteral("Download")});
    EXPECT_EQ(server_.Requests().size(), 1u);
    EXPECT_FALSE(countdown_.Finished());
}

TEST_F(DownloadWindow, CloseDuringTheCountdownRunsNothing) {
    auto window = Open(true);
    WatchDownloadButton(*window, [&] { return Control<QPushButton>(*window, id::kDownload).text().endsWith("(9)"); });
    Control<QPushButton>(*window, id::kClose).click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
    WatchDownloadButton(
        *window, [] { return false; }, 300);
    EXPECT_TRUE(server_.Requests().empty());
    EXPECT_TRUE(DownloadWindowFirstShow().Armed());
}

TEST_F(DownloadWindow, ByHandNoCountdownAndReplacedFilesAreReported) {
    server_.Serve("list", test::MakeList({{"cat", "2"}}));
    auto window = Open(false);
    EXPECT_EQ(WatchDownloadButton(
                  *window, [] { return false; }, 300),
              std::vector<QString>{"Download"});
    EXPECT_TRUE(server_.Requests().empty());
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_TRUE(window->DataChanged());
    EXPECT_EQ(StatusLine(*window), QString::fromUtf8(update_text::kCompleted.data()));
    EXPECT_TRUE(Control<QLabel>(*window, id::kStatusIcon).isVisibleTo(window.get()));
    EXPECT_TRUE(Control<QPushButton>(*window, id::kDownload).isEnabled());
    // A second run finds nothing new, and the window still reports the first run's files.
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_EQ(StatusLine(*window), QString::fromUtf8(update_text::kUpToDate.data()));
    EXPECT_TRUE(window->DataChanged());
}

TEST_F(DownloadWindow, ListNotFoundLeavesDownloadDisabled) {
    server_.Answer("list", "missing");
    auto window = Open(false);
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_FALSE(Control<QPushButton>(*window, id::kDownload).isEnabled());
    EXPECT_FALSE(window->DataChanged());
}

TEST_F(DownloadWindow, CloseDuringARunStopsItCleanly) {
    server_.Serve("list", test::MakeList({{"cat", "2"}}));
    server_.Answer("cat", "stall");
    const test::Bytes installed = test::ReadBytes(data_ / "cat.dat");
    auto window = Open(false);
    QTimer::singleShot(700, window.get(), [&] { Control<QPushButton>(*window, id::kClose).click(); });
    QElapsedTimer clock;
    clock.start();
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(window->Running());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(test::ReadBytes(data_ / "cat.dat"), installed);
    EXPECT_FALSE(std::filesystem::exists(data_ / "catnew.dat"));
    EXPECT_EQ(test::ReadBytes(data_ / "list.dat"), test::MakeList({{"cat", "1"}}));
}

// A new user names neither: typing both in the window is all it takes, and Download uses them.
TEST_F(DownloadWindow, ServerAndRatesSourceAreSetInTheWindow) {
    WriteSetting(profile_.Store(), Setting::kUpdateServer, "");
    WriteSetting(profile_.Store(), Setting::kRatesSource, "http://127.0.0.1:1/old.xml");
    server_.Serve("list", test::MakeList({{"cat", "2"}}));
    const std::string rates = server_.ServeRates("daily", test::ReferenceRatesXml("2026-12-08", test::kThirtyRates));
    auto window = Open(false);
    auto& server = Control<QLineEdit>(*window, id::kUpdateServer);
    auto& source = Control<QLineEdit>(*window, id::kRatesSource);
    EXPECT_EQ(server.text(), QString());
    EXPECT_EQ(source.text(), QStringLiteral("http://127.0.0.1:1/old.xml"));
    QTest::keyClicks(&server, QString::fromStdString(server_.Url()));
    source.selectAll();
    QTest::keyClicks(&source, QString::fromStdString(rates));
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kUpdateServer), server_.Url());
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kRatesSource), rates);
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_TRUE(window->DataChanged());
    EXPECT_TRUE(StatusLine(*window).contains(QStringLiteral("rates of 2026-12-08, European Central Bank")))
        << StatusLine(*window).toStdString();
    EXPECT_TRUE(StatusLine(*window).contains(QString::fromUtf8(update_text::kCompleted.data())));
}

// Only the rates source, as a new copy has it: the rates come, and the window says why nothing else does.
TEST_F(DownloadWindow, RatesAloneWithoutAServer) {
    WriteSetting(profile_.Store(), Setting::kUpdateServer, "");
    WriteSetting(profile_.Store(), Setting::kRatesSource,
                 server_.ServeRates("daily", test::ReferenceRatesXml("2026-12-08", test::kThirtyRates)));
    auto window = Open(false);
    Control<QPushButton>(*window, id::kDownload).click();
    EXPECT_TRUE(StatusLine(*window).contains(QString::fromUtf8(update_text::kNoServerForFiles.data())))
        << StatusLine(*window).toStdString();
    EXPECT_EQ(server_.Requests(), std::vector<std::string>{"/daily.xml"});
}

TEST_F(DownloadWindow, CheckBoxWritesTheFlagAndTheCloseBoxDoesNotRearm) {
    auto window = Open(false);
    Control<QCheckBox>(*window, id::kAutoDownload).click();
    EXPECT_TRUE(ReadSettingFlag(profile_.Store(), Setting::kAutoDownload));
    Control<QCheckBox>(*window, id::kAutoDownload).click();
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kAutoDownload), "0");
    window->close();
    EXPECT_FALSE(DownloadWindowFirstShow().Armed());
}

}  // namespace
}  // namespace quantora
