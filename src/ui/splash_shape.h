#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quantora {

// The splash picture's pixels, row by row from the top, each 0xRRGGBB.
struct PixelRows {
    std::span<const std::uint32_t> pixels;
    int width = 0;
    int height = 0;
};

// One rectangle of the window's shape: columns left..right-1 of rows top..bottom-1.
struct ShapeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ShapeRect&) const = default;
};

// Red 0, green 0, blue 1: one step above black, so pure black stays part of the picture.
inline constexpr std::uint32_t kTransparentColour = 0x000001;

// The window's shape cut out of the picture: for every row, one rectangle per run of pixels that are
// not the transparent colour. Bits above the colour's 24 are ignored.
std::vector<ShapeRect> SplashShape(const PixelRows& picture);

}  // namespace quantora
