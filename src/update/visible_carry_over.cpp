#include "update/visible_carry_over.h"

#include <cstdint>
#include <unordered_map>

namespace quantora {

namespace {

std::uint64_t UnitKey(const UnitRecord& unit) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(unit.categoryId)) << 32 |
           static_cast<std::uint32_t>(unit.unitId);
}

// emplace keeps the first installed record of a key, as the first match wins.
template <typename Record, typename KeyOf>
void Carry(std::span<const Record> installed, std::vector<Record>& fetched, KeyOf keyOf) {
    std::unordered_map<std::uint64_t, std::uint8_t> visibleByKey;
    visibleByKey.reserve(installed.size());
    for (const Record& record : installed) visibleByKey.emplace(keyOf(record), record.visible);
    for (Record& record : fetched) {
        const auto found = visibleByKey.find(keyOf(record));
        if (found != visibleByKey.end()) record.visible = found->second;
    }
}

}  // namespace

void CarryVisibleOver(std::span<const CategoryRecord> installed, std::vector<CategoryRecord>& fetched) {
    Carry(installed, fetched, [](const CategoryRecord& category) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(category.categoryId));
    });
}

void CarryVisibleOver(std::span<const UnitRecord> installed, std::vector<UnitRecord>& fetched) {
    Carry(installed, fetched, UnitKey);
}

}  // namespace quantora
