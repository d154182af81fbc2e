#include "update/list_entry.h"

#include "catalogue/record_layout.h"

namespace quantora {

namespace {

constexpr RecordLayout kListEntryLayout{
    Field{0, &ListEntry::name},
    Field{20, &ListEntry::version},
};
static_assert(kListEntryLayout.Tiles(ListEntry::kSize));

}  // namespace

ListEntry ListEntry::Decode(std::span<const std::uint8_t, kSize> bytes) { return kListEntryLayout.Decode(bytes); }

void ListEntry::Encode(std::span<std::uint8_t, kSize> bytes) const { kListEntryLayout.Write(*this, bytes); }

}  // namespace quantora
