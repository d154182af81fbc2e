#pragma once

#include <string_view>
#include <vector>

#include "update/list_entry.h"

namespace quantora {

inline constexpr std::string_view kVersionListFile = "list.dat";

// The two fixed sets of version texts the developer stamps "list.dat" with.
enum class StampSet {
    kFirst,   // "509021" for "cat", "509020" for the others
    kSecond,  // "51218" for all
};

// The entries of "list.dat" for a set, in the order cat, item, temp, curr, consts, element.
std::vector<ListEntry> VersionStamps(StampSet set);

}  // namespace quantora
