#include "masters/data_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "catalogue/record_file.h"
#include "catalogue/records.h"
#include "support/temp_folder.h"
#include "update/list_entry.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

const std::string kMaster =
    "1=Length|101|105\n3=Time|101|104\n[1]\n100=101,105\n101=Metre {m}\n105=Foot {ft}\n[3]\n101=Second {s}\n"
    "[1c]\n101=  *1\n105=  *0.3048\n[3c]\n101=  *1\n[19c]\n101102=  *1.8+32\n102101=  -32/1.8\n";

class DeveloperImport : public ::testing::Test {
protected:
    DeveloperImport() {
        fs::create_directories(data_);
        std::ofstream(folder_ / "master.ini", std::ios::binary) << kMaster;
        std::ofstream(folder_ / "rates.csv", std::ios::binary) << "Euro;1.1;\nnew Israeli shekel;0.27;\n";
    }

    fs::path Master() const { return folder_ / "master.ini"; }

    test::TempFolder folder_;
    fs::path data_ = folder_ / "data";
};

TEST_F(DeveloperImport, ACancelledDialogWritesNothingAndSaysWhatTheWindowShows) {
    EXPECT_EQ(ImportCategoriesFile(std::nullopt, data_).messages, Messages{"No File Selected"});
    EXPECT_EQ(ImportUnitsFile(std::nullopt, data_).messages, Messages{"done"});
    EXPECT_EQ(ImportTemperaturesFile(std::nullopt, data_).messages, Messages{"done"});
    EXPECT_EQ(ImportCurrenciesFile(std::nullopt, data_).messages, Messages{"done"});
    EXPECT_TRUE(fs::is_empty(data_));
}

TEST_F(DeveloperImport, EachImportWritesItsFileAnewFromTheMaster) {
    test::WriteBytes(data_ / "cat.dat", std::vector<std::uint8_t>(5 * CategoryRecord::kSize, 0xEE));

    const ImportOutcome categories = ImportCategoriesFile(Master(), data_);
    EXPECT_EQ(categories.messages, Messages{});
    EXPECT_EQ(categories.listLines, (Messages{"Length", "Time"}));
    const auto cat = ReadRecordFile<CategoryRecord>(data_ / "cat.dat");
    ASSERT_EQ(cat.records.size(), 2u);
    EXPECT_EQ(cat.records[1].categoryId, 3);
    EXPECT_EQ(cat.records[1].defaultTargetUnitId, 104);

    const ImportOutcome units = ImportUnitsFile(Master(), data_);
    EXPECT_EQ(units.messages, Messages{"done"});
    EXPECT_EQ(units.listLines, (Messages{"1 Metre", "1 Foot", "3 Second"}));
    const auto item = ReadRecordFile<UnitRecord>(data_ / "item.dat");
    ASSERT_EQ(item.records.size(), 3u);
    EXPECT_EQ(item.records[1].name.Text(), "Foot");
    EXPECT_EQ(item.records[1].abbreviation.Text(), "ft");
    EXPECT_EQ(item.records[1].conversionText.Text(), "*0.3048");
    EXPECT_TRUE(item.records[1].IsCommon());

    EXPECT_EQ(ImportTemperaturesFile(Master(), data_).messages, Messages{"done"});
    const auto temp = ReadRecordFile<TemperatureRecord>(data_ / "temp.dat");
    ASSERT_EQ(temp.records.size(), 2u);
    EXPECT_EQ(temp.records[1].formula.Text(), "-32/1.8");

    EXPECT_EQ(ImportCurrenciesFile(folder_ / "rates.csv", data_).messages, Messages{"done"});
    const auto curr = ReadRecordFile<CurrencyRecord>(data_ / "curr.dat");
    ASSERT_EQ(curr.records.size(), 2u);
    EXPECT_EQ(curr.records[1].name.Text(), "Israeli New Shekel");
    EXPECT_DOUBLE_EQ(curr.records[1].rate, 0.27);
}

// The records hold Windows-1252 bytes; the window shows the list lines as they read in the master.
TEST_F(DeveloperImport, ListLinesAreTheWindowsTextsOfTheNames) {
    std::ofstream(folder_ / "accents.ini", std::ios::binary)
        << "4=Temp\xC3\xA9rature|101|101\n[1]\n[4]\n101=\xC3\x85ngstr\xC3\xB6m {\xC3\x85}\n";
    struct Case {
        const char* label;
        ImportOutcome outcome;
        Messages expected;
    };
    const std::vector<Case> cases = {
        {"categories", ImportCategoriesFile(folder_ / "accents.ini", data_), {"Temp\xC3\xA9rature"}},
        {"units", ImportUnitsFile(folder_ / "accents.ini", data_), {"4 \xC3\x85ngstr\xC3\xB6m"}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.outcome.listLines, c.expected) << c.label;
    EXPECT_EQ(ReadRecordFile<UnitRecord>(data_ / "item.dat").records.at(0).name.Text(), "\xC5ngstr\xF6m");
}

TEST_F(DeveloperImport, AFaultIsReportedAndTheOldFileStays) {
    const std::vector<std::uint8_t> old(UnitRecord::kSize, 0x11);
    test::WriteBytes(data_ / "item.dat", old);
    std::ofstream(folder_ / "long.ini", std::ios::binary)
        << "1=Length|101|101\n[1]\n101=" << std::string(80, 'n') << "\n";

    const Messages tooLong = ImportUnitsFile(folder_ / "long.ini", data_).messages;
    ASSERT_EQ(tooLong.size(), 2u);
    EXPECT_TRUE(tooLong[0].starts_with((folder_ / "long.ini").string() + ":3: unit name: text of 80")) << tooLong[0];
    EXPECT_EQ(tooLong[1], "done");
    EXPECT_EQ(test::ReadBytes(data_ / "item.dat"), old);

    const Messages missing = ImportCategoriesFile(folder_ / "none.ini", data_).messages;
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_NE(missing[0].find("none.ini"), std::string::npos) << missing[0];
    EXPECT_FALSE(fs::exists(data_ / "cat.dat"));

    const Messages unwritable = ImportTemperaturesFile(Master(), folder_ / "no such folder").messages;
    ASSERT_EQ(unwritable.size(), 2u);
    EXPECT_NE(unwritable[0].find("temp.dat"), std::string::npos) << unwritable[0];
}

// A file that is no master text, or units the category list does not hold, would leave tables the
// program shows empty or never shows; the import refuses, names the file and keeps the old data.
TEST_F(DeveloperImport, RefusesAMasterThatYieldsNothingOrUnitsWithoutTheirCategory) {
    std::ofstream(folder_ / "hello.ini", std::ios::binary) << "hello\n";
    std::ofstream(folder_ / "orphan.ini", std::ios::binary) << "1=Length|101|101\n[1]\n101=Metre {m}\n[7]\n102=Lost\n";
    const std::string hello = (folder_ / "hello.ini").string();
    struct Case {
        const char* file;
        ImportOutcome (*import)(const std::optional<fs::path>&, const fs::path&);
        const char* dataFile;
        std::string fault;
    };
    const std::vector<Case> cases = {
        {"hello.ini", ImportCategoriesFile, "cat.dat", hello + ": holds no categories; cat.dat was not written"},
        {"hello.ini", ImportUnitsFile, "item.dat", hello + ": holds no units; item.dat was not written"},
        {"hello.ini", ImportTemperaturesFile, "temp.dat",
         hello + ": holds no temperature formulas; temp.dat was not written"},
        {"orphan.ini", ImportUnitsFile, "item.dat",
         (folder_ / "orphan.ini").string() + ":5: unit 102 of category 7, which the category list does not hold"},
    };
    const std::vector<std::uint8_t> old(3 * UnitRecord::kSize, 0x22);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.dataFile);
        test::WriteBytes(data_ / c.dataFile, old);
        const Messages messages = c.import(folder_ / c.file, data_).messages;
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0], c.fault);
        EXPECT_EQ(test::ReadBytes(data_ / c.dataFile), old);
    }
}

TEST_F(DeveloperImport, VersionStampsAreWrittenInTheirFixedOrder) {
    struct Case {
        StampSet set;
        std::vector<std::string> versions;
    };
    const std::vector<Case> cases = {
        {StampSet::kFirst, {"509021", "509020", "509020", "509020", "509020", "509020"}},
        {StampSet::kSecond, {"51218", "51218", "51218", "51218", "51218", "51218"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteVersionStampsFile(c.set, data_).messages, Messages{});
        const std::vector<std::uint8_t> bytes = test::ReadBytes(data_ / "list.dat");
        ASSERT_EQ(bytes.size(), 6 * ListEntry::kSize);
        const auto list = ReadRecordFile<ListEntry>(data_ / "list.dat");
        std::vector<std::string> names;
        std::vector<std::string> versions;
        for (const ListEntry& entry : list.records) {
            names.push_back(entry.name.Text());
            versions.push_back(entry.version.Text());
        }
        EXPECT_EQ(names, (Messages{"cat", "item", "temp", "curr", "consts", "element"}));
        EXPECT_EQ(versions, c.versions);
        // The second entry: its name at byte 28, its version 20 bytes further, each zero-terminated.
        EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[28]), "item");
        EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[48]), c.versions[1].c_str());
    }
}

}  // namespace
}  // namespace quantora
