#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_fixture.h"
#include "masters/currency_import.h"
#include "masters/temperature_import.h"

namespace quantora {
namespace {

using test::Master;

TEST(TemperatureImport, ReadsTheTwoIdsAndTheFormulaAfterNineCharacters) {
    struct Case {
        std::string line;
        std::int32_t from;
        std::int32_t to;
        std::string formula;
    };
    const std::vector<Case> cases = {
        {"101102=  *1.8+32", 101, 102, "*1.8+32"},
        {"102101=xx-32/1.8", 102, 101, "-32/1.8"},
        {"101101=", 101, 101, ""},
        {"1 2  3=  +1", 1, 3, "+1"},
        {"abcdef=  *1", 0, 0, "*1"},
        {"10", 10, 0, ""},
    };
    for (const Case& c : cases) {
        const auto result = ImportTemperatures(Master("[19c]\n" + c.line + "\n"));
        ASSERT_EQ(result.records.size(), 1u) << c.line;
        EXPECT_EQ(result.records[0].fromUnitId, c.from) << c.line;
        EXPECT_EQ(result.records[0].toUnitId, c.to) << c.line;
        EXPECT_EQ(result.records[0].formula.Text(), c.formula) << c.line;
        EXPECT_EQ(result.records[0].visible, 1) << c.line;
    }
}

TEST(TemperatureImport, ReadsOnlyTheLinesBetweenItsHeaderAndTheNextSection) {
    struct Case {
        std::string text;
        std::vector<std::size_t> lines;
    };
    const std::vector<Case> cases = {
        {"101102=  *2\n[19c]\n101102=  *1.8+32\n\n102101=  -32/1.8\n[20c]\n103103=  *1\n", {2, 4}},
        {"[1]\nx [19c] x\n101101=  *1\n", {2}},
        {"101101=  *1\n", {}},
        {"[19c]\n[20c]\n101101=  *1\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ImportTemperatures(Master(c.text)).lines, c.lines) << c.text;
}

TEST(TemperatureImport, RefusesAFormulaTooLongForItsField) {
    const auto result = ImportTemperatures(Master("[19c]\n101101=  " + std::string(180, '1') + "\n"));
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_TRUE(result.errors[0].starts_with("m.ini:2: temperature formula: text of 180 characters"))
        << result.errors[0];
}

TEST(CurrencyImport, ReadsNameAndRateAndRenamesTwoCurrencies) {
    struct Case {
        std::string line;
        std::string name;
        double rate;
    };
    const std::vector<Case> cases = {
        {"Euro;1.1;", "Euro", 1.1},
        {"  US Dollar ; 1.0 ;ignored;9", "US Dollar", 1.0},
        {"Yen;0.0067", "Yen", 0.0067},
        {"Pound;1.2e0;", "Pound", 1.2},
        {"NoRate", "NoRate", 0.0},
        {";5;", "", 5.0},
        {"Odd;abc;", "Odd", 0.0},
        {"\xC2\xA0"
         "Franc\xC2\xA0;1.05;",
         "Franc", 1.05},
        {"new Israeli shekel;0.27;", "Israeli New Shekel", 0.27},
        {"The new Israeli shekel (ILS);0.27;", "Israeli New Shekel", 0.27},
        {"New Israeli Shekel;0.27;", "New Israeli Shekel", 0.27},
        {"New Turkish Lira;0.03;", "Turkish New Lira", 0.03},
    };
    for (const Case& c : cases) {
        const auto result = ImportCurrencies(Master(c.line));
        ASSERT_EQ(result.records.size(), 1u) << c.line;
        EXPECT_EQ(result.records[0].name.Text(), c.name) << c.line;
        EXPECT_DOUBLE_EQ(result.records[0].rate, c.rate) << c.line;
        EXPECT_EQ(result.records[0].visible, 1) << c.line;
    }
}

TEST(CurrencyImport, SkipsEmptyLinesAndRefusesANameTooLong) {
    const auto result = ImportCurrencies(Master("Euro;1;\n\n" + std::string(104, 'c') + ";2;\nYen;3;\n"));
    EXPECT_EQ(result.lines, (std::vector<std::size_t>{0, 2, 3}));
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_TRUE(result.errors[0].starts_with("m.ini:3: currency name: text of 104 characters")) << result.errors[0];
}

}  // namespace
}  // namespace quantora
