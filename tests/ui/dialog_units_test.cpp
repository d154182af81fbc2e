#include "ui/dialog_units.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <tuple>
#include <vector>

namespace quantora {
namespace {

TEST(DialogUnitsTest, MapsQuartersOfTheLetterWidthAndEighthsOfTheHeightRounded) {
    // Base units 6 x 13 are those of the usual 8-point dialog font.
    const DialogUnits units(6, 13);
    const std::vector<std::tuple<int, int, int>> cases{{0, 0, 0}, {1, 2, 2},       {2, 3, 3},
                                                       {4, 6, 7}, {442, 663, 718}, {334, 501, 543}};
    for (const auto& [value, x, y] : cases) {
        EXPECT_EQ(units.X(value), x) << value;
        EXPECT_EQ(units.Y(value), y) << value;
    }
    EXPECT_EQ(units.Map(110, 17, 259, 147), QRect(165, 28, 389, 239));
}

TEST(DialogUnitsTest, BaseUnitsComeFromTheFont) {
    QFont font;
    font.setPixelSize(20);
    const DialogUnits units(font);
    EXPECT_EQ(units.BaseHeight(), QFontMetrics(font).height());
    const int letters = QFontMetrics(font).horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_NEAR(units.BaseWidth(), letters / 52.0, 0.5);
}

}  // namespace
}  // namespace quantora
