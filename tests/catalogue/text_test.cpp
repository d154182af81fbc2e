#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "catalogue/cp1252.h"
#include "catalogue/name_order.h"
#include "catalogue/records.h"

namespace quantora {
namespace {

TEST(Cp1252, DecodesEveryRangeIncludingTheOnesThatDifferFromLatin1) {
    const std::pair<std::string, std::string> cases[] = {
        {"Meter", "Meter"},
        {"\xB0"
         "C",
         "°C"},
        {"\xB5m", "µm"},
        {"\xC5ngstr\xF6m", "Ångström"},
        {"R\xE9"
         "aumur",
         "Réaumur"},
        {"\x80", "€"},
        {"\x89", "‰"},
        {"\x9F", "Ÿ"},
        {"\x81", "\xC2\x81"},
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
        bool lossless = false;
        EXPECT_EQ(Utf8ToCp1252(utf8, &lossless), bytes);
        EXPECT_TRUE(lossless) << utf8;
    }
}

TEST(Cp1252, CharactersWithoutAWindows1252FormBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp1252("1 Ω", &lossless), "1 ?");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");  // a cut-off sequence
}

TEST(NameOrder, IgnoresCaseAndSortsAccentsWithTheirLetter) {
    EXPECT_EQ(CompareNames("meter", "METER"), 0);
    EXPECT_LT(CompareNames("apple", "Banana"), 0);
    EXPECT_LT(CompareNames("Banana", "cherry"), 0);
    EXPECT_LT(CompareNames("Inch", "inches"), 0);
    EXPECT_LT(CompareNames("\xC5ngstr\xF6m", "Bar"), 0);  // Ångström beside A, not after Z
    EXPECT_GT(CompareNames("R\xE9"
                           "aumur",
                           "Rankine"),
              0);  // Réaumur after Rankine (e > a)
    EXPECT_LT(CompareNames("R\xE9"
                           "aumur",
                           "Rod"),
              0);
    EXPECT_EQ(CompareNames("same", "same"), 0);
    EXPECT_LT(CompareNames("Gram", "Gram-force"), 0);
}

// A name joins after the names that sort before or equal to it, so equal names keep the order in
// which they were added.
TEST(NameOrder, InsertPositionFollowsEqualNames) {
    const std::vector<std::string> names{"apple", "Banana", "BANANA", "cherry"};
    std::vector<CategoryRecord> records(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) ASSERT_FALSE(records[i].name.Assign(names[i], "name"));
    const std::pair<const char*, std::size_t> cases[] = {{"banana", 3}, {"Avocado", 1}, {"\xC5ngstr\xF6m", 0},
                                                         {"APPLE", 1},  {"zebra", 4},   {"Cherry pie", 4}};
    for (const auto& [name, position] : cases) {
        EXPECT_EQ(SortedInsertPosition(names, name), position) << name;
        EXPECT_EQ(SortedRecordPosition(records, name), position) << name;
    }
    EXPECT_EQ(SortedInsertPosition(std::vector<std::string>{}, "any"), 0u);
}

}  // namespace
}  // namespace quantora
