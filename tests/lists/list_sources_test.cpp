#include "lists/list_sources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

bool HasErrorStartingWith(const std::vector<std::string>& errors, const std::string& start) {
    for (const std::string& error : errors) {
        if (error.rfind(start, 0) == 0) return true;
    }
    return false;
}

TEST(ConstantsSource, ReadsLinesSkippingCommentsAndConvertingToWindows1252) {
    const auto source = ParseConstantsSource(
        "# heading\n\nBohr magneton\t9.274 010 0783 e-24 J T^-1\t0.000 000 0028 e-24 J T^-1\r\n"
        "muon mass in \xC2\xB5 units\t1\texact\n",
        "c.tsv");
    ASSERT_TRUE(source.Ok()) << source.errors.front();
    ASSERT_EQ(source.records.size(), 2u);
    EXPECT_EQ(source.records[0].name.Text(), "Bohr magneton");
    EXPECT_EQ(source.records[0].value.Text(), "9.274 010 0783 e-24 J T^-1");
    EXPECT_EQ(source.records[0].uncertainty.Text(), "0.000 000 0028 e-24 J T^-1");
    EXPECT_EQ(source.records[1].name.Text(), "muon mass in \xB5 units");
}

TEST(ConstantsSource, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const std::string longName(80, 'n');
    const std::string fits(79, 'n');
    const Case cases[] = {
        {"a\t1\texact\nonly\ttwo\n", "c.tsv:2: expected name, value"},
        {"a\t1\texact\tmore\n", "c.tsv:1: expected name, value"},
        {"\n\xE2\x84\x8F\t1\texact\n", "c.tsv:2: name: \""},
    };
    for (const Case& c : cases) {
        const auto source = ParseConstantsSource(c.text, "c.tsv");
        EXPECT_TRUE(HasErrorStartingWith(source.errors, c.expected)) << c.text;
    }
    const auto tooLong = ParseConstantsSource(fits + "\t1\t2\n" + longName + "\t1\t2\n", "c.tsv");
    ASSERT_EQ(tooLong.errors.size(), 1u);
    EXPECT_EQ(tooLong.errors[0], "c.tsv:2: name: text of 80 characters does not fit (at most 79)");
}

TEST(ElementsSource, ReadsStanzasWithRunOnDescriptions) {
    const auto source = ParseElementsSource(
        "# the elements\n\nnumber: 2\nname: Helium\nsymbol: He\nweight: 4.0026\nboiling: -268.93\n"
        "description: A noble gas.\n  It does not freeze\nat normal pressure.\n\n"
        "number: 1\nname: Hydrogen\nsymbol: H\noxidation: +1, -1\ndescription:\nThe lightest.\n",
        "e.txt");
    ASSERT_TRUE(source.Ok()) << source.errors.front();
    ASSERT_EQ(source.records.size(), 2u);
    const ElementRecord& helium = source.records[0];
    EXPECT_EQ(helium.atomicNumber, 2);
    EXPECT_EQ(helium.name.Text(), "Helium");
    EXPECT_EQ(helium.symbol.Text(), "He");
    EXPECT_EQ(helium.atomicWeight.Text(), "4.0026");
    EXPECT_EQ(helium.meltingPoint.Text(), "");
    EXPECT_EQ(helium.boilingPoint.Text(), "-268.93");
    EXPECT_EQ(helium.description.Text(), "A noble gas. It does not freeze at normal pressure.");
    EXPECT_EQ(source.records[1].oxidationStates.Text(), "+1, -1");
    EXPECT_EQ(source.records[1].description.Text(), "The lightest.");
}

TEST(ElementsSource, FullWidthFieldsFitAndLongerOnesNameTheirLine) {
    const std::string stanza = "number: 1\nname: Hydrogen\nsymbol: H\n";
    EXPECT_TRUE(ParseElementsSource(stanza + "weight: 1234567890\nmelting: 1234567890\n", "e.txt").Ok());
    EXPECT_TRUE(ParseElementsSource(stanza + "oxidation: " + std::string(23, '+') + "\n", "e.txt").Ok());

    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {stanza + "weight: 12345678901\n", "e.txt:4: weight: text of 11 characters"},
        {stanza + "melting: 12345678901\n", "e.txt:4: melting: text of 11 characters"},
        {stanza + "oxidation: " + std::string(24, '+') + "\n", "e.txt:4: oxidation: text of 24"},
        {"number: 1\nname: Rutherfordiummm\nsymbol: H\n", "e.txt:2: name: text of 15"},
        {"number: 1\nname: X\nsymbol: Abcd\n", "e.txt:3: symbol: text of 4"},
        {stanza + "description: x\n" + std::string(1376, 'd') + "\n", "e.txt:4: description: text of 1378"},
        {stanza + "colour: red\n", "e.txt:4: expected one of the keys"},
        {stanza + "symbol: He\n", "e.txt:4: \"symbol\" given twice"},
        {"number: one\nname: X\nsymbol: X\n", "e.txt:1: number: \"one\" is not a positive"},
        {"name: X\nsymbol: X\n", "e.txt:1: number: \"\" is not a positive"},
        {stanza + "\n" + stanza, "e.txt:5: number: atomic number 1 given twice"},
        {"number: 1\nsymbol: H\n", "e.txt:1: name: missing"},
    };
    for (const Case& c : cases) {
        const auto source = ParseElementsSource(c.text, "e.txt");
        EXPECT_TRUE(HasErrorStartingWith(source.errors, c.expected))
            << c.expected << "\n got: " << (source.errors.empty() ? "no error" : source.errors.front());
    }
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunListgen(const std::string& kind, const std::filesystem::path& source, const std::filesystem::path& output,
               const std::filesystem::path& messages) {
    const std::string command = "\"" QUANTORA_LISTGEN "\" " + kind + " \"" + source.string() + "\" \"" +
                                output.string() + "\" 2> \"" + messages.string() + "\"";
    return test::RunCommand(command);
}

TEST(Listgen, RefusesATooLongTextNamingTheLineAndWritesNothing) {
    test::TempFolder folder;
    std::ofstream(folder / "bad.tsv") << "fine\t1\texact\n" << std::string(80, 'x') << "\t1\texact\n";
    EXPECT_NE(RunListgen("constants", folder / "bad.tsv", folder / "consts.dat", folder / "err.txt"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "consts.dat"));
    const std::string messages = ReadText(folder / "err.txt");
    EXPECT_NE(messages.find("bad.tsv:2: name: text of 80 characters does not fit"), std::string::npos) << messages;
}

}  // namespace
}  // namespace quantora
