#include "app/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "quantora_version.h"

namespace quantora {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QString::fromUtf8(kProgramName) + QStringLiteral(" Help"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::ShowPage(const std::filesystem::path& page, const QString& section) {
    // From the path's own characters: its narrow form is the system code page on Windows, which
    // garbles, or cannot even hold, a folder named in the user's letters.
    const QString file = QFileInfo(page).filePath();
    if (std::filesystem::exists(page)) {
        QUrl url = QUrl::fromLocalFile(file);
        if (!section.isEmpty()) url.setFragment(section);
        browser_->setSource(url);
    } else {
        browser_->setPlainText(QStringLiteral("The help page %1 cannot be found.").arg(file));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace quantora
