#include "ui/control_anchors.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace quantora {

// Readable failure messages; found by argument-dependent lookup.
void PrintTo(const ControlMove& move, std::ostream* out) {
    *out << "{id " << move.controlId << " at " << move.left << "," << move.top << " size " << move.width << "x"
         << move.height << "}";
}
void PrintTo(const ControlRect& rect, std::ostream* out) {
    *out << "{" << rect.left << "," << rect.top << " - " << rect.right << "," << rect.bottom << "}";
}

namespace {

constexpr WindowRect kWindow{100, 50, 500, 350};

WindowRect Resized(WindowRect window, int dx, int dy) {
    return {window.left, window.top, window.right + dx, window.bottom + dy};
}

ControlAnchors::RectLookup LookupIn(const std::map<int, ControlRect>& rects) {
    return [rects](int id) -> std::optional<ControlRect> {
        const auto found = rects.find(id);
        if (found == rects.end()) return std::nullopt;
        return found->second;
    };
}

// One control at (40, 30)-(100, 50), anchored as given, in a window that changes by (dx, dy).
struct AxisCase {
    std::string name;
    int bits;
    int dx;
    int dy;
    std::optional<ControlMove> expected;
};

TEST(ControlAnchors, EachAxisFollowsItsAnchorBits) {
    const std::vector<AxisCase> cases = {
        {"left only, wider", anchor::kLeft, 20, 0, std::nullopt},
        {"right only, wider", anchor::kRight, 20, 0, ControlMove{7, 60, 30, 60, 20}},
        {"left and right, wider", anchor::kLeft | anchor::kRight, 20, 0, ControlMove{7, 40, 30, 80, 20}},
        {"no horizontal bit, wider", 0, 20, 0, ControlMove{7, 50, 30, 60, 20}},
        {"right only, narrower", anchor::kRight, -30, 0, ControlMove{7, 10, 30, 60, 20}},
        {"left and right, narrower", anchor::kLeft | anchor::kRight, -30, 0, ControlMove{7, 40, 30, 30, 20}},
        {"top only, taller", anchor::kTop, 0, 20, std::nullopt},
        {"bottom only, taller", anchor::kBottom, 0, 20, ControlMove{7, 40, 50, 60, 20}},
        {"top and bottom, taller", anchor::kTop | anchor::kBottom, 0, 20, ControlMove{7, 40, 30, 60, 40}},
        {"no vertical bit, taller", 0, 0, 20, ControlMove{7, 40, 40, 60, 20}},
        {"bottom only, lower", anchor::kBottom, 0, -10, ControlMove{7, 40, 20, 60, 20}},
        {"all four, both axes", 0xF0, 20, 10, ControlMove{7, 40, 30, 80, 30}},
        {"right and bottom, both axes", anchor::kRight | anchor::kBottom, 20, 10, ControlMove{7, 60, 40, 60, 20}},
        {"top-left only, both axes", anchor::kLeft | anchor::kTop, 20, 10, std::nullopt},
        {"horizontal fixed, vertical centred", anchor::kLeft | anchor::kRight, 0, 10, ControlMove{7, 40, 35, 60, 20}},
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(c.name);
        ControlAnchors anchors;
        anchors.Register(7, c.bits);
        ASSERT_TRUE(anchors.SetUp(kWindow, 390, 270, LookupIn({{7, {40, 30, 100, 50}}})).empty());
        const auto moves = anchors.Apply(Resized(kWindow, c.dx, c.dy));
        if (c.expected) {
            ASSERT_EQ(moves.size(), 1u);
            EXPECT_EQ(moves[0], *c.expected);
        } else {
            EXPECT_TRUE(moves.empty());
        }
    }
}

TEST(ControlAnchors, ChangeFlagsNameTheEdgesThatMoved) {
    struct FlagCase {
        WindowRect next;
        int flags;
        int widthChange;
        int heightChange;
    };
    const std::vector<FlagCase> cases = {
        {{100, 50, 520, 350}, edge_moved::kRight, 20, 0},
        {{80, 50, 500, 350}, edge_moved::kLeft, 20, 0},
        {{100, 40, 500, 350}, edge_moved::kTop, 0, 10},
        {{100, 50, 500, 330}, edge_moved::kBottom, 0, -20},
        {{90, 40, 490, 340}, 0xF0, 0, 0},
        {{100, 50, 500, 350}, 0, 0, 0},
    };
    for (const FlagCase& c : cases) {
        ControlAnchors anchors;
        anchors.SetUp(kWindow, 390, 270, LookupIn({}));
        anchors.Apply(c.next);
        EXPECT_EQ(anchors.ChangeFlags(), c.flags);
        EXPECT_EQ(anchors.WidthChange(), c.widthChange);
        EXPECT_EQ(anchors.HeightChange(), c.heightChange);
        EXPECT_EQ(anchors.ClientWidth(), 390 + c.widthChange);
        EXPECT_EQ(anchors.ClientHeight(), 270 + c.heightChange);
    }
}

TEST(ControlAnchors, MovingTheWindowWithoutResizingMovesNothing) {
    ControlAnchors anchors;
    for (const int bits : {0, 0x10, 0x20, 0x40, 0x80, 0x90, 0xA0, 0xF0}) anchors.Register(bits + 1, bits);
    std::map<int, ControlRect> rects;
    for (const int bits : {0, 0x10, 0x20, 0x40, 0x80, 0x90, 0xA0, 0xF0}) rects[bits + 1] = {5, 5, 25, 15};
    anchors.SetUp(kWindow, 390, 270, LookupIn(rects));
    EXPECT_TRUE(anchors.Apply({300, 250, 700, 550}).empty());
    EXPECT_EQ(anchors.ChangeFlags(), 0xF0);
}

TEST(ControlAnchors, HalfPixelMovesAccumulate) {
    ControlAnchors anchors;
    anchors.Register(9, anchor::kTop);
    anchors.SetUp(kWindow, 390, 270, LookupIn({{9, {10, 10, 30, 20}}}));

    const auto first = anchors.Apply(Resized(kWindow, 1, 0));
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0], (ControlMove{9, 10, 10, 20, 10}));
    EXPECT_EQ(anchors.RectOf(9), (ControlRect{10.5, 10, 30.5, 20}));

    const auto second = anchors.Apply(Resized(kWindow, 2, 0));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0], (ControlMove{9, 11, 10, 20, 10}));
}

TEST(ControlAnchors, FractionsTruncateTowardZero) {
    ControlAnchors anchors;
    anchors.Register(3, 0);
    anchors.SetUp(kWindow, 390, 270, LookupIn({{3, {0, 0, 10, 10}}}));
    const auto moves = anchors.Apply(Resized(kWindow, -3, -1));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], (ControlMove{3, -1, 0, 10, 10}));
    EXPECT_EQ(anchors.RectOf(3), (ControlRect{-1.5, -0.5, 8.5, 9.5}));
}

// Every combination of anchor bits, at places that give half pixels on the way.
TEST(ControlAnchors, AChangeAndItsReverseRestoreEveryRectangle) {
    ControlAnchors anchors;
    std::map<int, ControlRect> rects;
    for (int bits = 0; bits <= 0xF0; bits += 0x10) {
        anchors.Register(bits + 1, bits);
        rects[bits + 1] = {static_cast<double>(bits / 4 + 1), static_cast<double>(bits / 8 + 3),
                           static_cast<double>(bits / 4 + 50), static_cast<double>(bits / 8 + 40)};
    }
    anchors.SetUp(kWindow, 442, 334, LookupIn(rects));

    for (const auto& [dx, dy] : std::vector<std::pair<int, int>>{{37, -13}, {-101, 55}, {1, 1}}) {
        anchors.Apply(Resized(kWindow, dx, dy));
        anchors.Apply(kWindow);
        for (const auto& [id, rect] : rects) EXPECT_EQ(anchors.RectOf(id), rect) << id << " after " << dx << "," << dy;
    }
}

TEST(ControlAnchors, RegistrationsBeyond256AreIgnored) {
    ControlAnchors anchors;
    for (int id = 1; id <= 256; ++id) EXPECT_TRUE(anchors.Register(id, anchor::kRight));
    EXPECT_FALSE(anchors.Register(257, anchor::kRight));
    EXPECT_EQ(anchors.EntryCount(), 256u);

    anchors.SetUp(kWindow, 390, 270, [](int) { return ControlRect{0, 0, 10, 10}; });
    const auto moves = anchors.Apply(Resized(kWindow, 10, 0));
    ASSERT_EQ(moves.size(), 256u);
    EXPECT_EQ(moves.back().controlId, 256);
    EXPECT_FALSE(anchors.RectOf(257).has_value());
}

TEST(ControlAnchors, MissingControlsAreReportedAndNeverMoved) {
    ControlAnchors anchors;
    anchors.Register(1, anchor::kRight);
    anchors.Register(2, anchor::kRight);
    anchors.Register(3, anchor::kRight);
    const auto missing = anchors.SetUp(kWindow, 390, 270, LookupIn({{2, {0, 0, 10, 10}}}));
    EXPECT_EQ(missing, (std::vector<int>{1, 3}));
    const auto moves = anchors.Apply(Resized(kWindow, 10, 0));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].controlId, 2);
}

}  // namespace
}  // namespace quantora
