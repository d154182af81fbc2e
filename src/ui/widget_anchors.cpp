#include "ui/widget_anchors.h"

#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace quantora {

namespace {

int Depth(const QWidget* widget, const QWidget* window) {
    int depth = 0;
    for (const QWidget* w = widget; w != window && w != nullptr; w = w->parentWidget()) ++depth;
    return depth;
}

// The client rectangle of a top-level window in screen coordinates. Its frame would do as well,
// except that Qt learns the frame's size only when the window is first shown, which would look
// like a resize.
WindowRect ScreenRectOf(const QWidget& window) {
    const QRect rect = window.geometry();
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

void WidgetAnchors::Register(int controlId, int anchorBits) {
    if (anchors_.Register(controlId, anchorBits)) controls_.push_back({controlId, nullptr});
}

void WidgetAnchors::Register(std::span<const AnchorEntry> table) {
    for (const AnchorEntry& entry : table) Register(entry.controlId, entry.bits);
}

void WidgetAnchors::SetUp(QWidget& window, bool withSizeGrip) {
    window_ = &window;
    for (Anchored& control : controls_) {
        if (control.controlId != kSizeGripId) {
            control.widget = window.findChild<QWidget*>(QString::number(control.controlId));
        }
    }
    if (withSizeGrip) CreateSizeGrip(window);

    const auto rectOf = [this, &window](int controlId) -> std::optional<ControlRect> {
        const QWidget* widget = WidgetOf(controlId);
        if (widget == nullptr) return std::nullopt;
        const QPoint topLeft = widget->mapTo(&window, QPoint(0, 0));
        return ControlRect{double(topLeft.x()), double(topLeft.y()), double(topLeft.x() + widget->width()),
                           double(topLeft.y() + widget->height())};
    };
    for (const int missing : anchors_.SetUp(ScreenRectOf(window), window.width(), window.height(), rectOf)) {
        qWarning("Anchored control %d is not a child of window \"%s\"", missing, qPrintable(window.objectName()));
    }
    Apply();
}

void WidgetAnchors::Apply() {
    if (window_ == nullptr) return;
    if (sizeGrip_ != nullptr) sizeGrip_->setHidden(window_->isMaximized());
    MoveControls(anchors_.Apply(ScreenRectOf(*window_)));
}

QWidget* WidgetAnchors::WidgetOf(int controlId) const {
    for (const Anchored& control : controls_) {
        if (control.controlId == controlId) return control.widget;
    }
    return nullptr;
}

void WidgetAnchors::CreateSizeGrip(QWidget& window) {
    if (sizeGrip_ == nullptr) {
        sizeGrip_ = new QSizeGrip(&window);
        Register(kSizeGripId, anchor::kBottom | anchor::kRight);
        if (!controls_.empty() && controls_.back().controlId == kSizeGripId) controls_.back().widget = sizeGrip_;
    }
    const int extent = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
    sizeGrip_->setGeometry(window.width() - extent, window.height() - extent, extent, extent);
    sizeGrip_->raise();
    sizeGrip_->show();
}

void WidgetAnchors::MoveControls(const std::vector<ControlMove>& moves) {
    if (moves.empty()) return;
    // A control inside another anchored control is placed after it, so that its client position
    // maps through the container's new place.
    std::vector<std::pair<QWidget*, ControlMove>> batch;
    for (const ControlMove& move : moves) {
        if (QWidget* widget = WidgetOf(move.controlId)) batch.emplace_back(widget, move);
    }
    std::stable_sort(batch.begin(), batch.end(), [this](const auto& a, const auto& b) {
        return Depth(a.first, window_) < Depth(b.first, window_);
    });

    window_->setUpdatesEnabled(false);
    for (const auto& [widget, move] : batch) {
        const QPoint topLeft = widget->parentWidget()->mapFrom(window_.data(), QPoint(move.left, move.top));
        widget->setGeometry(topLeft.x(), topLeft.y(), move.width, move.height);
    }
    window_->setUpdatesEnabled(true);
}

}  // namespace quantora
