#include "ui/control_anchors.h"

namespace quantora {

namespace {

// One axis of a rectangle: near is left or top, far is right or bottom.
struct Span {
    double& nearEdge;
    double& farEdge;
};

// The anchor table for one axis; true when the span changed.
bool MoveSpan(Span span, bool nearAnchored, bool farAnchored, double change) {
    const double extent = span.farEdge - span.nearEdge;
    if (nearAnchored && farAnchored) {
        span.farEdge += change;
        return true;
    }
    if (nearAnchored) return false;
    span.nearEdge += farAnchored ? change : change / 2;
    span.farEdge = span.nearEdge + extent;
    return true;
}

int EdgeFlags(const WindowRect& before, const WindowRect& after) {
    int flags = 0;
    if (after.left != before.left) flags |= edge_moved::kLeft;
    if (after.top != before.top) flags |= edge_moved::kTop;
    if (after.right != before.right) flags |= edge_moved::kRight;
    if (after.bottom != before.bottom) flags |= edge_moved::kBottom;
    return flags;
}

ControlMove MoveOf(int controlId, const ControlRect& rect) {
    // Conversion to int truncates toward zero, and the size is truncated after subtracting.
    return {controlId, static_cast<int>(rect.left), static_cast<int>(rect.top),
            static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

}  // namespace

bool ControlAnchors::Register(int controlId, int anchorBits) {
    if (entries_.size() >= kMaxEntries) return false;
    entries_.push_back({controlId, anchorBits, std::nullopt});
    return true;
}

std::vector<int> ControlAnchors::SetUp(WindowRect window, int clientWidth, int clientHeight, const RectLookup& rectOf) {
    oldWindow_ = window;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    changeFlags_ = widthChange_ = heightChange_ = 0;
    std::vector<int> missing;
    for (Entry& entry : entries_) {
        entry.rect = rectOf(entry.controlId);
        if (!entry.rect) missing.push_back(entry.controlId);
    }
    return missing;
}

std::vector<ControlMove> ControlAnchors::Apply(WindowRect window) {
    changeFlags_ = EdgeFlags(oldWindow_, window);
    widthChange_ = (window.right - window.left) - (oldWindow_.right - oldWindow_.left);
    heightChange_ = (window.bottom - window.top) - (oldWindow_.bottom - oldWindow_.top);
    clientWidth_ += widthChange_;
    clientHeight_ += heightChange_;

    std::vector<ControlMove> moves;
    for (Entry& entry : entries_) {
        if (!entry.rect) continue;
        const bool movedAcross = MoveHorizontally(*entry.rect, entry.anchorBits);
        const bool movedDown = MoveVertically(*entry.rect, entry.anchorBits);
        if (movedAcross || movedDown) moves.push_back(MoveOf(entry.controlId, *entry.rect));
    }
    oldWindow_ = window;
    return moves;
}

bool ControlAnchors::MoveHorizontally(ControlRect& rect, int anchorBits) const {
    if ((changeFlags_ & (edge_moved::kLeft | edge_moved::kRight)) == 0 || widthChange_ == 0) return false;
    return MoveSpan({rect.left, rect.right}, (anchorBits & anchor::kLeft) != 0, (anchorBits & anchor::kRight) != 0,
                    widthChange_);
}

bool ControlAnchors::MoveVertically(ControlRect& rect, int anchorBits) const {
    if ((changeFlags_ & (edge_moved::kTop | edge_moved::kBottom)) == 0 || heightChange_ == 0) return false;
    return MoveSpan({rect.top, rect.bottom}, (anchorBits & anchor::kTop) != 0, (anchorBits & anchor::kBottom) != 0,
                    heightChange_);
}

std::optional<ControlRect> ControlAnchors::RectOf(int controlId) const {
    for (const Entry& entry : entries_) {
        if (entry.controlId == controlId) return entry.rect;
    }
    return std::nullopt;
}

}  // namespace quantora
