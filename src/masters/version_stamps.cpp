#include "masters/version_stamps.h"

#include <array>

namespace quantora {

namespace {

constexpr std::array<std::string_view, 6> kStems{"cat", "item", "temp", "curr", "consts", "element"};

std::string_view VersionOf(StampSet set, std::string_view stem) {
    if (set == StampSet::kSecond) return "51218";
    return stem == "cat" ? "509021" : "509020";
}

}  // namespace

std::vector<ListEntry> VersionStamps(StampSet set) {
    std::vector<ListEntry> entries;
    for (const std::string_view stem : kStems) {
        ListEntry entry;
        // Every stem and version is a constant shorter than its field, so neither can be refused.
        (void)entry.name.Assign(stem, "name");
        (void)entry.version.Assign(VersionOf(set, stem), "version");
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace quantora
