#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/profile_store.h"

namespace quantora {

// The platform's window placement as stored under "Positions": eleven 32-bit little-endian integers.
struct WindowPlacementRecord {
    static constexpr std::size_t kSize = 44;
    // Show states, numbered as the platform numbers them.
    static constexpr std::int32_t kShowNormal = 1;
    static constexpr std::int32_t kShowMinimized = 2;
    static constexpr std::int32_t kShowMaximized = 3;

    struct Point {
        std::int32_t x = 0;
        std::int32_t y = 0;
        bool operator==(const Point&) const = default;
    };
    struct Rect {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t right = 0;
        std::int32_t bottom = 0;
        bool operator==(const Rect&) const = default;
    };

    std::int32_t length = static_cast<std::int32_t>(kSize);
    std::int32_t flags = 0;
    std::int32_t showCmd = kShowNormal;
    Point minPosition;
    Point maxPosition;
    Rect normalPosition;

    bool operator==(const WindowPlacementRecord&) const = default;

    std::array<std::uint8_t, kSize> Encode() const;
    // Absent when the block is shorter than a record; bytes beyond 44 are ignored.
    static std::optional<WindowPlacementRecord> Decode(std::span<const std::uint8_t> bytes);
};

// "Positions" entries of the windows that remember their place.
namespace placement_entry {
inline constexpr std::string_view kMainWindow = "MainWindow";
inline constexpr std::string_view kDownloadWindow = "DownloadWindow";
inline constexpr std::string_view kConstantsWindow = "ConstantsWindow";
inline constexpr std::string_view kElementsWindow = "ElementsWindow";
inline constexpr std::string_view kOptionsWindow = "OptionsWindow";
inline constexpr std::string_view kSearchWindow = "SearchWindow";
inline constexpr std::string_view kFormulaWindow = "FormulaWindow";
}  // namespace placement_entry

bool SavePlacement(ProfileStore& store, std::string_view entry, const WindowPlacementRecord& placement);
std::optional<WindowPlacementRecord> LoadPlacement(const ProfileStore& store, std::string_view entry);

// The once-per-process restore of the main and update windows: the restore runs on a "shown"
// notification while the window is not yet visible and the flag is armed; it disarms the flag.
class FirstShowRestore {
public:
    bool ShouldRestore(bool shownNotification, bool alreadyVisible);
    void Rearm() { armed_ = true; }
    bool Armed() const { return armed_; }

private:
    bool armed_ = true;
};

FirstShowRestore& MainWindowFirstShow();
FirstShowRestore& DownloadWindowFirstShow();

}  // namespace quantora
