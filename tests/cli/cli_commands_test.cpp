#include "cli/cli_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "catalogue/catalogue.h"
#include "catalogue/rates_stamp.h"
#include "catalogue/record_file.h"
#include "convert/unit_tables.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

using test::MakeCategory;
using test::UnitEntry;

void Append(std::vector<UnitRecord>& units, std::int32_t categoryId, const std::vector<UnitEntry>& entries) {
    for (const UnitRecord& unit : test::MakeUnits(categoryId, entries)) units.push_back(unit);
}

// A small data folder: the "m" of Meter and the "M" of Minute make an ambiguity only a second unit
// or --category resolves; "mm" and "Mm" differ in case alone; the angstrom and the temperature
// abbreviations are Windows-1252 ("\xC5" is A with ring, "\260" the degree sign).
void WriteDataFiles(const std::filesystem::path& folder) {
    const std::vector<CategoryRecord> categories = {
        MakeCategory(1, "Length"),    MakeCategory(2, "Time"),          MakeCategory(19, "Temperature"),
        MakeCategory(28, "Currency"), MakeCategory(26, "Trigonometry"), MakeCategory(17, "Number Systems")};
    std::vector<UnitRecord> units;
    Append(units, 1,
           {{.unitId = 101, .name = "Meter", .conversionText = "*1", .abbreviation = "m"},
            {.unitId = 102, .name = "Kilometer", .conversionText = "*1000", .abbreviation = "km"},
            {.unitId = 103, .name = "Mile", .conversionText = "*1609.344", .abbreviation = "mi"},
            {.unitId = 104, .name = "Millimeter", .conversionText = "/1000", .abbreviation = "mm"},
            {.unitId = 105, .name = "Megameter", .conversionText = "*1000000", .abbreviation = "Mm"},
            {.unitId = 106, .name = "\xC5ngstr\xF6m", .conversionText = "/10000000000", .abbreviation = "\xC5"}});
    Append(units, 2,
           {{.unitId = 101, .name = "Second", .conversionText = "*1", .abbreviation = "s"},
            {.unitId = 102, .name = "Minute", .conversionText = "*60", .abbreviation = "M"},
            {.unitId = 103, .name = "Broken", .conversionText = "*2)", .abbreviation = "brk"}});
    Append(units, 19,
           {{.unitId = 101, .name = "Celsius", .abbreviation = "\260C"},
            {.unitId = 102, .name = "Fahrenheit", .abbreviation = "\260F"}});
    Append(units, 26,
           {{.unitId = 101, .name = "Angle", .baseFormula = "x", .abbreviation = "x"},
            {.unitId = 102, .name = "Sine", .conversionText = "*sin(x)", .abbreviation = "sin(x)"}});
    Append(
        units, 28,
        {{.unitId = 101, .name = "EUR", .abbreviation = "EUR"}, {.unitId = 102, .name = "USD", .abbreviation = "USD"}});
    Append(units, 17,
           {{.unitId = 101, .name = "Binary", .abbreviation = "bin"},
            {.unitId = 102, .name = "Decimal", .abbreviation = "dec"},
            {.unitId = 103, .name = "Hexadecimal", .abbreviation = "hex"},
            {.unitId = 104, .name = "Octal", .abbreviation = "oct"},
            {.unitId = 105, .name = "Roman", .abbreviation = "rom"}});
    const std::vector<TemperatureRecord> temperatures = {test::MakeTemperature(101, 102, "*1.8+32"),
                                                         test::MakeTemperature(102, 101, "-32/1.8")};
    std::vector<CurrencyRecord> currencies = {test::MakeCurrency("EUR", 1.1), test::MakeCurrency("USD", 1.0),
                                              *MakeRatesStampRecord({"2026-12-08", "European Central Bank"})};
    currencies[1].olderRate = 1;
    ASSERT_EQ(WriteRecordFile(folder / data_file::kCategories, categories), std::nullopt);
    ASSERT_EQ(WriteRecordFile(folder / data_file::kUnits, units), std::nullopt);
    ASSERT_EQ(WriteRecordFile(folder / data_file::kTemperatures, temperatures), std::nullopt);
    ASSERT_EQ(WriteRecordFile(folder / data_file::kCurrencies, currencies), std::nullopt);
}

struct CliCase {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::vector<std::string> errParts = {};        // texts stderr must contain
    std::vector<test::StoredSetting> stored = {};  // the window's settings
};

class CliCommandsTest : public testing::Test {
protected:
    void SetUp() override { WriteDataFiles(data_.Path()); }

    void Expect(const std::vector<CliCase>& cases) {
        for (const CliCase& c : cases) {
            std::string label;
            for (const std::string& arg : c.args) label += arg + " ";
            SCOPED_TRACE(label);
            test::TestProfile profile;
            for (const auto& [key, value] : c.stored) WriteSetting(profile.Store(), key, value);
            const CliOutcome outcome = RunCli(c.args, {profile.Store(), data_.Path(), test::EnglishLocale()});
            EXPECT_EQ(outcome.exitCode, c.exitCode);
            EXPECT_EQ(outcome.out, c.out);
            if (c.errParts.empty()) {
                EXPECT_EQ(outcome.err, "");
            }
            for (const std::string& part : c.errParts)
                EXPECT_NE(outcome.err.find(part), std::string::npos) << outcome.err;
        }
    }

    test::TempFolder data_;
};

TEST_F(CliCommandsTest, ListsCategoriesAndUnits) {
    Expect({
        {{"categories"}, 0, "Currency\nLength\nNumber Systems\nTemperature\nTime\nTrigonometry\n"},
        {{"units", "LENGTH"},
         0,
         "\u00C5ngstr\u00F6m\t\u00C5\nKilometer\tkm\nMegameter\tMm\nMeter\tm\nMile\tmi\nMillimeter\tmm\n"},
        {{"units", "Temperature"}, 0, "Celsius\t\u00B0C\nFahrenheit\t\u00B0F\n"},
        {{"units", "Volume"}, 2, "", {"unknown category \"Volume\""}},
        {{"units", "ime"}, 2, "", {"unknown category \"ime\"; candidates:\n  Time"}},
    });
}

TEST_F(CliCommandsTest, ConvertsAsTheWindowShowsIt) {
    Expect({
        {{"convert", "5", "km", "mi"}, 0, "5 Kilometer = 3.106856 Mile\n"},
        {{"convert", "5", "KM", "mile", "--value-only"}, 0, "3.106856\n"},
        {{"convert", "5", "km", "mi"}, 0, "5 Kilometer = 3.11 Mile\n", {}, {{"Decimal", "2"}}},
        {{"convert", "2e3", "m", "km"}, 0, "2e3 Meter = 2.000000 Kilometer\n"},
        {{"convert", "5", "Mm", "mm"}, 0, "5 Megameter = 5.000000e+009 Millimeter\n"},
        {{"convert", "1e10", "\u00E5ngstr\u00D6m", "m", "--value-only"}, 0, "1.000000\n"},
        {{"convert", "100", "\u00B0C", "\u00B0f"}, 0, "100 Celsius = 212.000000 Fahrenheit\n"},
        {{"convert", "-40", "Celsius", "Fahrenheit", "--value-only"}, 0, "-40.000000\n"},
        {{"convert", "1e-13", "m", "km", "--value-only"}, 0, "<<\n"},
        {{"convert", "10", "EUR", "usd"},
         0,
         "10 EUR = 11.000000 USD\n",
         {"rates of 2026-12-08, European Central Bank; older rate for USD\n"}},
        {{"convert", "1", "m", "--category", "time"}, 0, "Broken\tError\nMinute\t1\nSecond\t60.000000\n"},
        {{"convert", "90", "angle", "sine", "--value-only"}, 0, "1.000000\n"},
        {{"convert", "90", "angle", "sine", "--value-only"}, 0, "0.893997\n", {}, {{"Degree", "2"}}},
        {{"convert", "90", "angle", "sine", "--value-only"}, 0, "1.000000\n", {}, {{"Deg", "2"}}},
        {{"convert", "1", "Fahrenheit"}, 0, "Celsius\t-17.222222\nFahrenheit\t1\n"},
        // A function category reads as the destination's expression at the argument's value.
        {{"convert", "90", "angle", "sine"}, 0, "sin(90) = 1.000000\n"},
    });
}

TEST_F(CliCommandsTest, ReportsUnitsItCannotPlace) {
    Expect({
        {{"convert", "1", "m"}, 2, "", {"ambiguous", "\n  Length: Meter (m)", "\n  Time: Minute (M)"}},
        {{"convert", "5", "furlong", "km"}, 2, "", {"unknown unit \"furlong\""}},
        {{"convert", "5", "kilo", "mi"}, 2, "", {"unknown unit \"kilo\"; candidates:\n  Length: Kilometer (km)"}},
        {{"convert", "5", "km", "parsec"}, 2, "", {"unknown unit \"parsec\""}},
        {{"convert", "5", "km", "s"}, 2, "", {"no category holds both \"km\" and \"s\""}},
        {{"convert", "5", "km", "mi", "--category", "Time"}, 2, "", {"unknown unit \"km\""}},
        {{"convert", "5", "km", "--category", "Volume"}, 2, "", {"unknown category \"Volume\""}},
        {{"convert", "", "km", "mi"}, 2, "", {"VALUE is empty"}},
        {{"convert", "5", "", "mi"}, 2, "", {"a unit is empty"}},
        {{"convert", "1", "s", "brk"}, 1, "", {"Error: cannot convert \"1\" from Second to Broken: "}},
        {{"convert", "abc", "m", "km"}, 1, "", {"Error: cannot convert \"abc\" from Meter to Kilometer: "}},
        {{"convert", "1/0", "m", "km"}, 1, "", {"from Meter to Kilometer: Divide by zero!"}},
        {{"convert", "102", "bin", "dec"}, 1, "", {"\"102\" from Binary to Decimal: "}},
        {{"convert", "1.2.3", "m", "km"}, 1, "", {"from Meter to Kilometer: 1.2.3 is not a number"}},
    });
}

TEST_F(CliCommandsTest, EvaluatesFormulas) {
    Expect({
        {{"eval", "2+3*4"}, 0, "14.000000\n"},
        // Numbers are read as the value field reads them, and zero prints unsigned.
        {{"eval", "1,234.5*2"}, 0, "2469.000000\n"},
        {{"eval", "x*2", "--x", "1,5"}, 0, "3.000000\n"},
        {{"eval", "1.2.3"}, 1, "", {"1.2.3 is not a number"}},
        {{"eval", "-0"}, 0, "0.000000\n"},
        {{"eval", "sin(x)", "--x", "90"}, 0, "1.000000\n"},
        {{"eval", "sin(x)", "--x", "90", "--angle", "rad"}, 0, "0.893997\n"},
        {{"eval", "sin(x)", "--x", "100", "--angle", "grad"}, 0, "1.000000\n"},
        {{"eval", "sin(90)"}, 0, "0.893997\n", {}, {{"Deg", "2"}}},
        {{"eval", "sin(90)", "--angle", "deg"}, 0, "1.000000\n", {}, {{"Deg", "2"}}},
        {{"eval", "1/0"}, 1, "", {" Divide by zero!"}},
        {{"eval", "2#3"}, 1, "", {"Error found on position 2!"}},
        {{"eval", "x", "--angle", "turns"}, 2, "", {"--angle takes deg, rad or grad"}},
    });
}

// The locale's separators and the profile's symbols are UTF-8 already and reach the output as they are.
TEST_F(CliCommandsTest, PrintsNonAsciiSeparatorsAndSymbolsOnce) {
    test::TestProfile profile;
    ASSERT_TRUE(WriteSetting(profile.Store(), Setting::kSmallSymbol, "\u00AB"));
    const NumberLocale narrowSpace{",", "\u202F", 3, true, NegativePattern::kLeadingMinus};
    const std::vector<std::vector<std::string>> commands = {{"convert", "5", "km", "mm", "--value-only"},
                                                            {"convert", "1e-13", "m", "km", "--value-only"}};
    const std::vector<std::string> expected = {"5\u202F000\u202F000,000000\n", "\u00AB\n"};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const CliOutcome outcome = RunCli(commands[i], {profile.Store(), data_.Path(), narrowSpace});
        EXPECT_EQ(outcome.out, expected[i]);
    }
}

TEST_F(CliCommandsTest, HelpAndDataFaults) {
    const std::string missing = (data_.Path() / "missing").string();
    test::TempFolder folderInPlace;
    WriteDataFiles(folderInPlace.Path());
    std::filesystem::remove(folderInPlace / data_file::kCurrencies);
    std::filesystem::create_directory(folderInPlace / data_file::kCurrencies);
    Expect({
        {{"--data", folderInPlace.Path().string(), "categories"}, 3, "", {"curr.dat: not a regular file"}},
        {{"--data", missing, "categories"}, 3, "", {"cat.dat"}},
        {{"--data", missing, "eval", "1+1"}, 0, "2.000000\n"},
        {{"frob"}, 2, "", {"unknown command \"frob\"", "--help"}},
    });
    test::TestProfile profile;
    const std::vector<std::string> help = {"--help"};
    const CliOutcome outcome = RunCli(help, {profile.Store(), data_.Path(), test::EnglishLocale()});
    EXPECT_EQ(outcome.exitCode, 0);
    for (const char* part : {"categories", "units CATEGORY", "convert VALUE FROM [TO]", "--value-only", "--category",
                             "eval FORMULA", "--angle deg|rad|grad", "--data DIR", "Exit codes"}) {
        EXPECT_NE(outcome.out.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace quantora
