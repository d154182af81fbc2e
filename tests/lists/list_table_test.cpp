#include "lists/list_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/list_filter.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

using test::MakeConstant;
using test::MakeElement;
using test::Names;

TEST(ListTable, LoadsInAlphabeticalOrderIgnoringCase) {
    test::TempFolder folder;
    const std::vector<ConstantRecord> records{
        MakeConstant("speed of light", "1"), MakeConstant("Avogadro", "2"),  MakeConstant("\xC5ngstr\xF6m star", "3"),
        MakeConstant("atomic mass", "4"),    MakeConstant("Boltzmann", "5"), MakeConstant("Zeta", "6")};
    ASSERT_FALSE(WriteConstants(folder / "consts.dat", records));
    const auto table = LoadConstants(folder / "consts.dat");
    EXPECT_TRUE(table.opened);
    EXPECT_TRUE(table.error.empty());
    EXPECT_EQ(Names(table.records), (std::vector<std::string>{"\xC5ngstr\xF6m star", "atomic mass", "Avogadro",
                                                              "Boltzmann", "speed of light", "Zeta"}));
}

TEST(ListTable, EqualNamesKeepTheirFileOrder) {
    test::TempFolder folder;
    ASSERT_FALSE(WriteElements(folder / "element.dat", {MakeElement({2, "Iron", "B"}), MakeElement({1, "Gold", "A"}),
                                                        MakeElement({3, "Iron", "C"})}));
    const auto table = LoadElements(folder / "element.dat");
    ASSERT_EQ(table.records.size(), 3u);
    EXPECT_EQ(table.records[1].symbol.Text(), "B");
    EXPECT_EQ(table.records[2].symbol.Text(), "C");

    const ElementRecord* shown = FindElementByName(table.records, "Iron");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->atomicNumber, 2);
    EXPECT_EQ(FindElementByName(table.records, "iron"), nullptr);
}

TEST(ListTable, EmptyFileIsAnEmptyTableWithoutError) {
    test::TempFolder folder;
    test::WriteBytes(folder / "consts.dat", {});
    const auto table = LoadConstants(folder / "consts.dat");
    EXPECT_TRUE(table.opened);
    EXPECT_TRUE(table.records.empty());
    EXPECT_TRUE(table.error.empty());
}

TEST(ListTable, TrailingFragmentIsIgnoredAndReported) {
    test::TempFolder folder;
    ASSERT_FALSE(
        WriteElements(folder / "element.dat", {MakeElement({26, "Iron", "Fe"}), MakeElement({79, "Gold", "Au"})}));
    auto bytes = test::ReadBytes(folder / "element.dat");
    bytes.resize(bytes.size() + 100, 'x');
    test::WriteBytes(folder / "element.dat", bytes);

    const auto table = LoadElements(folder / "element.dat");
    EXPECT_EQ(Names(table.records), (std::vector<std::string>{"Gold", "Iron"}));
    EXPECT_EQ(table.ignoredTrailingBytes, 100u);
    EXPECT_NE(table.error.find("element.dat"), std::string::npos);
}

TEST(ListFilter, MatchesNamesFollowedByTheEndMarkIgnoringCase) {
    struct Case {
        const char* name;
        const char* filter;
        bool matches;
    };
    const Case cases[] = {
        {"Speed of light in vacuum", "SPEED", true},
        {"speed of light in vacuum", "Light In", true},
        {"speed of light in vacuum", "vacuum>", true},
        {"vacuum permittivity", "vacuum>", false},
        {"Iron", "Fe", false},
        {"Iron", "", true},
        {"Iron", ">", true},
        {"Iron", "iron>>", false},
        {"\xC5ngstr\xF6m star", "\xE5NGSTR\xD6M", true},
        {"\xC5ngstr\xF6m star", "angstrom", false},
        {"Gold", "golden", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesListFilter(c.name, c.filter), c.matches) << c.name << " / " << c.filter;
        EXPECT_EQ(ListMatcher({c.name}).Rows(c.filter).size(), c.matches ? 1u : 0u) << c.name << " / " << c.filter;
    }
}

TEST(ListFilter, RowsFollowTableOrder) {
    const std::vector<ElementRecord> table{MakeElement({79, "Gold", "Au"}), MakeElement({26, "Iron", "Fe"}),
                                           MakeElement({53, "Iodine", "I"})};
    EXPECT_EQ(FilterRows(table, "I"), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(FilterRows(table, "Au"), (std::vector<std::size_t>{}));
    EXPECT_EQ(FilterRows(table, "").size(), 3u);
}

}  // namespace
}  // namespace quantora
