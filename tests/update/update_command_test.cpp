#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update_data.h"

namespace quantora {
namespace {

struct CommandCase {
    std::string name;
    std::string serverVersion;  // of "cat" in the server's list; empty answers the list with 500
    bool namesServer;
    int exitCode;
    std::string stderrHas;
};

class UpdateCommand : public testing::TestWithParam<CommandCase> {};

// The real program, with a profile of its own, so that nothing of the user's is read.
TEST_P(UpdateCommand, ExitCodeTellsTheOutcome) {
    test::UpdateServer server;
    ASSERT_TRUE(server.Running());
    test::TempFolder folder;
    std::filesystem::create_directories(folder / "data");
    test::WriteBytes(folder / "data" / "list.dat", test::MakeList({{"cat", "1"}}));
    test::WriteBytes(folder / "data" / "cat.dat", test::Encode(std::vector{test::MakeCategory(1, "Length")}));
    if (GetParam().serverVersion.empty()) {
        server.Answer("list", "status500");
    } else {
        server.Serve("list", test::MakeList({{"cat", GetParam().serverVersion}}));
    }
    server.Serve("cat", test::Encode(std::vector{test::MakeCategory(2, "Mass")}));
    const std::string command = "XDG_CONFIG_HOME='" + folder.Path().string() + "' '" QUANTORA_CLI "' --data '" +
                                (folder / "data").string() + "' update" +
                                (GetParam().namesServer ? " --server " + server.Url() : "") + " 2>'" +
                                (folder / "err").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), GetParam().exitCode);
    std::stringstream err;
    err << std::ifstream(folder / "err").rdbuf();
    EXPECT_NE(err.str().find(GetParam().stderrHas), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("[100%]"), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(Outcomes, UpdateCommand,
                         testing::Values(CommandCase{"Updated", "2", true, 0, "All files updates have completed"},
                                         CommandCase{"UpToDate", "1", true, 4,
                                                     "All data files are currently up to date"},
                                         CommandCase{"ListFails", "", true, 5, "The server answered HTTP status 500"},
                                         CommandCase{"NoServer", "2", false, 5, "No update server is set"}),
                         [](const testing::TestParamInfo<CommandCase>& test) { return test.param.name; });

// The profile names the server and the one certificate it is trusted by; without that entry the
// same server is refused.
TEST(UpdateCommandHttps, TrustsATestServerOnlyThroughTheProfile) {
    test::UpdateServer server(test::UpdateServer::Scheme::kHttps);
    ASSERT_TRUE(server.Running());
    server.Serve("list", test::MakeList({{"cat", "2"}}));
    server.Serve("cat", test::Encode(std::vector{test::MakeCategory(2, "Mass")}));
    for (const bool trusted : {false, true}) {
        SCOPED_TRACE(trusted ? "trusted" : "untrusted");
        test::TempFolder folder;
        std::filesystem::create_directories(folder / "data");
        std::filesystem::create_directories(folder / "Quantora");
        test::WriteBytes(folder / "data" / "list.dat", test::MakeList({{"cat", "1"}}));
        test::WriteBytes(folder / "data" / "cat.dat", test::Encode(std::vector{test::MakeCategory(1, "Length")}));
        std::ofstream(folder / "Quantora" / "quantora.conf")
            << "[Settings]\nUpdate%20Server=" << server.Url() << "\n"
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
