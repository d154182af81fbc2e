#include "update/download_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <utility>

#include "app/qt_user_prompts.h"
#include "app/settings.h"
#include "app/widget_placement.h"
#include "quantora_version.h"
#include "ui/dialog_layout.h"

// Qt's resource initialiser must be named from the global namespace.
static void RegisterUpdatePictures() { Q_INIT_RESOURCE(update_pictures); }

namespace quantora {

namespace {

namespace id = download_id;

constexpr int kCompletedIcon = 184;
constexpr int kFailedIcon = 185;
constexpr int kIconPixels = 32;

// Layout 150, in dialog units, with room for a reason under the status and the two addresses.
constexpr DialogRect kWindow{0, 0, 250, 146};
constexpr DialogRect kStatusLine{7, 7, 210, 40};
constexpr DialogRect kIcon{222, 7, 21, 21};
constexpr DialogRect kProgress{7, 52, 236, 10};
constexpr DialogRect kServerLabel{7, 70, 58, 8};
constexpr DialogRect kServerField{66, 68, 177, 12};
constexpr DialogRect kRatesLabel{7, 86, 58, 8};
constexpr DialogRect kRatesField{66, 84, 177, 12};
constexpr DialogRect kAutoDownloadBox{7, 105, 170, 10};
constexpr DialogRect kDownloadButton{7, 124, 110, 15};
constexpr DialogRect kCloseButton{133, 124, 110, 15};

QString Text(const std::string& text) { return QString::fromStdString(text); }

QPixmap StatusPicture(int iconId) {
    static const bool registered = (RegisterUpdatePictures(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/update/%1.png").arg(iconId)).pixmap(kIconPixels, kIconPixels);
}

QString CountdownText(int value) { return QStringLiteral(" Download (10 Secs) (%1)").arg(value); }

}  // namespace

CdlgDownload::CdlgDownload(DownloadSetup setup, QWidget* parent) : QDialog(parent), setup_(std::move(setup)) {
    setWindowTitle(QStringLiteral("Update ") + QString::fromUtf8(kProgramName));
    CreateControls();
    autoDownload_->setChecked(ReadSettingFlag(setup_.profile, Setting::kAutoDownload));
    connect(autoDownload_, &QCheckBox::clicked, this,
            [this](bool checked) { WriteSettingFlag(setup_.profile, Setting::kAutoDownload, checked); });
    server_->setText(Text(ReadSetting(setup_.profile, Setting::kUpdateServer)));
    ratesSource_->setText(Text(ReadSetting(setup_.profile, Setting::kRatesSource)));
    connect(server_, &QLineEdit::textEdited, this, [this](const QString& text) {
        WriteSetting(setup_.profile, Setting::kUpdateServer, text.trimmed().toStdString());
    });
    connect(ratesSource_, &QLineEdit::textEdited, this, [this](const QString& text) {
        WriteSetting(setup_.profile, Setting::kRatesSource, text.trimmed().toStdString());
    });
    connect(download_, &QPushButton::clicked, this, &CdlgDownload::RunUpdate);
    connect(close_, &QPushButton::clicked, this, &CdlgDownload::OnClose);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] {
        if (setup_.showHelp) setup_.showHelp("update.htm");
    });
    timer_ = new QTimer(this);
    timer_->setInterval(setup_.tick);
    connect(timer_, &QTimer::timeout, this, &CdlgDownload::OnTick);
    if (setup_.autoMode && autoDownload_->isChecked() && !setup_.countdown->Finished()) timer_->start();
}

CdlgDownload::~CdlgDownload() { SaveWindowPlacement(setup_.profile, placement_entry::kDownloadWindow, *this); }

void CdlgDownload::CreateControls() {
    DialogLayout layout(*this);
    resize(layout.Map(kWindow).size());
    status_ = &layout.Add<QLabel>(0, QStringLiteral("Download updates :"), kStatusLine);
    status_->setObjectName(
        QString::fromUtf8(kDownloadStatusLineName.data(), static_cast<qsizetype>(kDownloadStatusLineName.size())));
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    icon_ = &layout.Add<QLabel>(id::kStatusIcon, kIcon);
    icon_->setVisible(false);
    progress_ = &layout.Add<QProgressBar>(id::kProgress, kProgress);
    progress_->setTextVisible(false);
    progress_->setRange(1, 100);
    progress_->setValue(1);
    layout.Add<QLabel>(0, QStringLiteral("Update server:"), kServerLabel);
    server_ = &layout.Add<QLineEdit>(id::kUpdateServer, kServerField);
    server_->setPlaceholderText(QStringLiteral("none: only the exchange rates are fetched"));
    server_->setToolTip(QStringLiteral("The server that has newer data files (see Help, F1)"));
    layout.Add<QLabel>(0, QStringLiteral("Rates source:"), kRatesLabel);
    ratesSource_ = &layout.Add<QLineEdit>(id::kRatesSource, kRatesField);
    ratesSource_->setPlaceholderText(QStringLiteral("none: no exchange rates are fetched"));
    ratesSource_->setToolTip(QStringLiteral("The day's exchange rates, in the European Central Bank's format"));
    autoDownload_ = &layout.AddChoice<QCheckBox>(
        id::kAutoDownload, QStringLiteral("Automatic  Update upon program startup"), kAutoDownloadBox);
    download_ = &layout.Add<QPushButton>(id::kDownload, QStringLiteral("Download"), kDownloadButton);
    close_ = &layout.Add<QPushButton>(id::kClose, QStringLiteral("Close"), kCloseButton);
    close_->setDefault(true);
    download_->setAutoDefault(false);
}

void CdlgDownload::showEvent(QShowEvent* event) {
    if (DownloadWindowFirstShow().ShouldRestore(true, event->spontaneous())) {
        RestoreWindowPlacement(setup_.profile, placement_entry::kDownloadWindow, *this);
    }
    QDialog::showEvent(event);
    close_->setFocus();
}

void CdlgDownload::OnTick() {
    const std::optional<int> value = setup_.countdown->Tick();
    if (value) download_->setText(CountdownText(*value));
    if (!setup_.countdown->Finished()) return;
    timer_->stop();
    RunUpdate();
    download_->setText(QStringLiteral("Download"));
    close_->setText(QStringLiteral("Close"));
}

void CdlgDownload::RunUpdate() {
    if (running_) return;
    timer_->stop();
    download_->setText(QStringLiteral("Download"));
    progress_->setRange(1, 100);
    download_->setEnabled(false);
    server_->setEnabled(false);
    ratesSource_->setEnabled(false);
    running_ = true;
    stopRequested_ = false;
    FetchLimits limits;
    limits.extraCaFile = ReadSetting(setup_.profile, Setting::kUpdateCertificate);
    QtUserPrompts prompts(this);
    DataUpdate update(setup_.dataFolder, ReadSetting(setup_.profile, Setting::kUpdateServer), prompts, limits);
    update.SetRatesSource(ReadSetting(setup_.profile, Setting::kRatesSource));
    const UpdateRunResult result = update.Run(*this);
    running_ = false;
    server_->setEnabled(true);
    ratesSource_->setEnabled(true);
    // A later run that finds nothing new must not hide that an earlier one replaced files.
    dataChanged_ = dataChanged_ || result.dataChanged;
    ShowOutcome(result.outcome);
    if (closeAfterRun_) {
        OnClose();
    } else if (closeBoxAfterRun_) {
        reject();
    }
}

void CdlgDownload::ShowOutcome(UpdateOutcome outcome) {
    const bool good = outcome == UpdateOutcome::kCompleted || outcome == UpdateOutcome::kUpToDate;
    icon_->setPixmap(StatusPicture(good ? kCompletedIcon : kFailedIcon));
    icon_->setVisible(true);
    download_->setEnabled(outcome != UpdateOutcome::kListNotFound);
}

// Close, and Esc: during a run they stop it, and the window closes once the run has ended cleanly.
void CdlgDownload::OnClose() {
    if (running_) {
        stopRequested_ = true;
        closeAfterRun_ = true;
        return;
    }
    timer_->stop();
    SaveWindowPlacement(setup_.profile, placement_entry::kDownloadWindow, *this);
    reject();
    DownloadWindowFirstShow().Rearm();
}

void CdlgDownload::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        OnClose();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box ends the window without arming the next restore; during a run it stops the run first.
void CdlgDownload::closeEvent(QCloseEvent* event) {
    if (running_) {
        stopRequested_ = true;
        closeBoxAfterRun_ = true;
        event->ignore();
        return;
    }
    timer_->stop();
    QDialog::closeEvent(event);
}

void CdlgDownload::SetStatusText(std::string_view text) {
    status_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    status_->repaint();
}

void CdlgDownload::SetProgress(int percent) {
    progress_->setValue(percent);
    progress_->repaint();
}

bool CdlgDownload::StopRequested() {
    QCoreApplication::processEvents();
    return stopRequested_;
}

}  // namespace quantora
