#include "lists/list_records.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace quantora {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Filled(std::uint8_t first) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(first + i % 200);
    return bytes;
}

std::string Text(const std::array<std::uint8_t, ElementRecord::kSize>& bytes, std::size_t offset, std::size_t n) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

TEST(ConstantRecord, FieldsLieAtTheirOffsets) {
    ConstantRecord record;
    ASSERT_FALSE(record.name.Assign("Planck constant", "name"));
    ASSERT_FALSE(record.value.Assign(std::string(79, 'v'), "value"));
    ASSERT_FALSE(record.uncertainty.Assign("exact", "uncertainty"));
    std::array<std::uint8_t, ConstantRecord::kSize> bytes{};
    record.Encode(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 16), std::string("Planck constant") + '\0');
    EXPECT_EQ(std::string(bytes.begin() + 80, bytes.begin() + 160), std::string(79, 'v') + '\0');
    EXPECT_EQ(std::string(bytes.begin() + 160, bytes.begin() + 166), std::string("exact") + '\0');
    EXPECT_EQ(ConstantRecord::Decode(bytes), record);
}

TEST(ConstantRecord, KeepsEveryByteThroughARoundTrip) {
    const auto bytes = Filled<ConstantRecord::kSize>(1);
    std::array<std::uint8_t, ConstantRecord::kSize> again{};
    ConstantRecord::Decode(bytes).Encode(again);
    EXPECT_EQ(again, bytes);
}

TEST(ElementRecord, FieldsLieAtTheirOffsets) {
    ElementRecord record;
    record.atomicNumber = 0x01020304;
    ASSERT_FALSE(record.name.Assign("Rutherfordium", "name"));
    ASSERT_FALSE(record.atomicWeight.Assign("[267]", "weight"));
    ASSERT_FALSE(record.symbol.Assign("Rf", "symbol"));
    ASSERT_FALSE(record.density.Assign("0.0000838", "density"));
    ASSERT_FALSE(record.meltingPoint.Assign("-259.16", "melting"));
    ASSERT_FALSE(record.boilingPoint.Assign("3642 subl.", "boiling"));
    ASSERT_FALSE(record.oxidationStates.Assign("+2, +4", "oxidation"));
    ASSERT_FALSE(record.description.Assign("A heavy one.", "description"));
    std::array<std::uint8_t, ElementRecord::kSize> bytes{};
    record.Encode(bytes);
    EXPECT_EQ(Text(bytes, 0, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(Text(bytes, 4, 14), "Rutherfordium" + std::string(1, '\0'));
    EXPECT_EQ(Text(bytes, 19, 10), "[267]" + std::string(5, '\0'));
    EXPECT_EQ(Text(bytes, 29, 4), "Rf" + std::string(2, '\0'));
    EXPECT_EQ(Text(bytes, 33, 10), "0.0000838" + std::string(1, '\0'));
    EXPECT_EQ(Text(bytes, 43, 11), "-259.16" + std::string(4, '\0'));
    EXPECT_EQ(Text(bytes, 54, 10), "3642 subl.");
    EXPECT_EQ(Text(bytes, 64, 23), "+2, +4" + std::string(17, '\0'));
    EXPECT_EQ(Text(bytes, 87, 13), "A heavy one." + std::string(1, '\0'));
    EXPECT_EQ(ElementRecord::Decode(bytes), record);
}

TEST(ElementRecord, KeepsEveryByteThroughARoundTrip) {
    const auto bytes = Filled<ElementRecord::kSize>(1);
    std::array<std::uint8_t, ElementRecord::kSize> again{};
    ElementRecord::Decode(bytes).Encode(again);
    EXPECT_EQ(again, bytes);
}

// Every text field filled to its last byte with no zero: reading stops at the field's reading
// width instead of running on into the next field.
TEST(ElementRecord, FullFieldsStopAtTheirWidth) {
    struct Case {
        const char* field;
        std::size_t offset;
        std::size_t width;
        std::size_t expected;
        std::function<std::string(const ElementRecord&)> read;
    };
    const Case cases[] = {
        {"name", 4, 15, 15, [](const ElementRecord& r) { return r.name.Text(); }},
        {"weight", 19, 10, 10, [](const ElementRecord& r) { return r.atomicWeight.Text(); }},
        {"symbol", 29, 4, 4, [](const ElementRecord& r) { return r.symbol.Text(); }},
        {"density", 33, 10, 10, [](const ElementRecord& r) { return r.density.Text(); }},
        {"melting", 43, 11, 10, [](const ElementRecord& r) { return r.meltingPoint.Text(); }},
        {"boiling", 54, 10, 10, [](const ElementRecord& r) { return r.boilingPoint.Text(); }},
        {"oxidation", 64, 23, 23, [](const ElementRecord& r) { return r.oxidationStates.Text(); }},
        {"description", 87, 1377, 1377, [](const ElementRecord& r) { return r.description.Text(); }},
    };
    std::array<std::uint8_t, ElementRecord::kSize> bytes{};
    bytes.fill('#');
    for (const Case& c : cases) {
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(c.offset), c.width, static_cast<std::uint8_t>('a'));
    }
    const ElementRecord record = ElementRecord::Decode(bytes);
    for (const Case& c : cases) EXPECT_EQ(c.read(record), std::string(c.expected, 'a')) << c.field;
}

TEST(ElementRecord, PaddedFieldsTakeFullWidthTextsAndRefuseLonger) {
    ElementRecord record;
    EXPECT_FALSE(record.atomicWeight.Assign("208.980401", "weight"));
    EXPECT_EQ(record.atomicWeight.Text(), "208.980401");
    EXPECT_FALSE(record.oxidationStates.Assign(std::string(23, '+'), "oxidation"));
    EXPECT_EQ(record.oxidationStates.Text(), std::string(23, '+'));
    EXPECT_FALSE(record.meltingPoint.Assign("1234567890", "melting"));

    const auto error = record.meltingPoint.Assign("12345678901", "melting");
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "melting: text of 11 characters does not fit (at most 10)");
    EXPECT_EQ(record.meltingPoint.Text(), "1234567890");
    EXPECT_TRUE(record.atomicWeight.Assign("12345678901", "weight"));
    EXPECT_TRUE(record.oxidationStates.Assign(std::string(24, '+'), "oxidation"));
}

}  // namespace
}  // namespace quantora
