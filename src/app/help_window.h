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

    void ShowPage(const std::filesystem::path& page);
    QTextBrowser& Browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace quantora
