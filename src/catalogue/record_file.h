#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/safe_write.h"

namespace quantora {

// A binary stream; on failure `error` names the file and the system's reason.
std::ifstream OpenForReading(const std::filesystem::path& path, std::string& error);

// Every record a file holds. A file that cannot be opened gives `opened` false and an error; bytes
// at the end that do not make a whole record are left unread and counted.
template <typename Record>
struct RecordFile {
    bool opened = false;
    std::string error;
    std::vector<Record> records;
    std::size_t ignoredTrailingBytes = 0;
};

// The text for a file whose length is not a whole number of records, or empty when it is.
std::string FragmentWarning(const std::filesystem::path& path, std::size_t ignoredBytes, std::size_t recordSize);

template <typename Record>
RecordFile<Record> ReadRecordFile(const std::filesystem::path& path) {
    RecordFile<Record> result;
    std::ifstream file = OpenForReading(path, result.error);
    if (!file) return result;
    result.opened = true;
    // One allocation for the whole file: growing a large table step by step maps and touches
    // about twice its size, which costs more than the decoding on a process's first load.
    std::error_code ignored;
    const std::uintmax_t bytes = std::filesystem::file_size(path, ignored);
    if (!ignored) result.records.reserve(static_cast<std::size_t>(bytes / Record::kSize));
    std::array<std::uint8_t, Record::kSize> block{};
    for (;;) {
        file.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(file.gcount());
        if (got < block.size()) {
            result.ignoredTrailingBytes = got;
            break;
        }
        result.records.push_back(Record::Decode(block));
    }
    if (result.ignoredTrailingBytes != 0) {
        result.error = FragmentWarning(path, result.ignoredTrailingBytes, Record::kSize);
    }
    return result;
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
