#pragma once

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/name_order.h"
#include "catalogue/record_file.h"
#include "lists/list_records.h"

namespace quantora {

// A list file's records in alphabetical order of the names, ignoring case. Records with equal
// names keep their file order, so the first of them stays first.
template <typename Record>
RecordFile<Record> SortListTable(RecordFile<Record> file) {
    std::ranges::stable_sort(
        file.records, [](const Record& a, const Record& b) { return CompareNames(a.name.Text(), b.name.Text()) < 0; });
    return file;
}

// Reads a whole list file into a sorted table. A trailing fragment is left unread and reported in
// `error` while the whole records are still loaded; an empty file is an empty table without error.
template <typename Record>
RecordFile<Record> LoadListTable(const std::filesystem::path& path) {
    return SortListTable(ReadRecordFile<Record>(path));
}

inline RecordFile<ConstantRecord> LoadConstants(const std::filesystem::path& path) {
    return LoadListTable<ConstantRecord>(path);
}

inline RecordFile<ElementRecord> LoadElements(const std::filesystem::path& path) {
    return LoadListTable<ElementRecord>(path);
}

inline std::optional<std::string> WriteConstants(const std::filesystem::path& path,
                                                 const std::vector<ConstantRecord>& records) {
    return WriteRecordFile(path, records);
}

inline std::optional<std::string> WriteElements(const std::filesystem::path& path,
                                                const std::vector<ElementRecord>& records) {
    return WriteRecordFile(path, records);
}

// The record whose details a selected row shows: the first in table order whose name equals
// `name` exactly (letter case counts), or none.
inline const ElementRecord* FindElementByName(const std::vector<ElementRecord>& table, std::string_view name) {
    const auto found = std::ranges::find_if(table, [name](const ElementRecord& r) { return r.name.Text() == name; });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace quantora
