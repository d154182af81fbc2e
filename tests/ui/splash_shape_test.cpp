#include "ui/splash_shape.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quantora {

void PrintTo(const ShapeRect& r, std::ostream* out) {
    *out << "{" << r.left << "," << r.top << " - " << r.right << "," << r.bottom << "}";
}

namespace {

constexpr std::uint32_t T = kTransparentColour;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlueTwo = 0x000002;

struct ShapeCase {
    std::string name;
    std::vector<std::uint32_t> pixels;
    int width;
    std::vector<ShapeRect> shape;
};

TEST(SplashShape, EachRunOfPictureIsOneRectangleOfItsRow) {
    const std::vector<ShapeCase> cases{
        {"a row all transparent adds nothing", {T, T, T, T}, 4, {}},
        {"a row without the colour is one rectangle", {kWhite, kBlack, kBlueTwo, kWhite}, 4, {{0, 0, 4, 1}}},
        {"pure black is part of the picture", {T, kBlack, T}, 3, {{1, 0, 2, 1}}},
        {"runs touching both edges", {kWhite, T, T, kWhite, kWhite}, 5, {{0, 0, 1, 1}, {3, 0, 5, 1}}},
        {"alpha bits are not part of the colour", {0xFF000001, 0xFF123456}, 2, {{1, 0, 2, 1}}},
        {"rows keep their own y",
         {T, kWhite, T,  //
          T, T, T,       //
          kWhite, T, kWhite},
         3,
         {{1, 0, 2, 1}, {0, 2, 1, 3}, {2, 2, 3, 3}}},
    };
    for (const ShapeCase& c : cases) {
        const int height = static_cast<int>(c.pixels.size()) / c.width;
        EXPECT_EQ(SplashShape({c.pixels, c.width, height}), c.shape) << c.name;
    }
}

TEST(SplashShape, NeverReadsPastThePixelsItIsGiven) {
    const std::vector<std::uint32_t> oneRow{kWhite, kWhite};
    EXPECT_EQ(SplashShape({oneRow, 2, 5}), (std::vector<ShapeRect>{{0, 0, 2, 1}}));
    EXPECT_TRUE(SplashShape({oneRow, 0, 1}).empty());
}

}  // namespace
}  // namespace quantora
