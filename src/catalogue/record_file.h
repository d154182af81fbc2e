#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/safe_write.h"
#include "catalogue/whole_file.h"

namespace quantora {

// Every record a file holds. A file that cannot be read (see ReadWholeFile), or that holds more than
// `Record::kMaxRecords` records, gives `opened` false and an error; bytes at the end that do not make
// a whole record are left out and counted.
template <typename Record>
struct RecordFile {
    bool opened = false;
    bool missing = false;  // not opened because there is no file
    std::string error;
    std::vector<Record> records;
    std::size_t ignoredTrailingBytes = 0;
};

// The text for a file whose length is not a whole number of records, or empty when it is.
std::string FragmentWarning(const std::filesystem::path& path, std::size_t ignoredBytes, std::size_t recordSize);

// The records `bytes` holds, as ReadRecordFile gives them for the file `path` (named in the warning
// about a fragment at the end).
template <typename Record>
RecordFile<Record> DecodeRecordFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path) {
    RecordFile<Record> result;
    result.opened = true;
    const std::size_t whole = bytes.size() / Record::kSize;
    result.records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        result.records.push_back(Record::Decode(bytes.subspan(i * Record::kSize).template first<Record::kSize>()));
    }
    result.ignoredTrailingBytes = bytes.size() % Record::kSize;
    if (result.ignoredTrailingBytes != 0) {
        result.error = FragmentWarning(path, result.ignoredTrailingBytes, Record::kSize);
    }
    return result;
}

template <typename Record>
RecordFile<Record> ReadRecordFile(const std::filesystem::path& path) {
    WholeFile file = ReadWholeFile(path, std::uint64_t{Record::kMaxRecords} * Record::kSize);
    if (!file.opened) {
        RecordFile<Record> refused;
        refused.missing = file.missing;
        refused.error = std::move(file.error);
        return refused;
    }
    return DecodeRecordFile<Record>(file.bytes, path);
}

// Replaces the file by the records in order, through a temporary file so that a failure leaves the
// old file as it was. Returns the error, if any.
template <typename Record>
std::optional<std::string> WriteRecordFile(const std::filesystem::path& path, std::span<const Record> records) {
    std::vector<std::uint8_t> bytes(records.size() * Record::kSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Encode(std::span(bytes).subspan(i * Record::kSize).template first<Record::kSize>());
    }
    return WriteFileAtomically(path, bytes);
}

template <typename Record>
std::optional<std::string> WriteRecordFile(const std::filesystem::path& path, const std::vector<Record>& records) {
    return WriteRecordFile(path, std::span<const Record>(records));
}

}  // namespace quantora
