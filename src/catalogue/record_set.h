#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/record_file.h"

namespace quantora {

// What loading one file found: `opened` false with `error` when it could not be read at all;
// `warnings` for what was left out (a fragment at the end).
struct RecordSetLoad {
    bool opened = false;
    bool missing = false;
    std::string error;
    std::vector<std::string> warnings;
};

// Every record of one data file in file order, hidden ones included, each with all its bytes, so
// a window that rewrites one flag writes the rest of the file back as it found it.
template <typename Record>
class RecordSet {
public:
    // Replaces the records by the file's; a file that cannot be opened leaves the set empty.
    RecordSetLoad Load(const std::filesystem::path& path) {
        RecordFile<Record> file = ReadRecordFile<Record>(path);
        records_ = std::move(file.records);
        RecordSetLoad load;
        load.opened = file.opened;
        load.missing = file.missing;
        if (!file.opened) {
            load.error = std::move(file.error);
        } else if (!file.error.empty()) {
            load.warnings.push_back(std::move(file.error));
        }
        return load;
    }

    // Writes every record in order; the error text when the file could not be written.
    std::optional<std::string> Save(const std::filesystem::path& path) const {
        return WriteRecordFile(path, std::span<const Record>(records_));
    }

    std::span<const Record> Records() const { return records_; }
    std::vector<Record>& Records() { return records_; }

private:
    std::vector<Record> records_;
};

}  // namespace quantora
