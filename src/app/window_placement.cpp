#include "app/window_placement.h"

#include "app/settings.h"
#include "catalogue/record_layout.h"

namespace quantora {

namespace {

using Placement = WindowPlacementRecord;

// One field per line, in offset order, as the record is documented.
// clang-format off
constexpr RecordLayout kPointLayout{
    Field{0, &Placement::Point::x},
    Field{4, &Placement::Point::y},
};

constexpr RecordLayout kRectLayout{
    Field{0, &Placement::Rect::left},
    Field{4, &Placement::Rect::top},
    Field{8, &Placement::Rect::right},
    Field{12, &Placement::Rect::bottom},
};

constexpr RecordLayout kPlacementLayout{
    Field{0, &Placement::length},
    Field{4, &Placement::flags},
    Field{8, &Placement::showCmd},
    Field{12, &Placement::minPosition, kPointLayout},
    Field{20, &Placement::maxPosition, kPointLayout},
    Field{28, &Placement::normalPosition, kRectLayout},
};
static_assert(kPlacementLayout.Tiles(Placement::kSize));
// clang-format on

}  // namespace

std::array<std::uint8_t, WindowPlacementRecord::kSize> WindowPlacementRecord::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    kPlacementLayout.Write(*this, bytes);
    return bytes;
}

std::optional<WindowPlacementRecord> WindowPlacementRecord::Decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize) return std::nullopt;
    return kPlacementLayout.Decode(bytes.first<kSize>());
}

bool SavePlacement(ProfileStore& store, std::string_view entry, const WindowPlacementRecord& placement) {
    const auto bytes = placement.Encode();
    return store.WriteBinary(kPositionsSection, entry, bytes);
}

std::optional<WindowPlacementRecord> LoadPlacement(const ProfileStore& store, std::string_view entry) {
    const auto bytes = store.ReadBinary(kPositionsSection, entry);
    if (!bytes) return std::nullopt;
    return WindowPlacementRecord::Decode(*bytes);
}

bool FirstShowRestore::ShouldRestore(bool shownNotification, bool alreadyVisible) {
    if (!shownNotification || alreadyVisible || !armed_) return false;
    armed_ = false;
    return true;
}

FirstShowRestore& MainWindowFirstShow() {
    static FirstShowRestore flag;
    return flag;
}

FirstShowRestore& DownloadWindowFirstShow() {
    static FirstShowRestore flag;
    return flag;
}

}  // namespace quantora
