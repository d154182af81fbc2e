#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "masters/master_text.h"

namespace quantora::test {

inline MasterText Master(std::string_view text) { return SplitMasterText(text, "m.ini").text; }

// "m.ini:<line>: " for the first line of `text` that contains `part`, as a fault would start.
inline std::string FaultAt(std::string_view text, std::string_view part) {
    const std::size_t at = text.find(part);
    if (at == std::string_view::npos) return "(" + std::string(part) + " is not in the master)";
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    return "m.ini:" + std::to_string(line) + ": ";
}

}  // namespace quantora::test
