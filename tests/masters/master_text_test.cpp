#include "masters/master_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/temp_folder.h"

namespace quantora {
namespace {

TEST(MasterText, SplitsAtLineEndsAndConvertsToTheRecordCodePage) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\n\nb\n", {"a", "", "", "b"}},
        {"a\rb\n", {"a\rb"}},
        {"101=Celsius {\xC2\xB0"
         "C}\n",
         {"101=Celsius {\xB0"
          "C}"}},
        {"\xE2\x82\xAC;1.1;", {"\x80;1.1;"}},
    };
    for (const Case& c : cases) {
        const MasterTextRead read = SplitMasterText(c.text, "m.ini");
        EXPECT_TRUE(read.Ok()) << read.error;
        EXPECT_EQ(read.text.lines, c.lines) << c.text;
    }
}

TEST(MasterText, ACharacterWithoutAWindows1252FormNamesItsLine) {
    const MasterTextRead read = SplitMasterText("ok\n101=Arrow \xE2\x86\x92\n", "m.ini");
    ASSERT_FALSE(read.Ok());
    EXPECT_TRUE(read.error.starts_with("m.ini:2: ")) << read.error;
}

TEST(MasterText, ATextThatIsNotUtf8IsTakenAsWindows1252Bytes) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"101=Degree \xB0\n", {"101=Degree \xB0"}},
        {"101=R\xE9"
         "aumur\n102=\xC5ngstr\xF6m\n",
         {"101=R\xE9"
          "aumur",
          "102=\xC5ngstr\xF6m"}},
        // One stray byte decides for the whole file: the UTF-8-looking pair stays two bytes.
        {"\xC2\xB0\n\xB0\n", {"\xC2\xB0", "\xB0"}},
        {"cut \xE2\x82", {"cut \xE2\x82"}},
        // Overlong forms and surrogates are no UTF-8: read as bytes, they cannot become a zero byte.
        {"a\xE0\x80\x80z", {"a\xE0\x80\x80z"}},
        {"\xC0\x80", {"\xC0\x80"}},
        {"\xED\xA0\x80", {"\xED\xA0\x80"}},
        {"\xF4\x90\x80\x80", {"\xF4\x90\x80\x80"}},
    };
    for (const auto& [text, lines] : cases) {
        const MasterTextRead read = SplitMasterText(text, "m.ini");
        EXPECT_TRUE(read.Ok()) << read.error;
        EXPECT_EQ(read.text.lines, lines) << text;
    }
}

TEST(MasterText, ReadsAStreamAndReportsAMissingFile) {
    std::istringstream in("1=Length|101|102\n[1]\n");
    const MasterTextRead read = ReadMasterText(in, "s.ini");
    EXPECT_EQ(read.text.lines, (std::vector<std::string>{"1=Length|101|102", "[1]"}));
    EXPECT_EQ(read.text.Fault(1, "why"), "s.ini:2: why");

    test::TempFolder folder;
    const MasterTextRead missing = ReadMasterText(folder / "none.ini");
    EXPECT_FALSE(missing.Ok());
    EXPECT_NE(missing.error.find("none.ini"), std::string::npos) << missing.error;
}

}  // namespace
}  // namespace quantora
