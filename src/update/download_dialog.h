#pragma once

#include <QDialog>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>

#include "update/data_update.h"
#include "update/download_countdown.h"
#include "update/update_view.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quantora {

class ProfileStore;

// Control ids of the update window's layout 150.
namespace download_id {
inline constexpr int kDownload = 1;
inline constexpr int kClose = 2;
inline constexpr int kAutoDownload = 1067;
inline constexpr int kProgress = 1083;
inline constexpr int kStatusIcon = 1130;
// The two addresses the run uses, shown and changed in the window itself.
inline constexpr int kUpdateServer = 1201;
inline constexpr int kRatesSource = 1202;
}  // namespace download_id

// The status line has no id of its own in the layout; this is its objectName.
inline constexpr std::string_view kDownloadStatusLineName = "statusLine";

// What the update window needs besides its parent. The countdown ticks every `tick`; only tests
// make it shorter.
struct DownloadSetup {
    ProfileStore& profile;
    std::filesystem::path dataFolder;
    bool autoMode = false;
    std::function<void(std::string_view page)> showHelp;
    std::chrono::milliseconds tick{1000};
    DownloadCountdown* countdown = &ProcessDownloadCountdown();
};

// The update window: runs DataUpdate synchronously, with the status line and the progress bar
// repainted as it goes and Close kept alive to stop it.
class CdlgDownload : public QDialog, private UpdateView {
    Q_OBJECT

public:
    explicit CdlgDownload(DownloadSetup setup, QWidget* parent = nullptr);
    ~CdlgDownload() override;

    // True once a run in this window put data files in place.
    bool DataChanged() const { return dataChanged_; }
    bool Running() const { return running_; }
    // The Download button: stops the countdown and runs the update.
    void RunUpdate();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void OnTick();
    void OnClose();
    void ShowOutcome(UpdateOutcome outcome);

    void SetStatusText(std::string_view text) override;
    void SetProgress(int percent) override;
    bool StopRequested() override;

    DownloadSetup setup_;
    QPushButton* download_ = nullptr;
    QPushButton* close_ = nullptr;
    QCheckBox* autoDownload_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* icon_ = nullptr;
    QLineEdit* server_ = nullptr;
    QLineEdit* ratesSource_ = nullptr;
    QTimer* timer_ = nullptr;
    bool dataChanged_ = false;
    bool running_ = false;
    bool stopRequested_ = false;
    bool closeAfterRun_ = false;
    bool closeBoxAfterRun_ = false;
};

}  // namespace quantora
