#include "lists/list_records.h"

#include "catalogue/record_layout.h"

namespace quantora {

namespace {

// One field per line, in offset order, as the record is documented.
// clang-format off
constexpr RecordLayout kConstantLayout{
    Field{0, &ConstantRecord::name},
    Field{80, &ConstantRecord::value},
    Field{160, &ConstantRecord::uncertainty},
};
static_assert(kConstantLayout.Tiles(ConstantRecord::kSize));

constexpr RecordLayout kElementLayout{
    Field{0, &ElementRecord::atomicNumber},
    Field{4, &ElementRecord::name},
    Field{19, &ElementRecord::atomicWeight},
    Field{29, &ElementRecord::symbol},
    Field{33, &ElementRecord::density},
    Field{43, &ElementRecord::meltingPoint},
    Field{54, &ElementRecord::boilingPoint},
    Field{64, &ElementRecord::oxidationStates},
    Field{87, &ElementRecord::description},
};
static_assert(kElementLayout.Tiles(ElementRecord::kSize));
// clang-format on

}  // namespace

ConstantRecord ConstantRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return kConstantLayout.Decode(bytes);
}

void ConstantRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kConstantLayout.Write(*this, bytes); }

ElementRecord ElementRecord::Decode(std::span<const std::uint8_t, kSize> bytes) { return kElementLayout.Decode(bytes); }

void ElementRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kElementLayout.Write(*this, bytes); }

}  // namespace quantora
