#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "shipped_data.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/folder_lock.h"
#include "update_data.h"

namespace quantora {
namespace {

struct CommandCase {
    std::string name;
    std::string serverVersion;  // of "cat" in the server's list; empty answers the list with 500
    bool namesServer;
    bool servesRates;     // --rates-url names a day's rates on the server; otherwise it is empty
    std::string catBody;  // "login": a login page instead of the file
    bool anotherRun;      // another update holds the data folder meanwhile
    int exitCode;
    std::string stderrHas;
};

class UpdateCommand : public testing::TestWithParam<CommandCase> {};

// The real program, with a profile of its own, so that nothing of the user's is read.
TEST_P(UpdateCommand, ExitCodeTellsTheOutcome) {
    const CommandCase& c = GetParam();
    test::UpdateServer server;
    ASSERT_TRUE(server.Running());
    test::TempFolder folder;
    const std::filesystem::path data = folder / "data";
    std::filesystem::create_directories(data);
    auto shipped = test::ShippedData();
    for (const auto& [stem, bytes] : shipped) test::WriteBytes(data / (stem + ".dat"), bytes);
    test::WriteBytes(data / "list.dat", test::MakeList({{"cat", "1"}}));
    if (c.serverVersion.empty()) {
        server.Answer("list", "status500");
    } else {
        server.Serve("list", test::MakeList({{"cat", c.serverVersion}}));
    }
    server.Serve("cat", c.catBody == "login" ? test::Bytes(shipped["cat"].size(), '<') : shipped["cat"]);
    const std::string rates =
        c.servesRates ? server.ServeRates("daily", test::ReferenceRatesXml("2026-12-08", test::kThirtyRates)) : "";
    std::optional<FolderLock> other;
    if (c.anotherRun) other.emplace(data);
    const std::string command = "XDG_CONFIG_HOME='" + folder.Path().string() + "' '" QUANTORA_CLI "' --data '" +
                                data.string() + "' update" + (c.namesServer ? " --server " + server.Url() : "") +
                                " --rates-url '" + rates + "' 2>'" + (folder / "err").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
    std::stringstream err;
    err << std::ifstream(folder / "err").rdbuf();
    EXPECT_NE(err.str().find(c.stderrHas), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("[100%]"), std::string::npos) << err.str();
    if (c.exitCode == 5) {
        EXPECT_EQ(test::ReadBytes(data / "cat.dat"), shipped["cat"]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UpdateCommand,
    testing::Values(CommandCase{"Updated", "2", true, false, "", false, 0, "All files updates have completed"},
                    CommandCase{"UpToDate", "1", true, false, "", false, 4, "All data files are currently up to date"},
                    CommandCase{"ListFails", "", true, false, "", false, 5,
                                "Update Failed , Pls. try again\nlist.dat: The server answered HTTP status 500"},
                    CommandCase{"NoServer", "2", false, false, "", false, 5, "No update server is set"},
                    CommandCase{"NotADataFile", "2", true, false, "login", false, 5, "The server's cat.dat is refused"},
                    CommandCase{"AnotherRunHoldsTheFolder", "2", true, false, "", true, 5, "Another update"},
                    CommandCase{"RatesAlone", "2", false, true, "", false, 0,
                                "rates of 2026-12-08, European Central Bank"}),
    [](const testing::TestParamInfo<CommandCase>& test) { return test.param.name; });

// The profile names the server and the one certificate it is trusted by; without that entry the
// same server is refused.
TEST(UpdateCommandHttps, TrustsATestServerOnlyThroughTheProfile) {
    test::UpdateServer server(test::UpdateServer::Scheme::kHttps);
    ASSERT_TRUE(server.Running());
    auto shipped = test::ShippedData();
    server.Serve("list", test::MakeList({{"cat", "2"}}));
    server.Serve("cat", shipped["cat"]);
    for (const bool trusted : {false, true}) {
        SCOPED_TRACE(trusted ? "trusted" : "untrusted");
        test::TempFolder folder;
        std::filesystem::create_directories(folder / "data");
        std::filesystem::create_directories(folder / "Quantora");
        for (const auto& [stem, bytes] : shipped) test::WriteBytes(folder / "data" / (stem + ".dat"), bytes);
        test::WriteBytes(folder / "data" / "list.dat", test::MakeList({{"cat", "1"}}));
        std::ofstream(folder / "Quantora" / "quantora.conf")
            << "[Settings]\nUpdate%20Server=" << server.Url() << "\nRates%20Source=\n"
            << (trusted ? "Update%20Certificate=" + server.Certificate().string() + "\n" : "");
        const std::string command = "XDG_CONFIG_HOME='" + folder.Path().string() + "' '" QUANTORA_CLI "' --data '" +
                                    (folder / "data").string() + "' update 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), trusted ? 0 : 5);
    }
}

}  // namespace
}  // namespace quantora
