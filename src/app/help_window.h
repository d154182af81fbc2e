#pragma once

#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace quantora {

// Shows a page of the help delivered beside the program.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // `section` names an anchor of the page; empty shows the page from its top.
    void ShowPage(const std::filesystem::path& page, const QString& section = QString());
    QTextBrowser& Browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace quantora
