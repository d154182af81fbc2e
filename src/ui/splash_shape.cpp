#include "ui/splash_shape.h"

#include <algorithm>
#include <cstddef>

namespace quantora {

namespace {

bool IsTransparent(std::uint32_t pixel) { return (pixel & 0xFFFFFFu) == kTransparentColour; }

void AddRowRuns(std::span<const std::uint32_t> row, int y, std::vector<ShapeRect>& shape) {
    const int width = static_cast<int>(row.size());
    int x = 0;
    while (x < width) {
        while (x < width && IsTransparent(row[static_cast<std::size_t>(x)])) ++x;
        const int start = x;
        while (x < width && !IsTransparent(row[static_cast<std::size_t>(x)])) ++x;
        if (x > start) shape.push_back({start, y, x, y + 1});
    }
}

}  // namespace

std::vector<ShapeRect> SplashShape(const PixelRows& picture) {
    std::vector<ShapeRect> shape;
    if (picture.width <= 0 || picture.height <= 0) return shape;
    const auto width = static_cast<std::size_t>(picture.width);
    // A buffer shorter than width x height gives the rows it holds and no more.
    const int rows = static_cast<int>(
        std::min<std::size_t>(picture.pixels.size() / width, static_cast<std::size_t>(picture.height)));
    for (int y = 0; y < rows; ++y)
        AddRowRuns(picture.pixels.subspan(static_cast<std::size_t>(y) * width, width), y, shape);
    return shape;
}

}  // namespace quantora
