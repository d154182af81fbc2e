#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "convert/trim_blanks.h"
#include "masters/master_text.h"
#include "support/run_command.h"
#include "support/temp_folder.h"
#include "update/list_entry.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;

const std::string kMaster =
    "; note without an equals sign\n"
    "1=Length|101|102\n2=Mass|101|101\n3=Time|101|101\n4=Area|101|101\n"
    "5=A|101|101\n6=B|101|101\n7=C|101|101\n8=D|101|101\n9=E|101|101\n10=F|101|101\n11=G|101|101\n12=H|101|101\n"
    "13=I|101|101\n14=J|101|101\n15=K|101|101\n16=L|101|101\n17=Number systems|101|102\n18=M|101|101\n"
    "19=Temperature|101|102\n20=N|101|101\n21=O|101|101\n22=P|101|101\n23=Fuel|101|102\n24=Q|101|101\n"
    "25=Ratio|101|102\n26=R|101|101\n27=S|101|101\n28=Currency|101|102\n"
    "[1]\n100=101\n101=Metre {m}\n102=Foot {ft}\n"
    "[17]\n101=Decimal\n102=Binary\n103=Octal\n104=Hexadecimal\n105=Roman\n"
    "[19]\n101=Celsius {\xC2\xB0"
    "C}\n102=Fahrenheit {\xC2\xB0"
    "F}\n"
    "[23]\n101=Litre per 100 km\n102=Km per litre\n"
    "[25]\n101=Ratio {x}\n102=Decibel {10*log(x)}\n"
    "[28]\n101=Euro {EUR}\n102=US Dollar {USD}\n"
    "[1c]\n101=  *1\n102=  *0.3048\n[23c]\n101=  *1\n102=  *1R\n[25c]\n101=  x&x\n102=  10*log(x)&10^(x/10)\n"
    "[28c]\n101=  *1\n102=  *1\n"
    "[19c]\n101101=  *1\n101102=  *1.8+32\n102101=  -32/1.8\n102102=  *1\n";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunDatagen(const std::string& arguments, const fs::path& messages) {
    const std::string command = "\"" QUANTORA_DATAGEN "\" " + arguments + " 2> \"" + messages.string() + "\"";
    return test::RunCommand(command);
}

std::string LineNumber(const std::string& text, const std::string& part) {
    const auto at = static_cast<std::ptrdiff_t>(text.find(part));
    return std::to_string(1 + std::count(text.begin(), text.begin() + at, '\n'));
}

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

class Datagen : public ::testing::Test {
protected:
    Datagen() {
        std::ofstream(folder_ / "units.ini", std::ios::binary) << kMaster;
        std::ofstream(folder_ / "rates.csv", std::ios::binary) << "Euro;1.1;\nUS Dollar;1.0;\n";
    }

    int Run(const std::string& arguments) { return RunDatagen(arguments, folder_ / "err.txt"); }
    std::string Messages() const { return ReadText(folder_ / "err.txt"); }

    test::TempFolder folder_;
    fs::path data_ = folder_ / "data";
};

TEST_F(Datagen, BuildsFilesTheCatalogueLoads) {
    ASSERT_EQ(Run("units " + Quoted(folder_ / "units.ini") + " " + Quoted(data_)), 0) << Messages();
    ASSERT_EQ(
        Run("currencies " + Quoted(folder_ / "rates.csv") + " " + Quoted(folder_ / "units.ini") + " " + Quoted(data_)),
        0)
        << Messages();
    ASSERT_EQ(Run("stamps first " + Quoted(data_)), 0) << Messages();

    Catalogue catalogue;
    const LoadReport report = catalogue.Load(data_, false);
    ASSERT_TRUE(report.complete) << report.error;
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_EQ(catalogue.CategoryCount(), 28u);
    EXPECT_EQ(catalogue.UnitCount(17), 5u);
    const UnitRecord* celsius = catalogue.FindUnit(19, 101);
    ASSERT_NE(celsius, nullptr);
    EXPECT_EQ(celsius->abbreviation.Text(),
              "\xB0"
              "C");
    const UnitRecord* kmPerLitre = catalogue.FindUnit(23, 102);
    ASSERT_NE(kmPerLitre, nullptr);
    EXPECT_TRUE(kmPerLitre->IsReciprocal());
    EXPECT_EQ(catalogue.Temperatures().size(), 4u);
    EXPECT_EQ(catalogue.Currencies().size(), 2u);
    const auto list = ReadRecordFile<ListEntry>(data_ / "list.dat");
    ASSERT_EQ(list.records.size(), 6u);
    EXPECT_EQ(list.records[0].version.Text(), "509021");
}

TEST_F(Datagen, AFaultNamesFileAndLineAndNothingIsWritten) {
    struct Case {
        std::string from;
        std::string to;
        std::string faultLine;  // a text of the line the fault must name
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"102=Foot {ft}", "102=" + std::string(80, 'f'), "102=fff", "unit name: text of 80 characters"},
        {"102101=  -32/1.8\n", "", "102=Fahrenheit", "no temperature formula from unit 102 to unit 101"},
        {"102=US Dollar {USD}", "102=Yen", "102=Yen", "currency \"Yen\" has no exchange rate"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        std::string master = kMaster;
        master.replace(master.find(c.from), c.from.size(), c.to);
        // Files of their own each time: under wine the last run may not yet have let go of the previous ones.
        const std::string name = "bad" + std::to_string(i) + ".ini";
        std::ofstream(folder_ / name, std::ios::binary) << master;
        const std::string ini = Quoted(folder_ / name);
        const bool currency = c.reason.find("exchange rate") != std::string::npos;
        const std::string arguments =
            currency ? "currencies " + Quoted(folder_ / "rates.csv") + " " + ini : "units " + ini;
        const fs::path messages = folder_ / ("bad" + std::to_string(i) + ".txt");
        EXPECT_NE(RunDatagen(arguments + " " + Quoted(data_), messages), 0) << c.reason;
        const std::string fault = name + ":" + LineNumber(master, c.faultLine) + ": " + c.reason;
        EXPECT_NE(ReadText(messages).find(fault), std::string::npos) << fault << "\n got: " << ReadText(messages);
        EXPECT_FALSE(fs::exists(data_)) << c.reason;
    }
}

TEST_F(Datagen, RefusesUnknownCommands) {
    for (const std::string& arguments :
         std::vector<std::string>{"", "units", "stamps third " + Quoted(data_), "lists a b"}) {
        EXPECT_NE(Run(arguments), 0) << arguments;
        EXPECT_NE(Messages().find("usage: quantora_datagen"), std::string::npos) << arguments;
    }
    EXPECT_FALSE(fs::exists(data_));
}

// The files the build put beside the program, from whatever master texts the tree holds.
TEST(ShippedUnitData, LoadsWholeAndKeepsTheFixedCategories) {
    const fs::path data = QUANTORA_DATA_DIR;
    Catalogue catalogue;
    const LoadReport report = catalogue.Load(data, false);
    ASSERT_TRUE(report.complete) << report.error;
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_EQ(catalogue.UnitCount(17), 5u);
    const std::size_t temperatureUnits = catalogue.UnitCount(19);
    EXPECT_GE(temperatureUnits, 2u);
    EXPECT_EQ(catalogue.Temperatures().size(), temperatureUnits * temperatureUnits);
    std::set<std::string> rates;
    for (const CurrencyRecord& rate : catalogue.Currencies()) rates.insert(std::string(TrimBlanks(rate.name.Text())));
    ASSERT_GT(catalogue.UnitCount(28), 0u);
    for (const UnitRecord& unit : catalogue.Units(28))
        EXPECT_TRUE(rates.contains(std::string(TrimBlanks(unit.name.Text()))));
    const auto list = ReadRecordFile<ListEntry>(data / "list.dat");
    ASSERT_EQ(list.records.size(), 6u);
    for (const ListEntry& entry : list.records) EXPECT_EQ(entry.version.Text(), "51218") << entry.name.Text();
}

}  // namespace
}  // namespace quantora
