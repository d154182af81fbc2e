#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "lists/list_table.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

const std::filesystem::path kDataFolder = QUANTORA_DATA_DIR;

// True when the zero-terminated field at `offset` holds its terminator inside its width.
bool Terminated(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t width) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::find(begin, begin + static_cast<std::ptrdiff_t>(width), std::uint8_t{0}) !=
           begin + static_cast<std::ptrdiff_t>(width);
}

TEST(ShippedElements, HoldEveryElementOnceWithItsMainValues) {
    const auto file = LoadElements(kDataFolder / "element.dat");
    ASSERT_TRUE(file.opened) << file.error;
    EXPECT_EQ(file.ignoredTrailingBytes, 0u);
    ASSERT_EQ(file.records.size(), 118u);
    std::set<std::int32_t> numbers;
    for (const ElementRecord& element : file.records) {
        numbers.insert(element.atomicNumber);
        const std::string name = element.name.Text();
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(element.symbol.Text().empty()) << name;
        EXPECT_FALSE(element.atomicWeight.Text().empty()) << name;
        EXPECT_GE(std::ranges::count(element.description.Text(), '.'), 3) << name << " needs several sentences";
    }
    EXPECT_EQ(numbers.size(), 118u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 118);
    EXPECT_EQ(file.records.front().name.Text(), "Actinium");
    EXPECT_EQ(file.records.back().name.Text(), "Zirconium");
}

TEST(ShippedElements, KnownValuesReadAsWritten) {
    const auto file = LoadElements(kDataFolder / "element.dat");
    const ElementRecord* iron = FindElementByName(file.records, "Iron");
    ASSERT_NE(iron, nullptr);
    EXPECT_EQ(iron->atomicNumber, 26);
    EXPECT_EQ(iron->symbol.Text(), "Fe");
    EXPECT_EQ(iron->atomicWeight.Text(), "55.845");
    EXPECT_EQ(iron->density.Text(), "7.874");
    EXPECT_EQ(iron->meltingPoint.Text(), "1538");
    const ElementRecord* oganesson = FindElementByName(file.records, "Oganesson");
    ASSERT_NE(oganesson, nullptr);
    EXPECT_EQ(oganesson->density.Text(), "");
    EXPECT_EQ(oganesson->boilingPoint.Text(), "");
}

TEST(ShippedElements, TerminatedTextsFitTheirFields) {
    const auto bytes = test::ReadBytes(kDataFolder / "element.dat");
    ASSERT_EQ(bytes.size() % ElementRecord::kSize, 0u);
    for (std::size_t record = 0; record < bytes.size(); record += ElementRecord::kSize) {
        EXPECT_TRUE(Terminated(bytes, record + 4, 15)) << "name of record " << record / ElementRecord::kSize;
        EXPECT_TRUE(Terminated(bytes, record + 29, 4)) << "symbol of record " << record / ElementRecord::kSize;
        EXPECT_TRUE(Terminated(bytes, record + 87, 1377)) << "description of record " << record / ElementRecord::kSize;
    }
}

TEST(ShippedConstants, HoldTheCodataSetAsAPersonReadsIt) {
    const auto file = LoadConstants(kDataFolder / "consts.dat");
    ASSERT_TRUE(file.opened) << file.error;
    EXPECT_EQ(file.ignoredTrailingBytes, 0u);
    EXPECT_GE(file.records.size(), 340u);
    EXPECT_LE(file.records.size(), 370u);
    const auto find = [&file](const std::string& name) {
        return std::ranges::find_if(file.records, [&name](const ConstantRecord& r) { return r.name.Text() == name; });
    };
    const auto light = find("speed of light in vacuum");
    ASSERT_NE(light, file.records.end());
    EXPECT_EQ(light->value.Text(), "299 792 458 m s^-1");
    EXPECT_EQ(light->uncertainty.Text(), "exact");
    const auto gravitation = find("Newtonian constant of gravitation");
    ASSERT_NE(gravitation, file.records.end());
    EXPECT_EQ(gravitation->value.Text(), "6.674 30 e-11 m^3 kg^-1 s^-2");
    EXPECT_EQ(gravitation->uncertainty.Text(), "0.000 15 e-11 m^3 kg^-1 s^-2");
    for (const ConstantRecord& constant : file.records) {
        EXPECT_FALSE(constant.value.Text().empty()) << constant.name.Text();
        EXPECT_FALSE(constant.uncertainty.Text().empty()) << constant.name.Text();
    }
    const auto bytes = test::ReadBytes(kDataFolder / "consts.dat");
    for (std::size_t record = 0; record < bytes.size(); record += ConstantRecord::kSize) {
        for (std::size_t offset : {0u, 80u, 160u}) EXPECT_TRUE(Terminated(bytes, record + offset, 80));
    }
}

}  // namespace
}  // namespace quantora
