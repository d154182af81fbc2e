#include "ui/transparent_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <span>
#include <utility>
#include <vector>

#include "app/user_prompts.h"
#include "ui/program_art.h"
#include "ui/splash_shape.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

QRegion ShapeOf(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const std::uint32_t*>(rgb.constBits());
    // Rows of an RGB32 image are whole 32-bit words, so the bytes per line are width * 4.
    const std::span<const std::uint32_t> pixels(first, static_cast<std::size_t>(rgb.width()) * rgb.height());
    std::vector<QRect> rects;
    for (const ShapeRect& r : SplashShape({pixels, rgb.width(), rgb.height()})) {
        rects.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    // Row by row and left to right, as SplashShape gives them, is the order setRects takes at once.
    QRegion shape;
    shape.setRects(rects.data(), static_cast<int>(rects.size()));
    return shape;
}

}  // namespace

CTransparentDialogDlg::CTransparentDialogDlg(UserPrompts& prompts, std::function<void()> whileShown,
                                             QString picturePath)
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog),
      prompts_(prompts),
      picturePath_(picturePath.isEmpty() ? SplashPicturePath() : std::move(picturePath)),
      whileShown_(std::move(whileShown)) {
    setWindowIcon(ProgramIcon());
    // The layout's hidden default button: Enter ends the window early.
    auto* ok = new QPushButton(this);
    ok->setObjectName(QString::number(standard_id::kOk));
    ok->setDefault(true);
    ok->hide();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    timer_.setSingleShot(true);
    timer_.setInterval(kShowMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        accept();
        update();
    });
    LoadPicture();
}

void CTransparentDialogDlg::LoadPicture() {
    if (!picture_.load(picturePath_)) return;
    setMask(ShapeOf(picture_));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(screen.x() + screen.width() / 2 - picture_.width() / 2,
                screen.y() + screen.height() / 2 - picture_.height() / 2, picture_.width(), picture_.height());
}

void CTransparentDialogDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(shown_, true)) return;
    timer_.start();
    // Queued, so the window is on the screen before the message box holds it.
    if (picture_.isNull())
        QMetaObject::invokeMethod(this, &CTransparentDialogDlg::ReportMissingPicture, Qt::QueuedConnection);
}

void CTransparentDialogDlg::ReportMissingPicture() {
    prompts_.Message("Error loading bitmap", QGuiApplication::applicationDisplayName().toStdString());
}

void CTransparentDialogDlg::RunWhileShown() {
    if (whileShown_) std::exchange(whileShown_, {})();
}

// The work waits for the first painting: only then is the window on the screen (a window system
// may show it some time after it is asked to), and the work keeps it from being painted until done.
void CTransparentDialogDlg::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) QPainter(this).drawImage(0, 0, picture_);
    if (whileShown_) QMetaObject::invokeMethod(this, &CTransparentDialogDlg::RunWhileShown, Qt::QueuedConnection);
}

void CTransparentDialogDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return accept();
    QDialog::keyPressEvent(event);
}

}  // namespace quantora
