#include "app/ini_profile_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace quantora {
namespace {

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// A rewrite changes the entries it sets and nothing else: comments, other programs' entries and
// keys the store cannot read stay as they were written.
TEST(IniProfileStore, RewritesOnlyTheEntriesItSets) {
    test::TempFolder folder;
    const auto file = folder / "profile.ini";
    WriteFile(file,
              "; kept by hand\r\n[Settings]\r\nDecimal=6\r\nOdd = \"a\" b ; note\r\n\r\n"
              "[Other]\nlist=a, b\nwhat=@Variant(\\0\\0\\0\\x7f)\n");
    IniProfileStore store(file);
    ASSERT_TRUE(store.WriteText("Settings", "Decimal", "2"));
    ASSERT_TRUE(store.WriteText("Settings", "Min", "1e-3"));
    ASSERT_TRUE(store.WriteInt("Selection", "Length", -3));
    EXPECT_EQ(ReadFile(file),
              "; kept by hand\r\n[Settings]\r\nDecimal=2\r\nOdd = \"a\" b ; note\nMin=1e-3\r\n\r\n"
              "[Other]\nlist=a, b\nwhat=@Variant(\\0\\0\\0\\x7f)\n\n[Selection]\nLength=-3\n");
    const IniProfileStore reopened(file);
    EXPECT_EQ(reopened.ReadText("Settings", "Odd", "-"), "ab ");
    EXPECT_EQ(reopened.ReadText("Settings", "Min", "-"), "1e-3");
    EXPECT_EQ(reopened.ReadInt("Selection", "Length", 0), -3);
    EXPECT_EQ(reopened.ReadText("Other", "list", "-"), "");
}

TEST(IniProfileStore, AMissingFileReadsAsDefaultsAndIsCreatedWithItsFolder) {
    test::TempFolder folder;
    const auto file = folder / "Quantora" / "quantora.conf";
    IniProfileStore store(file);
    EXPECT_EQ(store.ReadText("Settings", "Decimal", "6"), "6");
    EXPECT_EQ(store.ReadInt("Selection", "Length", 7), 7);
    EXPECT_EQ(store.ReadBinary("Positions", "MainWindow"), std::nullopt);
    ASSERT_TRUE(store.WriteBinary("Positions", "MainWindow", std::vector<std::uint8_t>{0, 1, 0x7f}));
    EXPECT_EQ(ReadFile(file), "[Positions]\nMainWindow=@ByteArray(\\0\\x1\\x7f)\n");
}

// A file cut inside a quote or after a backslash (with or without the line break it escapes): the
// quote runs to the end and is closed, the backslash is dropped, when the file is written again, so
// what is written after it stays an entry of its own.
TEST(IniProfileStore, WritesAfterAnUnterminatedQuoteStayEntries) {
    for (const std::string cut :
         {"[Settings]\nSaved%20X=\"1,5\n[Selection]\nLength=4", "[Settings]\nSaved%20X=\"a\\",
          "[Selection]\nSaved%20X=a\\", "[Selection]\nSaved%20X=a\\\r\\\r", ";a comment without its line break"}) {
        SCOPED_TRACE(cut);
        test::TempFolder folder;
        const auto file = folder / "profile.ini";
        WriteFile(file, cut);
        const std::string before = IniProfileStore(file).ReadText("Settings", "Saved X", "-");
        {
            IniProfileStore store(file);
            ASSERT_TRUE(store.WriteText("Settings", "Decimal", "2"));
            ASSERT_TRUE(store.WriteInt("Selection", "Length", 9));
        }
        const IniProfileStore reopened(file);
        EXPECT_EQ(reopened.ReadText("Settings", "Decimal", "-"), "2");
        EXPECT_EQ(reopened.ReadInt("Selection", "Length", 0), 9);
        EXPECT_EQ(reopened.ReadText("Settings", "Saved X", "-"), before);
    }
}

}  // namespace
}  // namespace quantora
