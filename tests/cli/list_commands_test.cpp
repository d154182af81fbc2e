#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/record_file.h"
#include "cli/cli_commands.h"
#include "convert/test_locales.h"
#include "lists/list_records.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

using test::MakeConstant;
using test::MakeElement;

// Every element has the same properties but its description.
ElementRecord Element(std::int32_t number, const std::string& name, const std::string& symbol) {
    return MakeElement({.atomicNumber = number,
                        .name = name,
                        .symbol = symbol,
                        .density = "7.31",
                        .oxidationStates = "+2,+4",
                        .description = "Descr. of " + name});
}

struct ListCase {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string errPart = "";
};

class ListCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(
            WriteRecordFile(data_ / "consts.dat",
                            std::vector{MakeConstant("speed of light in vacuum", "299 792 458", "(exact)"),
                                        MakeConstant("\xC5ngstr\xF6m star", "1.000 014 95 e-10", "0.000 000 90 e-10"),
                                        MakeConstant("Light year", "9.46 e15", "")}),
            std::nullopt);
        ASSERT_EQ(WriteRecordFile(data_ / "element.dat",
                                  std::vector{Element(50, "Tin", "Sn"), Element(85, "Astatine", "At"),
                                              Element(78, "Platinum", "Pt"), Element(26, "Iron", "Fe")}),
                  std::nullopt);
    }

    void Expect(const std::vector<ListCase>& cases) {
        for (const ListCase& c : cases) {
            std::string label;
            for (const std::string& arg : c.args) label += arg + " ";
            SCOPED_TRACE(label);
            test::TestProfile profile;
            const CliOutcome outcome = RunCli(c.args, {profile.Store(), data_.Path(), test::EnglishLocale()});
            EXPECT_EQ(outcome.exitCode, c.exitCode);
            EXPECT_EQ(outcome.out, c.out);
            if (c.errPart.empty()) {
                EXPECT_EQ(outcome.err, "");
            }
            EXPECT_NE(outcome.err.find(c.errPart), std::string::npos) << outcome.err;
        }
    }

    test::TempFolder data_;
};

TEST_F(ListCommandsTest, FilterAsTheWindowsDo) {
    Expect({
        {{"constants"},
         0,
         "\xC3\x85ngstr\xC3\xB6m star\t1.000 014 95 e-10\t0.000 000 90 e-10\n"
         "Light year\t9.46 e15\t\nspeed of light in vacuum\t299 792 458\t(exact)\n"},
        {{"constants", "LIGHT"}, 0, "Light year\t9.46 e15\t\nspeed of light in vacuum\t299 792 458\t(exact)\n"},
        {{"constants", "light>"}, 0, ""},
        {{"constants", "\xC3\xA5ngstr"}, 0, "\xC3\x85ngstr\xC3\xB6m star\t1.000 014 95 e-10\t0.000 000 90 e-10\n"},
        {{"elements", "tin"}, 0, "Astatine\tAt\nPlatinum\tPt\nTin\tSn\n"},
        {{"elements", "sn"}, 0, ""},
        {{"elements", "tin>"}, 0, "Tin\tSn\n"},
    });
}

TEST_F(ListCommandsTest, DetailsNeedOneElement) {
    // The labels of the window, their "\xC2\xB3" and "\xC2\xB0" in UTF-8; fields left empty print empty.
    const auto details = [](const std::string& name, const std::string& symbol, const std::string& number) {
        return "Element: " + name + "\nAbbr.: " + symbol + "\nAtomic Number: " + number +
               "\nAtomic Weight: \nDensity (in g/cm\xC2\xB3 at 20 \xC2\xB0"
               "C) : 7.31\n"
               "Melting Point  in  \xC2\xB0"
               "C : \nBoiling Point  in  \xC2\xB0"
               "C : \n"
               "Oxidation State : +2,+4\nDescription : Descr. of " +
               name + "\n";
    };
    Expect({
        {{"elements", "--details", "TIN"}, 0, details("Tin", "Sn", "50")},
        {{"elements", "--details", "sta"}, 0, details("Astatine", "At", "85")},
        {{"elements", "--details", "i"}, 2, "", "names 4 elements"},
        {{"elements", "--details", "gold"}, 2, "", "names 0 elements"},
        {{"constants", "--details"}, 2, "", "--details does not apply to constants"},
        {{"elements", "a", "b"}, 2, "", "wrong number of operands"},
    });
}

TEST_F(ListCommandsTest, FilesThatCannotBeReadAreNamed) {
    std::filesystem::remove(data_ / "consts.dat");
    test::WriteBytes(data_ / "element.dat", std::vector<std::uint8_t>(ElementRecord::kSize + 3, 0));
    Expect({
        {{"constants"}, 3, "", "consts.dat"},
        {{"elements"}, 0, "\t\n", "element.dat: ignored 3 bytes"},
    });
}

}  // namespace
}  // namespace quantora
