#include "ui/transparent_dialog.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <string>
#include <vector>

#include "app/user_prompts.h"
#include "support/temp_folder.h"
#include "ui/splash_shape.h"

namespace quantora {
namespace {

class NotedPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;
    void Message(std::string_view text, std::string_view) override { messages.emplace_back(text); }
    Answer Question(std::string_view, std::string_view, Buttons) override { return Answer::Ok; }
    void Beep() override {}
};

constexpr QRgb T = 0xFF000000u | kTransparentColour;
constexpr QRgb W = 0xFFFFFFFFu;
constexpr QRgb B = 0xFF000000u;

// Six by three: a run in the middle of the top row, an empty row, and a bottom row that is all
// picture, pure black at both ends.
QString WritePicture(const test::TempFolder& folder) {
    const std::vector<std::vector<QRgb>> rows{{T, T, W, W, T, T}, {T, T, T, T, T, T}, {B, W, W, W, W, B}};
    QImage picture(6, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) picture.setPixel(x, y, rows[y][x]);
    }
    const QString path = QString::fromStdString((folder / "splash.png").string());
    EXPECT_TRUE(picture.save(path));
    return path;
}

TEST(TransparentDialog, TakesThePictureShapeCentredAndEndsItselfAfterTheWorkWhileShown) {
    test::TempFolder folder;
    NotedPrompts prompts;
    bool visibleDuringWork = false;
    CTransparentDialogDlg* shown = nullptr;
    CTransparentDialogDlg splash(
        prompts, [&] { visibleDuringWork = shown->isVisible(); }, WritePicture(folder));
    shown = &splash;

    const QRegion shape = splash.mask();
    const std::vector<std::pair<QPoint, bool>> points{{{0, 0}, false}, {{2, 0}, true}, {{3, 0}, true}, {{4, 0}, false},
                                                      {{3, 1}, false}, {{0, 2}, true}, {{5, 2}, true}};
    for (const auto& [point, inside] : points) {
        EXPECT_EQ(shape.contains(point), inside) << point.x() << "," << point.y();
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.geometry(), QRect(screen.width() / 2 - 3, screen.height() / 2 - 1, 6, 3));

    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_TRUE(visibleDuringWork);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(TransparentDialog, AMissingPictureIsReportedAndTheWindowStillEnds) {
    test::TempFolder folder;
    NotedPrompts prompts;
    CTransparentDialogDlg splash(prompts, {}, QString::fromStdString((folder / "none.png").string()));
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error loading bitmap"});
}

TEST(TransparentDialog, TheProgramPictureLoadsWithItsCutOutEdges) {
    NotedPrompts prompts;
    const CTransparentDialogDlg splash(prompts);
    EXPECT_EQ(splash.size(), QSize(529, 374));
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(splash.mask().contains(QPoint(264, 150)));
}

}  // namespace
}  // namespace quantora
