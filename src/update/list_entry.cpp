#include "update/list_entry.h"

#include "catalogue/record_layout.h"

namespace quantora {

namespace {

// One field per line, in offset order, as the record is documented.
// clang-format off
constexpr RecordLayout kListEntryLayout{
    Field{0, &ListEntry::name},
    Field{20, &ListEntry::version},
};
static_assert(kListEntryLayout.Tiles(ListEntry::kSize));
// clang-format on

}  // namespace

ListEntry ListEntry::Decode(std::span<const std::uint8_t, kSize> bytes) { return kListEntryLayout.Decode(bytes); }

void ListEntry::Encode(std::span<std::uint8_t, kSize> bytes) const { kListEntryLayout.Write(*this, bytes); }

}  // namespace quantora
