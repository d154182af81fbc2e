#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/data_paths.h"
#include "catalogue/records.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/data_update.h"
#include "update_data.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRates = R"(<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
  <gesmes:subject>Reference rates</gesmes:subject>
  <gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>
  <Cube>
    <Cube time='2026-12-08'>
      <Cube currency='USD' rate='1.2000'/>
      <Cube currency='JPY' rate='160.00'/>
    </Cube>
  </Cube>
</gesmes:Envelope>
)";

int Publish(const test::TempFolder& folder, std::string_view rates) {
    std::ofstream(folder / "rates.xml") << rates;
    const std::string command = std::string("'") + QUANTORA_PUBLISH + "' '" + QUANTORA_MASTER_TEXTS + "' '" +
                                (folder / "out").string() + "' --rates '" + (folder / "rates.xml").string() +
                                "' >/dev/null 2>&1";
    return std::system(command.c_str());
}

std::string ReadText(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

double RateOf(const std::vector<CurrencyRecord>& currencies, std::string_view name) {
    for (const CurrencyRecord& currency : currencies) {
        if (currency.name.Text() == name) return currency.rate;
    }
    return 0;
}

// What a maintainer publishes, served as it is, brings an installed copy up to date.
TEST(Publish, TodaysRatesReachAnInstalledCopyThroughTheServer) {
    test::TempFolder folder;
    ASSERT_EQ(Publish(folder, kRates), 0);
    EXPECT_EQ(test::ReadBytes(folder / "out" / "list.dat"), test::MakeList({{"cat", "261208"},
                                                                            {"item", "261208"},
                                                                            {"temp", "261208"},
                                                                            {"curr", "261208"},
                                                                            {"consts", "261208"},
                                                                            {"element", "261208"}}));
    const auto currencies = test::Decode<CurrencyRecord>(test::ReadBytes(folder / "out" / "curr.dat"));
    EXPECT_DOUBLE_EQ(RateOf(currencies, "Euro"), 1.2);
    EXPECT_DOUBLE_EQ(RateOf(currencies, "Japanese Yen"), 1.2 / 160);
    EXPECT_DOUBLE_EQ(RateOf(currencies, "US Dollar"), 1);

    test::UpdateServer server;
    ASSERT_TRUE(server.Running());
    for (const char* stem : {"list", "cat", "item", "temp", "curr", "consts", "element"}) {
        server.Serve(stem, test::ReadBytes(folder / "out" / (std::string(stem) + ".dat")));
    }
    const fs::path installed = folder / "installed";
    fs::create_directories(installed);
    for (const auto& entry : fs::directory_iterator(InstalledDataFolder(ExecutableFolder()))) {
        fs::copy_file(entry.path(), installed / entry.path().filename());
    }
    auto categories = test::Decode<CategoryRecord>(test::ReadBytes(installed / "cat.dat"));
    categories[3].visible = 0;
    test::WriteBytes(installed / "cat.dat", test::Encode(categories));

    test::ScriptedPrompts prompts;
    test::RecordingView view;
    const UpdateRunResult result = DataUpdate(installed, server.Url(), prompts).Run(view);
    EXPECT_EQ(result.outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(result.filesFetched, 6);
    EXPECT_EQ(test::ReadBytes(installed / "curr.dat"), test::ReadBytes(folder / "out" / "curr.dat"));
    EXPECT_EQ(test::Decode<CategoryRecord>(test::ReadBytes(installed / "cat.dat"))[3].visible, 0);
    EXPECT_EQ(DataUpdate(installed, server.Url(), prompts).Run(view).outcome, UpdateOutcome::kUpToDate);

    // The command line gives that day's rate and says which day it is.
    const std::string convert = "XDG_CONFIG_HOME='" + folder.Path().string() + "' '" QUANTORA_CLI "' --data '" +
                                installed.string() + "' convert 1 EUR USD --value-only >'" + (folder / "out").string() +
                                ".txt' 2>'" + (folder / "err.txt").string() + "'";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    EXPECT_EQ(ReadText(folder.Path() / "out.txt"), "1.200000\n");
    EXPECT_EQ(ReadText(folder / "err.txt"), "rates of 2026-12-08, European Central Bank\n");
}

TEST(Publish, RatesWithoutTheDollarWriteNothing) {
    test::TempFolder folder;
    EXPECT_NE(Publish(folder, "<Cube time='2026-12-08'><Cube currency='JPY' rate='160.00'/></Cube>"), 0);
    EXPECT_FALSE(fs::exists(folder / "out"));
}

}  // namespace
}  // namespace quantora
