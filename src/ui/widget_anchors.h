#pragma once

#include <QPointer>
#include <QSizeGrip>
#include <span>
#include <vector>

#include "ui/control_anchors.h"

class QWidget;

namespace quantora {

// One line of a window's anchor table: the control's id and its anchor bits (anchor::kTop ...).
struct AnchorEntry {
    int controlId;
    int bits;
};

// Ties a window's controls, found by their numeric id as objectName, to the edges of its client
// area, and keeps a size grip in its bottom-right corner.
class WidgetAnchors {
public:
    // Not a dialog control id: the size grip is anchored like any control under this id.
    static constexpr int kSizeGripId = -2;

    void Register(int controlId, int anchorBits);
    // The entries in table order.
    void Register(std::span<const AnchorEntry> table);

    // Records every registered control's rectangle in the window's client coordinates; a control
    // that cannot be found is reported as a warning and left where it is. With a size grip, one is
    // put into the bottom-right corner and anchored to the bottom and right edges.
    void SetUp(QWidget& window, bool withSizeGrip);

    // Call from the window's resizeEvent, moveEvent and changeEvent (window state changes). The moves
    // of one change are made with the window's updates off, so it repaints once.
    void Apply();

    QSizeGrip* SizeGrip() const { return sizeGrip_; }

private:
    struct Anchored {
        int controlId;
        QPointer<QWidget> widget;
    };

    QWidget* WidgetOf(int controlId) const;
    void CreateSizeGrip(QWidget& window);
    void MoveControls(const std::vector<ControlMove>& moves);

    ControlAnchors anchors_;
    std::vector<Anchored> controls_;
    QPointer<QWidget> window_;
    QPointer<QSizeGrip> sizeGrip_;
};

}  // namespace quantora
