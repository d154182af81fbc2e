#pragma once

#include <filesystem>
#include <vector>

#include "catalogue/record_file.h"
#include "catalogue/records.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"

namespace quantora::test {

// A data folder with the four files the editors read, written from the records given.
class EditData {
public:
    std::filesystem::path Folder() const { return folder_.Path(); }
    std::filesystem::path File(std::string_view name) const { return folder_ / name; }

    template <typename Record>
    void Write(std::string_view name, const std::vector<Record>& records) const {
        ASSERT_EQ(WriteRecordFile(File(name), records), std::nullopt);
    }

    template <typename Record>
    std::vector<Record> Read(std::string_view name) const {
        RecordFile<Record> file = ReadRecordFile<Record>(File(name));
        EXPECT_TRUE(file.opened) << name;
        EXPECT_TRUE(file.error.empty()) << file.error;
        return file.records;
    }

private:
    TempFolder folder_;
};

}  // namespace quantora::test
