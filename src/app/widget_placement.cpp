#include "app/widget_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quantora {

namespace {

// A placement saved on a screen that is gone would open the window out of reach; such a window
// is moved back onto the nearest available screen, keeping its size.
QRect OnSomeScreen(QRect rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect)) return rect;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return rect;
    rect.moveTopLeft(primary->availableGeometry().topLeft());
    return rect;
}

}  // namespace

WindowPlacementRecord TakePlacement(const QWidget& window) {
    WindowPlacementRecord placement;
    if (window.isMinimized()) {
        placement.showCmd = WindowPlacementRecord::kShowMinimized;
    } else if (window.isMaximized()) {
        placement.showCmd = WindowPlacementRecord::kShowMaximized;
    }
    const QRect normal = window.isMinimized() || window.isMaximized() ? window.normalGeometry() : window.geometry();
    placement.normalPosition = {normal.left(), normal.top(), normal.left() + normal.width(),
                                normal.top() + normal.height()};
    return placement;
}

void ApplyPlacement(QWidget& window, const WindowPlacementRecord& placement) {
    const auto& normal = placement.normalPosition;
    const QRect rect(normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top);
    if (rect.isValid()) window.setGeometry(OnSomeScreen(rect));
    switch (placement.showCmd) {
        case WindowPlacementRecord::kShowMaximized:
            window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            break;
        case WindowPlacementRecord::kShowMinimized:
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
            break;
        default: window.setWindowState(window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); break;
    }
}

void SaveWindowPlacement(ProfileStore& store, std::string_view entry, const QWidget& window) {
    SavePlacement(store, entry, TakePlacement(window));
}

void RestoreWindowPlacement(const ProfileStore& store, std::string_view entry, QWidget& window) {
    if (const auto placement = LoadPlacement(store, entry)) ApplyPlacement(window, *placement);
}

}  // namespace quantora
