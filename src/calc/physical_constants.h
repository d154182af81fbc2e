#pragma once

#include <string_view>

namespace quantora {

// The fixed table of named physical constants a formula may use. Names are ordered longest first,
// so a name is always tried before any shorter name that is its prefix.
class PhysicalConstants {
public:
    static constexpr int kCount = 44;
    static constexpr std::string_view kEndMarker = "***";

    // Entry 0 is the empty text, entries 1 to kCount the names, entry kCount + 1 the end marker.
    // Any other index gives the empty text.
    std::string_view NameAt(int index) const;

    // The value of the entry whose name equals `name` ignoring case; 0 when none does.
    double ConstantValue(std::string_view name) const;
};

}  // namespace quantora
