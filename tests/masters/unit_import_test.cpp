#include "masters/unit_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_fixture.h"

namespace quantora {
namespace {

using test::Master;

struct UnitCase {
    std::string section;
    std::string unitLine;
    std::string conversionLine;
    std::int32_t unitId;
    std::string name;
    std::string abbreviation;
    std::string conversionText;
    std::string baseFormula;
    std::uint8_t reciprocal;
    std::uint8_t common;
};

// One unit in its section, with common units 101 and 105, and its conversion section.
std::string Frame(const UnitCase& c) {
    return "1=Length|101|102\n[1]\n[" + c.section + "]\n100=101,105\n" + c.unitLine + "\n[" + c.section + "c]\n" +
           c.conversionLine + "\n";
}

TEST(UnitImport, ReadsEachUnitLineWithItsConversionLine) {
    const std::vector<UnitCase> cases = {
        {"1", "105=Foot {ft}", "105=  *0.3048", 105, "Foot", "ft", "*0.3048", "", 0, 1},
        {"1", "106=Inch {in}", "106=  *0.0254", 106, "Inch", "in", "*0.0254", "", 0, 0},
        {"1", "107=  Plain  ", "107=  *2", 107, "Plain", "", "*2", "", 0, 0},
        {"1", "108={x} Lead", "", 108, "{x} Lead", "", "", "", 0, 0},
        {"1", "109=Squared {m{2}} unit", "", 109, "Squared  unit", "m{2}", "", "", 0, 0},
        {"1", "110=Open {ab", "", 110, "Open", "ab", "", "", 0, 0},
        {"1", "113=Odd} name {ab", "", 113, "Odd} name", "ab", "", "", 0, 0},
        {"1", "111=\xC2\xA0Spaced\xC2\xA0{s}\xC2\xA0", "", 111, "Spaced", "s", "", "", 0, 0},
        {"1", "112 No equals", "", 112, "", "", "", "", 0, 0},
        {"251", "101=Tan {x}", "101=  x&x", 101, "Tan {x}", "", "x", "x", 0, 1},
        {"23", "102=Km per litre {km/l}", "102=  *1R", 102, "Km per litre", "km/l", "*1R", "", 1, 0},
        {"25", "102=Decibel {10*log(x)}", "102=  10*log(x)&10^(x/10)", 102, "Decibel", "10*log(x)", "10*log(x)",
         "10^(x/10)", 0, 0},
        {"25", "103=Amp", "103=  &x", 103, "Amp", "", "&x", "", 0, 0},
        {"25", "104=Rb", "104=  x&Rx", 104, "Rb", "", "x", "Rx", 1, 0},
        {"1", "104=Filler", "104=XY*3", 104, "Filler", "", "*3", "", 0, 0},
        {"1", "104=Short", "104=", 104, "Short", "", "", "", 0, 0},
        {"1", "104=None", "", 104, "None", "", "", "", 0, 0},
        {"1", "12=Two digits", "12=  *5", 12, "Two digits", "", "*5", "", 0, 0},
    };
    for (const UnitCase& c : cases) {
        const UnitImport result = ImportUnits(Master(Frame(c)));
        ASSERT_EQ(result.records.size(), 1u) << c.unitLine;
        const UnitRecord& unit = result.records[0];
        EXPECT_EQ(unit.categoryId, std::stoi(c.section)) << c.unitLine;
        EXPECT_EQ(unit.unitId, c.unitId) << c.unitLine;
        EXPECT_EQ(unit.name.Text(), c.name) << c.unitLine;
        EXPECT_EQ(unit.abbreviation.Text(), c.abbreviation) << c.unitLine;
        EXPECT_EQ(unit.conversionText.Text(), c.conversionText) << c.unitLine;
        EXPECT_EQ(unit.baseFormula.Text(), c.baseFormula) << c.unitLine;
        EXPECT_EQ(unit.reciprocal, c.reciprocal) << c.unitLine;
        EXPECT_EQ(unit.common, c.common) << c.unitLine;
        EXPECT_EQ(unit.visible, 1) << c.unitLine;
        EXPECT_EQ(unit.referenceUnitId, kBaseUnitId) << c.unitLine;
        EXPECT_TRUE(result.errors.empty()) << c.unitLine;
    }
}

struct Listed {
    std::int32_t categoryId;
    std::int32_t unitId;
    std::uint8_t common;
};

std::vector<Listed> ListOf(const UnitImport& result) {
    std::vector<Listed> listed;
    for (const UnitRecord& unit : result.records) listed.push_back({unit.categoryId, unit.unitId, unit.common});
    return listed;
}

bool operator==(const Listed& a, const Listed& b) {
    return a.categoryId == b.categoryId && a.unitId == b.unitId && a.common == b.common;
}

void PrintTo(const Listed& l, std::ostream* os) { *os << l.categoryId << "/" << l.unitId << "/" << int{l.common}; }

TEST(UnitImport, FollowsSectionsAndTheCommonUnitsLine) {
    struct Case {
        std::string text;
        std::vector<Listed> units;
    };
    const std::vector<Case> cases = {
        // Units before the first "[1]" are category lines; the first section is category 1 even unnamed.
        {"101=Not a unit\nx [1] x\n100=101\n101=Metre\n\n102=Foot\n", {{1, 101, 1}, {1, 102, 0}}},
        {"[1]\n101=A\n[ 12]\n101=B\n[3]x\n101=C\n", {{1, 101, 0}, {12, 101, 0}, {3, 101, 0}}},
        // Everything stops at the first "c]", even inside a name.
        {"[1]\n101=A\n[1c]\n102=B\n", {{1, 101, 0}}},
        {"[1]\n101=A\n102=Tic] toc\n103=C\n", {{1, 101, 0}}},
        // The common line is searched for the three characters of the id anywhere.
        {"[1]\n100=1102\n101=A\n102=B\n110=C\n", {{1, 101, 0}, {1, 102, 1}, {1, 110, 1}}},
        // It is remembered across sections until another one comes.
        {"[1]\n100=105\n105=A\n[2]\n105=B\n[3]\n100=101\n105=C\n", {{1, 105, 1}, {2, 105, 1}, {3, 105, 0}}},
        {"1=Length|101|101\n101=Metre\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ListOf(ImportUnits(Master(c.text))), c.units) << c.text;
}

TEST(UnitImport, TakesTheFirstMatchingLineBelowTheFirstSectionHeader) {
    const std::string master =
        "[1]\n101=Metre\n102=Foot\n103=Inch\n[2]\n101=Are\n[2c]\n101=  *100\n"
        "[1c]\n101=  *1\n101=  *9\n[1c]\n102=  *8\n[3c]\n103=  *0.0254\n";
    const UnitImport result = ImportUnits(Master(master));
    ASSERT_EQ(result.records.size(), 4u);
    std::vector<std::string> texts;
    for (const UnitRecord& unit : result.records) texts.push_back(unit.conversionText.Text());
    // Inch has no line in its own section and takes the one further down, in [3c].
    EXPECT_EQ(texts, (std::vector<std::string>{"*1", "*8", "*0.0254", "*100"}));
    EXPECT_EQ(result.conversionLines[0], std::optional<std::size_t>{9});
    EXPECT_EQ(result.conversionLines[3], std::optional<std::size_t>{7});
    EXPECT_EQ(result.lines[0], 1u);
    EXPECT_EQ(result.listLines, (std::vector<std::string>{"1 Metre", "1 Foot", "1 Inch", "2 Are"}));
}

TEST(UnitImport, ATextTooLongForItsFieldIsAFaultOnItsOwnLine) {
    struct Case {
        std::string unitLine;
        std::string conversionLine;
        std::string fault;
    };
    const std::vector<Case> cases = {
        {"101=" + std::string(80, 'n'), "101=  *1", "m.ini:2: unit name: text of 80 characters does not fit"},
        {"101=Metre {" + std::string(30, 'a') + "}", "101=  *1", "m.ini:2: abbreviation: text of 30 characters"},
        {"101=Metre", "101=  *" + std::string(179, '1'), "m.ini:4: conversion text: text of 180 characters"},
        {"101=Metre", "101=  x&" + std::string(180, 'x'), "m.ini:4: base formula: text of 180 characters"},
    };
    for (const Case& c : cases) {
        const UnitImport result = ImportUnits(Master("[1]\n" + c.unitLine + "\n[1c]\n" + c.conversionLine + "\n"));
        ASSERT_EQ(result.errors.size(), 1u) << c.fault;
        EXPECT_TRUE(result.errors[0].starts_with(c.fault)) << result.errors[0];
    }
    const std::string fits = "101=" + std::string(79, 'n');
    EXPECT_TRUE(ImportUnits(Master("[1]\n" + fits + "\n")).Ok());
}

}  // namespace
}  // namespace quantora
