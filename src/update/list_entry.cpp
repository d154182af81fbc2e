#include "update/list_entry.h"

#include <algorithm>

namespace quantora {

ListEntry ListEntry::Decode(std::span<const std::uint8_t, kSize> bytes) {
    ListEntry entry;
    entry.name.LoadBytes(bytes.subspan(0, 20));
    entry.version.LoadBytes(bytes.subspan(20, 8));
    return entry;
}

void ListEntry::Encode(std::span<std::uint8_t, kSize> bytes) const {
    std::ranges::copy(name.Bytes(), bytes.begin());
    std::ranges::copy(version.Bytes(), bytes.begin() + 20);
}

}  // namespace quantora
