#include <gtest/gtest.h>

#include "catalogue/cp1252.h"
#include "catalogue/name_order.h"

namespace quantora {
namespace {

TEST(Cp1252, DecodesEveryRangeIncludingTheOnesThatDifferFromLatin1) {
    const std::pair<std::string, std::string> cases[] = {
        {"Meter", "Meter"},
        {"\xB0" "C", "°C"},
        {"\xB5m", "µm"},
        {"\xC5ngstr\xF6m", "Ångström"},
        {"R\xE9" "aumur", "Réaumur"},
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
    EXPECT_LT(CompareNames("\xC5ngstr\xF6m", "Bar"), 0);   // Ångström beside A, not after Z
    EXPECT_GT(CompareNames("R\xE9" "aumur", "Rankine"), 0);  // Réaumur after Rankine (e > a)
    EXPECT_LT(CompareNames("R\xE9" "aumur", "Rod"), 0);
    EXPECT_EQ(CompareNames("same", "same"), 0);
    EXPECT_LT(CompareNames("Gram", "Gram-force"), 0);
}

}  // namespace
}  // namespace quantora
