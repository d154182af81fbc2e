#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "catalogue/text_field.h"
#include "lists/padded_field.h"

namespace quantora {

// One row of "consts.dat". All three texts are shown as stored; nothing is parsed.
struct ConstantRecord {
    static constexpr std::size_t kSize = 240;
    static constexpr std::size_t kMaxRecords = 10000;

    TextField<80> name;
    TextField<80> value;
    TextField<80> uncertainty;

    bool operator==(const ConstantRecord&) const = default;

    static ConstantRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

// One row of "element.dat". The property texts are shown as stored; nothing is parsed.
struct ElementRecord {
    static constexpr std::size_t kSize = 1464;
    static constexpr std::size_t kMaxRecords = 1000;

    std::int32_t atomicNumber = 0;
    TextField<15> name;
    PaddedField<10> atomicWeight;
    TextField<4> symbol;
    PaddedField<10> density;
    PaddedField<11, 10> meltingPoint;
    PaddedField<10> boilingPoint;
    PaddedField<23> oxidationStates;
    TextField<1377> description;

    bool operator==(const ElementRecord&) const = default;

    static ElementRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

}  // namespace quantora
