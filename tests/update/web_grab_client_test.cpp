#include "update/web_grab_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/session_status.h"
#include "update_test_support.h"

namespace quantora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::UpdateServer;

// Short enough that a stalled server ends a test in a few seconds.
FetchLimits QuickLimits(std::string caFile = "") {
    FetchLimits limits;
    limits.connectTimeout = std::chrono::seconds(3);
    limits.lowSpeedWindow = std::chrono::seconds(2);
    limits.extraCaFile = std::move(caFile);
    return limits;
}

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

std::string FileUrl(const UpdateServer& server, const std::string& stem) {
    return server.Url() + "/update.aspx?file=" + stem + ".zip";
}

struct FetchCase {
    std::string name;
    std::string answer;  // how the server answers "cat.zip"; empty serves the file
    bool whole;
    std::string statusStart;  // the status line after the fetch starts with this
};

class FetchAnswers : public testing::TestWithParam<FetchCase> {};

TEST_P(FetchAnswers, TellWholeFilesFromFailures) {
    UpdateServer server;
    ASSERT_TRUE(server.Running());
    const Bytes file = Pattern(10000);
    server.Serve("cat", file);
    if (!GetParam().answer.empty()) server.Answer("cat", GetParam().answer);
    WebGrabClient client(QuickLimits());
    test::RecordingView view;
    Bytes body{1, 2, 3};
    EXPECT_EQ(client.FetchUrl(FileUrl(server, "cat"), body, "WebGrab demo", &view), GetParam().whole);
    EXPECT_TRUE(view.Last().starts_with(GetParam().statusStart)) << view.Last();
    if (!GetParam().whole) {
        EXPECT_TRUE(body.empty());
    } else if (GetParam().answer.empty()) {
        EXPECT_EQ(body, file);
    } else {
        EXPECT_TRUE(ContainsNotFoundText(body));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Server, FetchAnswers,
    testing::Values(FetchCase{"File", "", true, ""}, FetchCase{"NotFoundTextWithStatus200", "notfound", true, ""},
                    FetchCase{"ServerError", "status500", false, "The server answered HTTP status 500"},
                    FetchCase{"TruncatedBody", "truncate", false, "transfer closed with"},
                    FetchCase{"StalledServer", "stall", false, "Operation too slow"}),
    [](const testing::TestParamInfo<FetchCase>& test) { return test.param.name; });

TEST(WebGrabClient, NotFoundPageComesBackAsTheBody) {
    UpdateServer server;
    ASSERT_TRUE(server.Running());
    WebGrabClient client(QuickLimits());
    Bytes body;
    EXPECT_TRUE(client.FetchUrl(FileUrl(server, "nothing"), body, "WebGrab demo", nullptr));
    EXPECT_TRUE(ContainsNotFoundText(body));
}

TEST(WebGrabClient, ShowsTheSessionEventsAndTheBytesRead) {
    UpdateServer server;
    ASSERT_TRUE(server.Running());
    server.Serve("item", Pattern(20000));
    WebGrabClient client(QuickLimits());
    test::RecordingView view;
    Bytes body;
    ASSERT_TRUE(client.FetchUrl(FileUrl(server, "item"), body, "WebGrab demo", &view));
    client.Close();
    const std::vector<std::string> expectedInOrder{"Resolving name for 127.0.0.1",
                                                   "Resolved name for 127.0.0.1",
                                                   "Connecting to socket address ",
                                                   "Connected to socket address",
                                                   "Sending request...",
                                                   "Request sent",
                                                   "Response received",
                                                   "Read 20000 bytes",
                                                   "",
                                                   "Closing the connection to the server",
                                                   "Connection to the server closed"};
    auto at = view.texts.begin();
    for (const std::string& expected : expectedInOrder) {
        at = std::find(at, view.texts.end(), expected);
        ASSERT_NE(at, view.texts.end()) << "missing or out of order: \"" << expected << "\"";
    }
    for (const std::string& text : view.texts) {
        if (text.starts_with("Read ")) {
            EXPECT_LE(text.size(), std::string("Read 20000 bytes").size()) << text;
        }
    }
}

TEST(WebGrabClient, ConnectionRefusedFails) {
    WebGrabClient client(QuickLimits());
    test::RecordingView view;
    Bytes body;
    EXPECT_FALSE(client.FetchUrl("http://127.0.0.1:1/update.aspx?file=list.zip", body, "WebGrab demo", &view));
    EXPECT_NE(view.Last().find("127.0.0.1"), std::string::npos) << view.Last();
}

// A label longer than 63 characters is refused by the resolver itself, so no name server is asked.
TEST(WebGrabClient, UnknownHostFails) {
    WebGrabClient client(QuickLimits());
    test::RecordingView view;
    Bytes body;
    const std::string host = std::string(70, 'q') + ".invalid";
    EXPECT_FALSE(client.FetchUrl("http://" + host + "/update.aspx?file=list.zip", body, "WebGrab demo", &view));
    EXPECT_NE(view.Last().find("resolve"), std::string::npos) << view.Last();
}

TEST(WebGrabClient, HttpsNeedsATrustedCertificate) {
    UpdateServer server(UpdateServer::Scheme::kHttps);
    ASSERT_TRUE(server.Running());
    const Bytes file = Pattern(3000);
    server.Serve("curr", file);
    Bytes body;
    test::RecordingView untrustedView;
    WebGrabClient untrusted(QuickLimits());
    EXPECT_FALSE(untrusted.FetchUrl(FileUrl(server, "curr"), body, "WebGrab demo", &untrustedView));
    EXPECT_NE(untrustedView.Last().find("certificate"), std::string::npos) << untrustedView.Last();
    WebGrabClient trusted(QuickLimits(server.Certificate().string()));
    EXPECT_TRUE(trusted.FetchUrl(FileUrl(server, "curr"), body, "WebGrab demo", nullptr));
    EXPECT_EQ(body, file);
}

// A certificate setting that names a device or a folder ends the fetch at once with the file's
// name, rather than leaving libcurl to read without end.
TEST(WebGrabClient, ACertificateThatIsNoFileIsRefusedAtOnce) {
    UpdateServer server(UpdateServer::Scheme::kHttps);
    ASSERT_TRUE(server.Running());
    const test::TempFolder folder;
    std::vector<std::string> named = {folder.Path().string()};
#ifndef _WIN32
    named.push_back("/dev/zero");
#endif
    for (const std::string& certificate : named) {
        WebGrabClient client(QuickLimits(certificate));
        test::RecordingView view;
        Bytes body;
        EXPECT_FALSE(client.FetchUrl(FileUrl(server, "cat"), body, "WebGrab demo", &view));
        EXPECT_NE(view.Last().find(certificate), std::string::npos) << view.Last();
    }
}

TEST(WebGrabClient, BodyBeyondTheCapFails) {
    UpdateServer server;
    ASSERT_TRUE(server.Running());
    server.Serve("element", Pattern(50000));
    FetchLimits limits = QuickLimits();
    limits.maxBodyBytes = 40000;
    WebGrabClient client(limits);
    test::RecordingView view;
    Bytes body;
    EXPECT_FALSE(client.FetchUrl(FileUrl(server, "element"), body, "WebGrab demo", &view));
    EXPECT_EQ(view.Last(), "The answer is larger than any data file");
}

TEST(WebGrabClient, StopRequestEndsAStalledTransfer) {
    UpdateServer server;
    ASSERT_TRUE(server.Running());
    server.Serve("temp", Pattern(1000));
    server.Answer("temp", "stall");
    FetchLimits limits = QuickLimits();
    limits.lowSpeedWindow = std::chrono::seconds(60);
    WebGrabClient client(limits);
    test::RecordingView view;
    view.stopAfterTexts = 6;
    Bytes body;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.FetchUrl(FileUrl(server, "temp"), body, "WebGrab demo", &view));
    EXPECT_TRUE(client.Stopped());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST(SessionStatusText, FormatsTheEventsThatCarryValues) {
    EXPECT_EQ(SessionStatusText(internet_status::kRequestComplete, "", RequestCompletion{0x1A, 0xFF}),
              "Request complete, dwResult = 0000001A, dwError = 000000FF");
    EXPECT_EQ(SessionStatusText(internet_status::kRequestComplete, ""), "Request complete");
    EXPECT_EQ(SessionStatusText(42, ""), "Unknown status: 42");
    EXPECT_EQ(SessionStatusText(internet_status::kReceivingResponse, ""), std::nullopt);
    EXPECT_EQ(ReadProgressText(4095, 0), "Read 4095 bytes");
    EXPECT_EQ(ReadProgressText(10240, 4), "Read 10240 bytes (2.5 Kb/s)");
}

}  // namespace
}  // namespace quantora
