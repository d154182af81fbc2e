#include "update/data_update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "shipped_data.h"
#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/folder_lock.h"
#include "update/visible_carry_over.h"
#include "update_data.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::MakeList;
using test::WithVisible;

// The installed files are the program's own, with the second category and the second unit hidden
// by the user. The server renames that category, flips every unit's "common" mark and turns the
// temperature formulas round.
class DataUpdateRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running());
        shipped_ = test::ShippedData();
        auto categories = test::Decode<CategoryRecord>(shipped_["cat"]);
        auto units = test::Decode<UnitRecord>(shipped_["item"]);
        categories[1].visible = 0;
        units[1].visible = 0;
        installed_ = shipped_;
        installed_["cat"] = test::Encode(categories);
        installed_["item"] = test::Encode(units);
        for (const auto& [stem, bytes] : installed_) test::WriteBytes(data_ / (stem + ".dat"), bytes);
        test::WriteBytes(data_ / "catcust.dat", kUserCategories);
        test::WriteBytes(data_ / "list.dat", kInstalledList);

        categories[1].visible = 1;
        (void)categories[1].name.Assign("Renamed", "name");
        for (UnitRecord& unit : units) {
            unit.visible = 1;
            unit.common = unit.common != 0 ? 0 : 1;
        }
        served_ = shipped_;
        served_["cat"] = test::Encode(categories);
        served_["item"] = test::Encode(units);
        std::rotate(served_["temp"].begin(), served_["temp"].begin() + TemperatureRecord::kSize, served_["temp"].end());
        for (const auto& [stem, bytes] : served_) server_.Serve(stem, bytes);
    }

    FetchLimits Limits() const {
        FetchLimits limits;
        limits.connectTimeout = std::chrono::seconds(3);
        limits.lowSpeedWindow = std::chrono::seconds(2);
        return limits;
    }

    UpdateRunResult Run(std::string server = "") {
        DataUpdate update(data_.Path(), server.empty() ? server_.Url() : server, prompts_, Limits());
        return update.Run(view_);
    }

    Bytes Installed(std::string_view name) const { return test::ReadBytes(data_ / name); }
    std::vector<std::string> FileRequests() const {
        std::vector<std::string> files;
        for (const std::string& request : server_.Requests()) files.push_back(request.substr(request.find('=') + 1));
        return files;
    }
    // Every data file and the list as they were installed.
    void ExpectNothingReplaced() const {
        for (const auto& [stem, bytes] : installed_) EXPECT_EQ(Installed(stem + ".dat"), bytes) << stem;
        EXPECT_EQ(Installed("list.dat"), kInstalledList);
        EXPECT_EQ(Installed("catcust.dat"), kUserCategories);
    }

    const Bytes kInstalledList =
        MakeList({{"cat", "5"}, {"item", "5"}, {"temp", "5"}, {"curr", "5"}, {"consts", "5"}, {"element", "5"}});
    const Bytes kUserCategories = test::Encode(std::vector{test::MakeCategory(1001, "Mine")});
    std::map<std::string, Bytes> shipped_;
    std::map<std::string, Bytes> installed_;
    std::map<std::string, Bytes> served_;
    test::TempFolder data_;
    test::UpdateServer server_;
    test::ScriptedPrompts prompts_;
    test::RecordingView view_;
};

TEST_F(DataUpdateRun, EverythingUpToDateAsksOnlyForTheList) {
    const Bytes serverList = MakeList({{"cat", "5"}, {"item", "05"}, {"temp", "5x"}});
    server_.Serve("list", serverList);
    const UpdateRunResult result = Run();
    EXPECT_EQ(result.outcome, UpdateOutcome::kUpToDate);
    EXPECT_FALSE(result.dataChanged);
    EXPECT_EQ(view_.Last(), update_text::kUpToDate);
    EXPECT_EQ(FileRequests(), std::vector<std::string>{"list.zip"});
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
    EXPECT_EQ(Installed("listnew.dat"), serverList);
    EXPECT_EQ(view_.progress.front(), 1);
    EXPECT_EQ(view_.progress.back(), 100);
}

TEST_F(DataUpdateRun, NewerCategoriesKeepWhatTheUserHidByIdNotName) {
    server_.Serve("list", MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}}));
    const UpdateRunResult result = Run();
    EXPECT_EQ(result.outcome, UpdateOutcome::kCompleted);
    EXPECT_TRUE(result.dataChanged);
    EXPECT_EQ(view_.Last(), update_text::kCompleted);
    const auto categories = test::Decode<CategoryRecord>(Installed("cat.dat"));
    ASSERT_EQ(categories.size(), test::Decode<CategoryRecord>(shipped_["cat"]).size());
    EXPECT_EQ(categories[1].name.Text(), "Renamed");
    EXPECT_EQ(categories[1].visible, 0);
    EXPECT_EQ(categories[2].visible, 1);
    EXPECT_EQ(Installed("list.dat"),
              MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}, {"curr", "5"}, {"consts", "5"}, {"element", "5"}}));
    EXPECT_FALSE(fs::exists(data_ / "catnew.dat"));
    EXPECT_FALSE(fs::exists(data_ / "listnew.dat"));
    EXPECT_EQ(Installed("catcust.dat"), kUserCategories);
    EXPECT_EQ(Installed("item.dat"), installed_["item"]);
}

TEST_F(DataUpdateRun, LowerServerVersionIsFetchedAndUnitsKeepTheirHiddenPairs) {
    server_.Serve("list", MakeList({{"cat", "5"}, {"item", "4"}, {"temp", "5"}, {"extra", "1"}}));
    server_.Serve("extra", Bytes(28, 1));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "item.zip"}));
    const auto units = test::Decode<UnitRecord>(Installed("item.dat"));
    const auto shipped = test::Decode<UnitRecord>(shipped_["item"]);
    EXPECT_EQ(units[0].visible, 1);
    EXPECT_EQ(units[1].visible, 0) << "hidden by the user";
    EXPECT_NE(units[1].common, shipped[1].common) << "everything but visible comes from the server";
}

TEST_F(DataUpdateRun, FailedFileKeepsItsOldVersionSoTheNextRunTriesAgain) {
    server_.Serve("list", MakeList({{"cat", "6"}, {"temp", "6"}}));
    server_.Answer("temp", "status500");
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(Installed("temp.dat"), installed_["temp"]);
    EXPECT_EQ(test::ReadBytes(data_ / "list.dat"),
              MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}, {"curr", "5"}, {"consts", "5"}, {"element", "5"}}));
    server_.Answer("temp", "");
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(Installed("temp.dat"), served_["temp"]);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "cat.zip", "temp.zip", "list.zip", "temp.zip"}));
}

struct RefusedFileCase {
    std::string name;
    std::string answer;
};

class RefusedFile : public DataUpdateRun, public testing::WithParamInterface<RefusedFileCase> {};

// A transfer that fails leaves that file for the next run; the others go on.
TEST_P(RefusedFile, LeavesTheInstalledFileAndItsVersion) {
    server_.Serve("list", MakeList({{"temp", "6"}}));
    server_.Answer("temp", GetParam().answer);
    const UpdateRunResult result = Run();
    EXPECT_EQ(result.outcome, UpdateOutcome::kUpToDate);
    EXPECT_FALSE(result.dataChanged);
    ExpectNothingReplaced();
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "temp.zip"}));
}

INSTANTIATE_TEST_SUITE_P(Answers, RefusedFile,
                         testing::Values(RefusedFileCase{"NotFound", "missing"},
                                         RefusedFileCase{"Status500", "status500"},
                                         RefusedFileCase{"Truncated", "truncate"}, RefusedFileCase{"Stalled", "stall"}),
                         [](const testing::TestParamInfo<RefusedFileCase>& test) { return test.param.name; });

// What stands in for a data file when something between the program and the server answers: a
// login page, zeros, 0xFF, noise, each of the file's own size, or nothing.
struct NotADataFileCase {
    std::string name;
    Bytes (*body)(std::size_t size);
};

Bytes LoginPage(std::size_t size) {
    std::string page = "<html><head><title>Hotel WiFi</title></head><body><form action=/login>";
    while (page.size() + 14 < size) page += "<p>Sign in</p>";
    page.resize(size, ' ');
    return Bytes(page.begin(), page.end());
}
Bytes Zeros(std::size_t size) { return Bytes(size, 0); }
Bytes Ones(std::size_t size) { return Bytes(size, 0xFF); }
Bytes Noise(std::size_t size) {
    std::mt19937 random(static_cast<unsigned>(size));
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return bytes;
}
Bytes Nothing(std::size_t) { return {}; }
Bytes OneShort(std::size_t size) { return Bytes(size - 1, 'A'); }

class NotADataFile : public DataUpdateRun, public testing::WithParamInterface<NotADataFileCase> {};

TEST_P(NotADataFile, ReplacesNothingAndSaysWhichFileAndWhy) {
    for (const auto& [stem, bytes] : installed_) {
        SCOPED_TRACE(stem);
        server_.Serve("list", MakeList({{"cat", "5"}, {stem, "6"}}));
        server_.Serve(stem, GetParam().body(bytes.size()));
        test::RecordingView view;
        DataUpdate update(data_.Path(), server_.Url(), prompts_, Limits());
        const UpdateRunResult result = update.Run(view);
        EXPECT_EQ(result.outcome, UpdateOutcome::kRefused);
        EXPECT_FALSE(result.dataChanged);
        EXPECT_TRUE(view.Last().starts_with(std::string(update_text::kFailed) + "\n")) << view.Last();
        EXPECT_NE(view.Last().find(stem + ".dat"), std::string::npos) << view.Last();
        ExpectNothingReplaced();
        server_.Serve(stem, served_[stem]);
    }
}

INSTANTIATE_TEST_SUITE_P(Bodies, NotADataFile,
                         testing::Values(NotADataFileCase{"LoginPage", LoginPage}, NotADataFileCase{"Zeros", Zeros},
                                         NotADataFileCase{"AllOnes", Ones}, NotADataFileCase{"Noise", Noise},
                                         NotADataFileCase{"Empty", Nothing},
                                         NotADataFileCase{"NotWholeRecords", OneShort}),
                         [](const testing::TestParamInfo<NotADataFileCase>& test) { return test.param.name; });

// Each file is sound by itself, but not with the installed ones the server did not send.
TEST_F(DataUpdateRun, CategoriesThatInstalledUnitsNeedAreRefused) {
    auto categories = test::Decode<CategoryRecord>(shipped_["cat"]);
    const std::int32_t used = test::Decode<UnitRecord>(shipped_["item"]).front().categoryId;
    std::erase_if(categories, [&](const CategoryRecord& category) { return category.categoryId == used; });
    server_.Serve("cat", test::Encode(categories));
    server_.Serve("list", MakeList({{"cat", "6"}, {"temp", "6"}}));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kRefused);
    EXPECT_NE(view_.Last().find("item.dat record"), std::string::npos) << view_.Last();
    ExpectNothingReplaced();
}

TEST_F(DataUpdateRun, NonPositiveRateIsRefused) {
    auto rates = test::Decode<CurrencyRecord>(shipped_["curr"]);
    rates[2].rate = -rates[2].rate;
    server_.Serve("curr", test::Encode(rates));
    server_.Serve("list", MakeList({{"curr", "6"}}));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kRefused);
    EXPECT_NE(view_.Last().find("is not a positive number"), std::string::npos) << view_.Last();
    ExpectNothingReplaced();
}

// A server that sends a few bytes a second never trips the speed rule; the file's deadline ends it.
TEST_F(DataUpdateRun, DrippingServerEndsAtTheFilesDeadline) {
    server_.Serve("list", MakeList({{"temp", "6"}}));
    server_.Answer("temp", "drip");
    FetchLimits limits = Limits();
    limits.wholeFetchBase = std::chrono::seconds(2);
    limits.wholeFetchBytesPerSecond = std::size_t{1} << 30;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DataUpdate(data_.Path(), server_.Url(), prompts_, limits).Run(view_).outcome, UpdateOutcome::kUpToDate);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
    EXPECT_TRUE(view_.Showed("The transfer took longer than 2 s, the time allowed for a file of this size"));
    ExpectNothingReplaced();
}

// What a killed run left is the program's own; a look-alike of anything else stays.
TEST_F(DataUpdateRun, RemovesItsOwnLeftoversAndNothingElse) {
    const std::vector<std::string> leftovers{"catnew.dat.0123456789abcdef.tmp", "constsnew.dat.fedcba9876543210.tmp",
                                             "list.dat.00000000000000ff.tmp"};
    const std::vector<std::string> others{"catcust.dat.0123456789abcdef.tmp", "notes.tmp", "cat.dat.tmp",
                                          "catnew.dat.0123456789ABCDEF.tmp", "mine.dat.0123456789abcdef.tmp"};
    for (const auto& names : {leftovers, others}) {
        for (const std::string& name : names) test::WriteBytes(data_ / name, Bytes(3, 1));
    }
    server_.Serve("list", MakeList({{"cat", "5"}}));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kUpToDate);
    for (const std::string& name : leftovers) EXPECT_FALSE(fs::exists(data_ / name)) << name;
    for (const std::string& name : others) EXPECT_TRUE(fs::exists(data_ / name)) << name;
}

TEST_F(DataUpdateRun, SecondRunOnTheFolderTouchesNothing) {
    const FolderLock running(data_.Path());
    ASSERT_EQ(running.Status(), FolderLock::State::kHeld);
    server_.Serve("list", MakeList({{"cat", "6"}}));
    test::WriteBytes(data_ / "catnew.dat.0123456789abcdef.tmp", Bytes(3, 1));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kBusy);
    EXPECT_EQ(view_.Last(), update_text::kBusy);
    EXPECT_TRUE(server_.Requests().empty());
    EXPECT_TRUE(fs::exists(data_ / "catnew.dat.0123456789abcdef.tmp")) << "the running one may still need it";
    ExpectNothingReplaced();
}

// Names in either list are taken only when they name one of the program's files.
TEST_F(DataUpdateRun, ListNamesThatAreNoDataFileAreNeverUsedAsPaths) {
    test::TempFolder outside;
    const std::string absolute = (outside / "qabs").string();
    std::vector<std::pair<std::string, std::string>> entries{{absolute, "1"}, {"../../evil", "1"}, {"cat", "5"}};
    test::WriteBytes(data_ / "list.dat", MakeList(entries));
    entries[0].second = "2";
    entries[1].second = "2";
    server_.Serve("list", MakeList(entries));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kUpToDate);
    EXPECT_EQ(FileRequests(), std::vector<std::string>{"list.zip"});
    EXPECT_TRUE(fs::is_empty(outside.Path()));
    EXPECT_FALSE(fs::exists(data_.Path().parent_path().parent_path() / "evilnew.dat"));
}

struct DamagedListCase {
    std::string name;
    Bytes installedList;
};

class DamagedLocalList : public DataUpdateRun, public testing::WithParamInterface<DamagedListCase> {};

// An installed list that names no file of the program counts every file as out of date, and the run
// writes a sound one.
TEST_P(DamagedLocalList, EveryFileIsFetchedAndTheListRepaired) {
    test::WriteBytes(data_ / "list.dat", GetParam().installedList);
    const Bytes serverList = MakeList({{"cat", "5"}, {"temp", "5"}});
    server_.Serve("list", serverList);
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "cat.zip", "temp.zip"}));
    EXPECT_EQ(Installed("list.dat"), serverList);
    EXPECT_EQ(Installed("temp.dat"), served_["temp"]);
}

INSTANTIATE_TEST_SUITE_P(Lists, DamagedLocalList,
                         testing::Values(DamagedListCase{"Empty", {}}, DamagedListCase{"Garbage", Noise(57)},
                                         DamagedListCase{"Zeros", Bytes(56, 0)}),
                         [](const testing::TestParamInfo<DamagedListCase>& test) { return test.param.name; });

struct ListFailureCase {
    std::string name;
    std::string answer;
    Bytes served;
    UpdateOutcome outcome;
    std::string_view text;
    std::string reason;  // on the status's next line
};

class ListFailure : public DataUpdateRun, public testing::WithParamInterface<ListFailureCase> {};

TEST_P(ListFailure, ChangesNothingOnDisk) {
    if (!GetParam().answer.empty()) server_.Answer("list", GetParam().answer);
    if (GetParam().answer != "missing") server_.Serve("list", GetParam().served);
    EXPECT_EQ(Run().outcome, GetParam().outcome);
    EXPECT_TRUE(view_.Last().starts_with(GetParam().text)) << view_.Last();
    EXPECT_NE(view_.Last().find(GetParam().reason), std::string::npos) << view_.Last();
    EXPECT_EQ(FileRequests(), std::vector<std::string>{"list.zip"});
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
    EXPECT_FALSE(fs::exists(data_ / "listnew.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ListFailure,
    testing::Values(
        ListFailureCase{"NotFound", "missing", {}, UpdateOutcome::kListNotFound, update_text::kListNotFound, ""},
        ListFailureCase{
            "NotFoundWithStatus200", "notfound", {}, UpdateOutcome::kListNotFound, update_text::kListNotFound, ""},
        ListFailureCase{"Status500",
                        "status500",
                        {},
                        UpdateOutcome::kFailed,
                        update_text::kFailed,
                        "\nlist.dat: The server answered HTTP status 500"},
        ListFailureCase{"WrongRecordSize", "", Bytes(29, '5'), UpdateOutcome::kFailed, update_text::kFailed,
                        "\nThe server's list.dat has 29 bytes"}),
    [](const testing::TestParamInfo<ListFailureCase>& test) { return test.param.name; });

TEST_F(DataUpdateRun, UnreachableServerFails) {
    EXPECT_EQ(Run("http://127.0.0.1:1").outcome, UpdateOutcome::kFailed);
    EXPECT_TRUE(view_.Last().starts_with(std::string(update_text::kFailed) + "\nlist.dat: ")) << view_.Last();
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
}

#ifndef _WIN32
// A listener whose queue is full: a connection to it neither succeeds nor fails until the
// connect time-out, as an address with no network behind it.
class SilentListener {
public:
    SilentListener() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener_, 0) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        for (int& filler : fillers_) {
            filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            static_cast<void>(::connect(filler, reinterpret_cast<sockaddr*>(&address), length));
        }
    }
    ~SilentListener() {
        for (int filler : fillers_) ::close(filler);
        ::close(listener_);
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_); }

private:
    int listener_ = -1;
    int fillers_[2] = {-1, -1};
    int port_ = 0;
};

// With no network the run waits for one connect time-out, not one for the data files and another
// for the rates, so an automatic update at start-up holds the program back no longer than that.
TEST_F(DataUpdateRun, NoAnswerAtAllSkipsTheRates) {
    const SilentListener silent;
    DataUpdate update(data_.Path(), silent.Url(), prompts_, Limits());
    update.SetRatesSource(silent.Url() + "/rates.xml");
    EXPECT_EQ(update.Run(view_).outcome, UpdateOutcome::kFailed);
    EXPECT_EQ(std::count(view_.texts.begin(), view_.texts.end(), std::string(update_text::kRatesFetching)), 0);
    EXPECT_NE(view_.Last().find("Timeout was reached"), std::string::npos) << view_.Last();
    ExpectNothingReplaced();
}
#endif

TEST_F(DataUpdateRun, NoServerAddressContactsNobody) {
    DataUpdate update(data_.Path(), "", prompts_);
    EXPECT_EQ(update.Run(view_).outcome, UpdateOutcome::kNoServer);
    EXPECT_EQ(view_.Last(), update_text::kNoServer);
    EXPECT_TRUE(server_.Requests().empty());
}

TEST_F(DataUpdateRun, MissingVersionListEndsTheRunNamingTheFile) {
    fs::remove(data_ / "list.dat");
    server_.Serve("list", MakeList({{"cat", "6"}}));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kFailed);
    EXPECT_NE(view_.Last().find("list.dat"), std::string::npos) << view_.Last();
    EXPECT_TRUE(server_.Requests().empty());
}

// Closing the window while the second file stalls: the first file stays in place and is the only
// one the list records; nothing of the second is left behind.
class StopAtSecondDownload : public test::RecordingView {
public:
    bool StopRequested() override { return std::count(texts.begin(), texts.end(), "Downloading...") >= 2; }
};

TEST_F(DataUpdateRun, StopDuringARunKeepsWhatWasPutInPlace) {
    server_.Serve("list", MakeList({{"cat", "6"}, {"temp", "6"}}));
    server_.Answer("temp", "stall");
    StopAtSecondDownload view;
    DataUpdate update(data_.Path(), server_.Url(), prompts_);
    const UpdateRunResult result = update.Run(view);
    EXPECT_EQ(result.outcome, UpdateOutcome::kStopped);
    EXPECT_TRUE(result.dataChanged);
    EXPECT_EQ(test::Decode<CategoryRecord>(Installed("cat.dat"))[1].name.Text(), "Renamed");
    EXPECT_EQ(Installed("temp.dat"), installed_["temp"]);
    EXPECT_FALSE(fs::exists(data_ / "tempnew.dat"));
    EXPECT_EQ(Installed("list.dat"),
              MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}, {"curr", "5"}, {"consts", "5"}, {"element", "5"}}));
}

// Runs in this process stand for runs in others: the system's lock keeps out every other holder.
TEST(FolderLockTest, OneRunAtATimeAndFreeAgainAfterIt) {
    const test::TempFolder folder;
    {
        const FolderLock first(folder.Path());
        ASSERT_EQ(first.Status(), FolderLock::State::kHeld) << first.Reason();
        EXPECT_EQ(FolderLock(folder.Path()).Status(), FolderLock::State::kBusy);
    }
    EXPECT_EQ(FolderLock(folder.Path()).Status(), FolderLock::State::kHeld);
}

TEST(DataUpdateRequest, NamesTheFileUnderTheServerAddress) {
    EXPECT_EQ(UpdateRequestUrl("https://example.org/q", "cat"), "https://example.org/q/update.aspx?file=cat.zip");
    EXPECT_EQ(UpdateRequestUrl("http://127.0.0.1:8/", "list"), "http://127.0.0.1:8/update.aspx?file=list.zip");
}

TEST(CarryVisibleOver, FirstInstalledMatchWins) {
    const std::vector<CategoryRecord> installed{WithVisible(test::MakeCategory(7, "a"), 0), test::MakeCategory(7, "b")};
    std::vector<CategoryRecord> fetched{test::MakeCategory(7, "c"), WithVisible(test::MakeCategory(8, "d"), 0)};
    CarryVisibleOver(installed, fetched);
    EXPECT_EQ(fetched[0].visible, 0);
    EXPECT_EQ(fetched[1].visible, 0);
}

}  // namespace
}  // namespace quantora
