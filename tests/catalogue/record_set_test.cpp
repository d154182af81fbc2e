#include "catalogue/record_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "catalogue/records.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

// Bytes no field gives a meaning to everywhere: texts without a terminator near their start,
// reserved bytes, and flags that are neither 0 nor 1.
std::vector<std::uint8_t> PatternedFile(std::size_t recordSize, std::size_t records) {
    std::vector<std::uint8_t> bytes(recordSize * records);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) % 251);
    return bytes;
}

template <typename Record>
void ExpectSavedAsLoaded(const char* label) {
    SCOPED_TRACE(label);
    test::TempFolder folder;
    const std::vector<std::uint8_t> bytes = PatternedFile(Record::kSize, 3);
    test::WriteBytes(folder / "in.dat", bytes);
    RecordSet<Record> set;
    const RecordSetLoad load = set.Load(folder / "in.dat");
    ASSERT_TRUE(load.opened) << load.error;
    EXPECT_TRUE(load.warnings.empty());
    ASSERT_EQ(set.Records().size(), 3u);
    ASSERT_FALSE(set.Save(folder / "out.dat").has_value());
    EXPECT_EQ(test::ReadBytes(folder / "out.dat"), bytes);
}

TEST(RecordSet, SavesEveryByteOfEveryRecordAsItWasLoaded) {
    ExpectSavedAsLoaded<CategoryRecord>("categories");
    ExpectSavedAsLoaded<UnitRecord>("units");
    ExpectSavedAsLoaded<TemperatureRecord>("temperatures");
    ExpectSavedAsLoaded<CurrencyRecord>("currencies");
}

TEST(RecordSet, KeepsHiddenRecordsInFileOrderWhenOneFlagChanges) {
    test::TempFolder folder;
    std::vector<UnitRecord> units(3);
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i].unitId = static_cast<std::int32_t>(103 - i);
        units[i].visible = static_cast<std::uint8_t>(i);
    }
    ASSERT_FALSE(WriteRecordFile(folder / "item.dat", units).has_value());
    RecordSet<UnitRecord> set;
    ASSERT_TRUE(set.Load(folder / "item.dat").opened);
    set.Records()[0].visible = 1;
    ASSERT_FALSE(set.Save(folder / "item.dat").has_value());

    RecordSet<UnitRecord> reread;
    ASSERT_TRUE(reread.Load(folder / "item.dat").opened);
    ASSERT_EQ(reread.Records().size(), 3u);
    const std::vector<std::pair<std::int32_t, std::uint8_t>> expected{{103, 1}, {102, 1}, {101, 2}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(reread.Records()[i].unitId, expected[i].first) << i;
        EXPECT_EQ(reread.Records()[i].visible, expected[i].second) << i;
    }
}

TEST(RecordSet, ReportsAFragmentAndAFileThatCannotBeOpened) {
    test::TempFolder folder;
    test::WriteBytes(folder / "cat.dat", PatternedFile(CategoryRecord::kSize, 2));
    std::vector<std::uint8_t> withFragment = PatternedFile(CategoryRecord::kSize, 1);
    withFragment.resize(CategoryRecord::kSize + 10, 0x41);
    test::WriteBytes(folder / "frag.dat", withFragment);

    RecordSet<CategoryRecord> set;
    const RecordSetLoad fragment = set.Load(folder / "frag.dat");
    EXPECT_TRUE(fragment.opened);
    EXPECT_EQ(set.Records().size(), 1u);
    ASSERT_EQ(fragment.warnings.size(), 1u);
    EXPECT_NE(fragment.warnings[0].find("frag.dat"), std::string::npos);

    ASSERT_TRUE(set.Load(folder / "cat.dat").opened);
    const RecordSetLoad missing = set.Load(folder / "none.dat");
    EXPECT_FALSE(missing.opened);
    EXPECT_NE(missing.error.find("none.dat"), std::string::npos);
    EXPECT_TRUE(set.Records().empty());
}

}  // namespace
}  // namespace quantora
