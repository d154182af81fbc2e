#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "catalogue/text_field.h"

namespace quantora {

// One line of the version list "list.dat": the stem of a data file and its version as digits.
struct ListEntry {
    static constexpr std::size_t kSize = 28;
    static constexpr std::size_t kMaxRecords = 1000;

    TextField<20> name;
    TextField<8> version;

    bool operator==(const ListEntry&) const = default;

    static ListEntry Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

}  // namespace quantora
