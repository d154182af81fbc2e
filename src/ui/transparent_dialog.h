#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>
#include <functional>

namespace quantora {

class UserPrompts;

// The splash window: the start-up picture in a borderless window shaped like the picture itself,
// centred on the screen above all other windows. It ends itself 300 ms after it is shown, or at
// Enter. `whileShown` runs once the picture is on the screen, so start-up work can use the wait.
class CTransparentDialogDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 300;

    // `picturePath` empty: the program's own start-up picture.
    explicit CTransparentDialogDlg(UserPrompts& prompts, std::function<void()> whileShown = {},
                                   QString picturePath = {});

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadPicture();
    void ReportMissingPicture();
    void RunWhileShown();

    UserPrompts& prompts_;
    QString picturePath_;
    std::function<void()> whileShown_;
    QImage picture_;
    QTimer timer_;
    bool shown_ = false;
};

}  // namespace quantora
