#include "app/window_placement.h"

#include "app/settings.h"
#include "catalogue/little_endian.h"

namespace quantora {

std::array<std::uint8_t, WindowPlacementRecord::kSize> WindowPlacementRecord::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    const std::array<std::int32_t, 11> fields{length,
                                              flags,
                                              showCmd,
                                              minPosition.x,
                                              minPosition.y,
                                              maxPosition.x,
                                              maxPosition.y,
                                              normalPosition.left,
                                              normalPosition.top,
                                              normalPosition.right,
                                              normalPosition.bottom};
    for (std::size_t i = 0; i < fields.size(); ++i) le::WriteI32(bytes, 4 * i, fields[i]);
    return bytes;
}

std::optional<WindowPlacementRecord> WindowPlacementRecord::Decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize) return std::nullopt;
    auto at = [&](std::size_t index) { return le::ReadI32(bytes, 4 * index); };
    WindowPlacementRecord record;
    record.length = at(0);
    record.flags = at(1);
    record.showCmd = at(2);
    record.minPosition = {at(3), at(4)};
    record.maxPosition = {at(5), at(6)};
    record.normalPosition = {at(7), at(8), at(9), at(10)};
    return record;
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
