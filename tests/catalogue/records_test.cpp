#include "catalogue/records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/record_file.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

// A block where byte i holds (i * 7 + seed) & 0xFF, so every offset has a value of its own.
template <std::size_t N>
std::array<std::uint8_t, N> Pattern(std::uint8_t seed) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return bytes;
}

std::int32_t I32At(std::span<const std::uint8_t> b, std::size_t o) {
    return static_cast<std::int32_t>(b[o] | b[o + 1] << 8 | b[o + 2] << 16 |
                                     static_cast<std::uint32_t>(b[o + 3]) << 24);
}

template <std::size_t N>
std::string TextAt(std::span<const std::uint8_t> b, std::size_t o) {
    std::string s;
    for (std::size_t i = 0; i < N && b[o + i] != 0; ++i) s += static_cast<char>(b[o + i]);
    return s;
}

// Decoding reads each field at its offset, and encoding gives back every byte, the bytes after a
// text's terminator and the reserved bytes included.
TEST(Records, CategoryFieldsAtTheirOffsets) {
    auto bytes = Pattern<CategoryRecord::kSize>(3);
    bytes[4 + 20] = 0;  // terminate the name inside the field; the tail stays in the record
    const auto r = CategoryRecord::Decode(bytes);
    EXPECT_EQ(r.categoryId, I32At(bytes, 0));
    EXPECT_EQ(r.name.Text(), (TextAt<80>(bytes, 4)));
    EXPECT_EQ(r.name.Text().size(), 20u);
    EXPECT_EQ(r.defaultSourceUnitId, I32At(bytes, 84));
    EXPECT_EQ(r.defaultTargetUnitId, I32At(bytes, 88));
    EXPECT_EQ(r.visible, bytes[92]);
    std::array<std::uint8_t, CategoryRecord::kSize> out{};
    r.Encode(out);
    EXPECT_EQ(out, bytes);
}

TEST(Records, UnitFieldsAtTheirOffsets) {
    auto bytes = Pattern<UnitRecord::kSize>(11);
    for (const std::size_t terminator : {9 + 5, 89 + 3, 119 + 40, 299 + 1}) bytes[terminator] = 0;
    const auto r = UnitRecord::Decode(bytes);
    EXPECT_EQ(r.categoryId, I32At(bytes, 0));
    EXPECT_EQ(r.unitId, I32At(bytes, 4));
    EXPECT_EQ(r.reciprocal, bytes[8]);
    EXPECT_EQ(r.name.Text(), (TextAt<80>(bytes, 9)));
    EXPECT_EQ(r.abbreviation.Text(), (TextAt<30>(bytes, 89)));
    EXPECT_EQ(r.conversionText.Text(), (TextAt<180>(bytes, 119)));
    EXPECT_EQ(r.baseFormula.Text(), (TextAt<180>(bytes, 299)));
    EXPECT_EQ(r.common, bytes[479]);
    EXPECT_EQ(r.visible, bytes[480]);
    EXPECT_EQ(r.referenceUnitId, I32At(bytes, 484));
    std::array<std::uint8_t, UnitRecord::kSize> out{};
    r.Encode(out);
    EXPECT_EQ(out, bytes);
}

TEST(Records, TemperatureFieldsAtTheirOffsets) {
    auto bytes = Pattern<TemperatureRecord::kSize>(5);
    bytes[8 + 12] = 0;
    const auto r = TemperatureRecord::Decode(bytes);
    EXPECT_EQ(r.fromUnitId, I32At(bytes, 0));
    EXPECT_EQ(r.toUnitId, I32At(bytes, 4));
    EXPECT_EQ(r.formula.Text(), (TextAt<180>(bytes, 8)));
    EXPECT_EQ(r.visible, bytes[188]);
    std::array<std::uint8_t, TemperatureRecord::kSize> out{};
    r.Encode(out);
    EXPECT_EQ(out, bytes);
}

TEST(Records, CurrencyFieldsAtTheirOffsets) {
    auto bytes = Pattern<CurrencyRecord::kSize>(1);
    bytes[30] = 0;
    const double rate = 1.0842;
    std::uint64_t bits;
    std::memcpy(&bits, &rate, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes[104 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    const auto r = CurrencyRecord::Decode(bytes);
    EXPECT_EQ(r.name.Text(), (TextAt<104>(bytes, 0)));
    EXPECT_EQ(r.rate, 1.0842);
    EXPECT_EQ(r.visible, bytes[112]);
    std::array<std::uint8_t, CurrencyRecord::kSize> out{};
    r.Encode(out);
    EXPECT_EQ(out, bytes);
}

TEST(TextField, ReadsUpToItsWidthWithoutATerminator) {
    auto bytes = Pattern<CategoryRecord::kSize>(0);
    std::fill_n(bytes.begin() + 4, 80, static_cast<std::uint8_t>('N'));  // no zero inside the name
    EXPECT_EQ(CategoryRecord::Decode(bytes).name.Text(), std::string(80, 'N'));
}

TEST(TextField, SeventyNineCharactersFitAnEightyByteFieldAndEightyAreRefused) {
    CategoryRecord r;
    EXPECT_FALSE(r.name.Assign(std::string(79, 'a'), "category name").has_value());
    EXPECT_EQ(r.name.Text(), std::string(79, 'a'));
    std::array<std::uint8_t, CategoryRecord::kSize> out{};
    r.Encode(out);
    EXPECT_EQ(out[4 + 79], 0);

    const auto error = r.name.Assign(std::string(80, 'b'), "category name");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("category name"), std::string::npos);
    EXPECT_EQ(r.name.Text(), std::string(79, 'a'));  // refused, nothing cut or written
}

TEST(TextField, ShorterTextKeepsTheBytesAfterItsTerminator) {
    UnitRecord r;
    ASSERT_FALSE(r.name.Assign("Kilometre", "unit name"));
    ASSERT_FALSE(r.name.Assign("km", "unit name"));
    const auto bytes = r.name.Bytes();
    EXPECT_EQ(r.name.Text(), "km");
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 'o');  // "Kilometre" with "km\0" over its start
}

TEST(RecordFile, WritesAnewAndReadsBackInOrder) {
    test::TempFolder folder;
    std::vector<TemperatureRecord> records(3);
    for (int i = 0; i < 3; ++i) {
        records[i].fromUnitId = 101 + i;
        records[i].toUnitId = 102;
        ASSERT_FALSE(records[i].formula.Assign("*1.8+" + std::to_string(i), "formula"));
    }
    const auto path = folder / "temp.dat";
    test::WriteBytes(path, std::vector<std::uint8_t>(1000, 0xEE));  // longer old content is truncated
    ASSERT_FALSE(WriteRecordFile(path, records).has_value());
    EXPECT_EQ(std::filesystem::file_size(path), 3 * TemperatureRecord::kSize);
    const auto file = ReadRecordFile<TemperatureRecord>(path);
    EXPECT_TRUE(file.opened);
    EXPECT_TRUE(file.error.empty());
    EXPECT_EQ(file.records, records);
}

TEST(RecordFile, TrailingFragmentIsIgnoredAndReported) {
    test::TempFolder folder;
    const auto path = folder / "cat.dat";
    std::vector<std::uint8_t> bytes(2 * CategoryRecord::kSize + 10, 0);
    bytes[0] = 7;
    bytes[CategoryRecord::kSize] = 8;
    test::WriteBytes(path, bytes);
    const auto file = ReadRecordFile<CategoryRecord>(path);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[1].categoryId, 8);
    EXPECT_EQ(file.ignoredTrailingBytes, 10u);
    EXPECT_NE(file.error.find("ignored 10 bytes"), std::string::npos);
    EXPECT_NE(file.error.find("cat.dat"), std::string::npos);
}

TEST(RecordFile, MissingFileNamesTheFileAndTheReason) {
    test::TempFolder folder;
    const auto file = ReadRecordFile<UnitRecord>(folder / "item.dat");
    EXPECT_FALSE(file.opened);
    EXPECT_NE(file.error.find("item.dat"), std::string::npos);
    EXPECT_NE(file.error.find("No such file"), std::string::npos);
}

TEST(RecordFile, WriteIntoAMissingFolderReportsTheFile) {
    test::TempFolder folder;
    const auto error = WriteRecordFile(folder / "absent" / "cat.dat", std::vector<CategoryRecord>(1));
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("cat.dat"), std::string::npos);
}

}  // namespace
}  // namespace quantora
