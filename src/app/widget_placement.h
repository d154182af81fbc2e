#pragma once

#include <string_view>

#include "app/profile_store.h"
#include "app/window_placement.h"

class QWidget;

namespace quantora {

// The placement of a top-level widget in the platform's terms, and back.
WindowPlacementRecord TakePlacement(const QWidget& window);
void ApplyPlacement(QWidget& window, const WindowPlacementRecord& placement);

// Save to and restore from "Positions"/entry; restoring a missing entry leaves the window as it is.
void SaveWindowPlacement(ProfileStore& store, std::string_view entry, const QWidget& window);
void RestoreWindowPlacement(const ProfileStore& store, std::string_view entry, QWidget& window);

}  // namespace quantora
