#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/records.h"
#include "update/list_entry.h"

namespace quantora::test {

using Bytes = std::vector<std::uint8_t>;

template <typename Record>
Bytes Encode(std::span<const Record> records) {
    Bytes bytes(records.size() * Record::kSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Encode(std::span(bytes).subspan(i * Record::kSize).template first<Record::kSize>());
    }
    return bytes;
}

template <typename Record>
Bytes Encode(const std::vector<Record>& records) {
    return Encode(std::span<const Record>(records));
}

template <typename Record>
std::vector<Record> Decode(const Bytes& bytes) {
    std::vector<Record> records;
    for (std::size_t at = 0; at + Record::kSize <= bytes.size(); at += Record::kSize) {
        records.push_back(Record::Decode(std::span(bytes).subspan(at).template first<Record::kSize>()));
    }
    return records;
}

// "list.dat" bytes from (stem, version) pairs.
inline Bytes MakeList(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::vector<ListEntry> list;
    for (const auto& [stem, version] : entries) {
        ListEntry entry;
        (void)entry.name.Assign(stem, "name");
        (void)entry.version.Assign(version, "version");
        list.push_back(entry);
    }
    return Encode(list);
}

}  // namespace quantora::test
