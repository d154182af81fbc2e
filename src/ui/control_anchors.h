#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace quantora {

// A window's screen rectangle; right and bottom lie one past the last pixel.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// A control's rectangle in client coordinates. Fractions are kept so that repeated odd changes
// move a centred control by exactly half of their sum.
struct ControlRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

struct ControlMove {
    int controlId = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ControlMove&, const ControlMove&) = default;
};

namespace anchor {
constexpr int kTop = 0x10;
constexpr int kBottom = 0x20;
constexpr int kLeft = 0x40;
constexpr int kRight = 0x80;
}  // namespace anchor

// Which edges of the window moved in the last change.
namespace edge_moved {
constexpr int kLeft = 0x40;
constexpr int kTop = 0x10;
constexpr int kRight = 0x80;
constexpr int kBottom = 0x20;
}  // namespace edge_moved

// Keeps a resizable window's controls tied to the edges of its client area: each registered control
// is moved or stretched by the change of the window's width and height.
class ControlAnchors {
public:
    static constexpr std::size_t kMaxEntries = 256;
    using RectLookup = std::function<std::optional<ControlRect>(int controlId)>;

    // Appends an entry; false (and nothing kept) once kMaxEntries are registered.
    bool Register(int controlId, int anchorBits);

    // Takes the window's rectangle as the old one and every registered control's current
    // rectangle. Returns the ids that rectOf could not find; those controls are never moved.
    std::vector<int> SetUp(WindowRect window, int clientWidth, int clientHeight, const RectLookup& rectOf);

    // The moves for the change from the old rectangle to this one, in registration order;
    // afterwards this rectangle is the old one.
    std::vector<ControlMove> Apply(WindowRect window);

    int ChangeFlags() const { return changeFlags_; }
    int WidthChange() const { return widthChange_; }
    int HeightChange() const { return heightChange_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    std::size_t EntryCount() const { return entries_.size(); }
    // The fractional rectangle kept for a control, absent when it is not anchored or not found.
    std::optional<ControlRect> RectOf(int controlId) const;

private:
    struct Entry {
        int controlId;
        int anchorBits;
        std::optional<ControlRect> rect;
    };

    bool MoveHorizontally(ControlRect& rect, int anchorBits) const;
    bool MoveVertically(ControlRect& rect, int anchorBits) const;

    std::vector<Entry> entries_;
    WindowRect oldWindow_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int changeFlags_ = 0;
    int widthChange_ = 0;
    int heightChange_ = 0;
};

}  // namespace quantora
