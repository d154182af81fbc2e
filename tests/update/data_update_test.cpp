#include "update/data_update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/record_builders.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/visible_carry_over.h"
#include "update_data.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::MakeList;

CategoryRecord Category(std::int32_t id, std::string_view name, std::uint8_t visible) {
    CategoryRecord category = test::MakeCategory(id, name);
    category.visible = visible;
    return category;
}

UnitRecord Unit(std::int32_t categoryId, std::int32_t unitId, std::uint8_t visible, bool common = false) {
    UnitRecord unit = test::MakeUnit(categoryId, {.unitId = unitId, .name = "u" + std::to_string(unitId)});
    unit.visible = visible;
    unit.common = common ? 1 : 0;
    return unit;
}

// The user hid "Mass" (2) and unit 102 of category 1; the server renames "Mass" to "Weight", adds a
// category and moves unit 102 to category 2.
const std::vector<CategoryRecord> kInstalledCategories{Category(1, "Length", 1), Category(2, "Mass", 0),
                                                       Category(3, "Area", 1)};
const std::vector<CategoryRecord> kServerCategories{Category(3, "Area", 1), Category(2, "Weight", 1),
                                                    Category(4, "Speed", 1), Category(1, "Length", 1)};
const std::vector<UnitRecord> kInstalledUnits{Unit(1, 101, 1), Unit(1, 102, 0), Unit(2, 101, 0)};
const std::vector<UnitRecord> kServerUnits{Unit(1, 101, 1, true), Unit(2, 102, 1), Unit(2, 101, 1, true)};

const Bytes kInstalledTemp = test::Encode(std::vector{test::MakeTemperature(101, 102, "x*2")});
const Bytes kServerTemp =
    test::Encode(std::vector{test::MakeTemperature(101, 102, "x*3"), test::MakeTemperature(102, 101, "x/3")});
const Bytes kUserCategories = test::Encode(std::vector{Category(1001, "Mine", 1)});

class DataUpdateRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running());
        test::WriteBytes(data_ / "cat.dat", test::Encode(kInstalledCategories));
        test::WriteBytes(data_ / "item.dat", test::Encode(kInstalledUnits));
        test::WriteBytes(data_ / "temp.dat", kInstalledTemp);
        test::WriteBytes(data_ / "catcust.dat", kUserCategories);
        test::WriteBytes(data_ / "list.dat", kInstalledList);
        server_.Serve("cat", test::Encode(kServerCategories));
        server_.Serve("item", test::Encode(kServerUnits));
        server_.Serve("temp", kServerTemp);
    }

    UpdateRunResult Run(std::string server = "") {
        FetchLimits limits;
        limits.connectTimeout = std::chrono::seconds(3);
        limits.lowSpeedWindow = std::chrono::seconds(2);
        DataUpdate update(data_.Path(), server.empty() ? server_.Url() : server, prompts_, limits);
        return update.Run(view_);
    }

    Bytes Installed(std::string_view name) const { return test::ReadBytes(data_ / name); }
    std::vector<std::string> FileRequests() const {
        std::vector<std::string> files;
        for (const std::string& request : server_.Requests()) files.push_back(request.substr(request.find('=') + 1));
        return files;
    }

    const Bytes kInstalledList = MakeList({{"cat", "5"}, {"item", "5"}, {"temp", "5"}});
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
    EXPECT_TRUE(view_.Showed(update_text::kDownloading));
    const auto categories = test::Decode<CategoryRecord>(Installed("cat.dat"));
    ASSERT_EQ(categories.size(), 4u);
    EXPECT_EQ(categories[1].name.Text(), "Weight");
    EXPECT_EQ(categories[1].visible, 0);
    EXPECT_EQ(categories[2].visible, 1);
    EXPECT_EQ(Installed("list.dat"), MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}}));
    EXPECT_FALSE(fs::exists(data_ / "catnew.dat"));
    EXPECT_FALSE(fs::exists(data_ / "listnew.dat"));
    EXPECT_EQ(Installed("catcust.dat"), kUserCategories);
    EXPECT_EQ(Installed("item.dat"), test::Encode(kInstalledUnits));
}

TEST_F(DataUpdateRun, LowerServerVersionIsFetchedAndUnitsKeepTheirHiddenPairs) {
    server_.Serve("list", MakeList({{"cat", "5"}, {"item", "4"}, {"temp", "5"}, {"extra", "1"}}));
    server_.Serve("extra", Bytes(28, 1));
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "item.zip"}));
    const auto units = test::Decode<UnitRecord>(Installed("item.dat"));
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0].visible, 1);
    EXPECT_EQ(units[1].visible, 1) << "(2,102) is a new pair: the server's value stands";
    EXPECT_EQ(units[2].visible, 0) << "(2,101) was hidden by the user";
    EXPECT_EQ(units[2].common, 1) << "everything but visible comes from the server";
    EXPECT_EQ(Installed("list.dat"), MakeList({{"cat", "5"}, {"item", "4"}, {"temp", "5"}}));
}

TEST_F(DataUpdateRun, FailedFileKeepsItsOldVersionSoTheNextRunTriesAgain) {
    server_.Serve("list", MakeList({{"cat", "6"}, {"temp", "6"}}));
    server_.Answer("temp", "status500");
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(Installed("temp.dat"), kInstalledTemp);
    EXPECT_EQ(Installed("list.dat"), MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}}));

    server_.Answer("temp", "");
    EXPECT_EQ(Run().outcome, UpdateOutcome::kCompleted);
    EXPECT_EQ(Installed("temp.dat"), kServerTemp);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "cat.zip", "temp.zip", "list.zip", "temp.zip"}));
    EXPECT_EQ(Installed("list.dat"), MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "6"}}));
}

struct RefusedFileCase {
    std::string name;
    std::string answer;
    Bytes served;
};

class RefusedFile : public DataUpdateRun, public testing::WithParamInterface<RefusedFileCase> {};

TEST_P(RefusedFile, LeavesTheInstalledFileAndItsVersion) {
    server_.Serve("list", MakeList({{"temp", "6"}}));
    if (!GetParam().answer.empty()) server_.Answer("temp", GetParam().answer);
    if (GetParam().answer != "missing") server_.Serve("temp", GetParam().served);
    const UpdateRunResult result = Run();
    EXPECT_EQ(result.outcome, UpdateOutcome::kUpToDate);
    EXPECT_FALSE(result.dataChanged);
    EXPECT_EQ(Installed("temp.dat"), kInstalledTemp);
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
    EXPECT_EQ(FileRequests(), (std::vector<std::string>{"list.zip", "temp.zip"}));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusedFile,
    testing::Values(RefusedFileCase{"NotFound", "missing", {}}, RefusedFileCase{"Status500", "status500", kServerTemp},
                    RefusedFileCase{"Truncated", "truncate", kServerTemp},
                    RefusedFileCase{"Stalled", "stall", kServerTemp},
                    RefusedFileCase{"WrongRecordSize", "", Bytes(kServerTemp.begin(), kServerTemp.end() - 1)},
                    RefusedFileCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<RefusedFileCase>& test) { return test.param.name; });

struct ListFailureCase {
    std::string name;
    std::string answer;
    Bytes served;
    UpdateOutcome outcome;
    std::string_view text;
};

class ListFailure : public DataUpdateRun, public testing::WithParamInterface<ListFailureCase> {};

TEST_P(ListFailure, ChangesNothingOnDisk) {
    if (!GetParam().answer.empty()) server_.Answer("list", GetParam().answer);
    if (GetParam().answer != "missing") server_.Serve("list", GetParam().served);
    EXPECT_EQ(Run().outcome, GetParam().outcome);
    EXPECT_EQ(view_.Last(), GetParam().text);
    EXPECT_EQ(FileRequests(), std::vector<std::string>{"list.zip"});
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
    EXPECT_FALSE(fs::exists(data_ / "listnew.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ListFailure,
    testing::Values(
        ListFailureCase{"NotFound", "missing", {}, UpdateOutcome::kListNotFound, update_text::kListNotFound},
        ListFailureCase{
            "NotFoundWithStatus200", "notfound", {}, UpdateOutcome::kListNotFound, update_text::kListNotFound},
        ListFailureCase{"Status500", "status500", {}, UpdateOutcome::kFailed, update_text::kFailed},
        ListFailureCase{"WrongRecordSize", "", Bytes(29, '5'), UpdateOutcome::kFailed, update_text::kFailed}),
    [](const testing::TestParamInfo<ListFailureCase>& test) { return test.param.name; });

TEST_F(DataUpdateRun, UnreachableServerFails) {
    EXPECT_EQ(Run("http://127.0.0.1:1").outcome, UpdateOutcome::kFailed);
    EXPECT_EQ(view_.Last(), update_text::kFailed);
    EXPECT_EQ(Installed("list.dat"), kInstalledList);
}

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
    EXPECT_EQ(test::Decode<CategoryRecord>(Installed("cat.dat")).size(), 4u);
    EXPECT_EQ(Installed("temp.dat"), kInstalledTemp);
    EXPECT_FALSE(fs::exists(data_ / "tempnew.dat"));
    EXPECT_EQ(Installed("list.dat"), MakeList({{"cat", "6"}, {"item", "5"}, {"temp", "5"}}));
}

TEST(DataUpdateRequest, NamesTheFileUnderTheServerAddress) {
    EXPECT_EQ(UpdateRequestUrl("https://example.org/q", "cat"), "https://example.org/q/update.aspx?file=cat.zip");
    EXPECT_EQ(UpdateRequestUrl("http://127.0.0.1:8/", "list"), "http://127.0.0.1:8/update.aspx?file=list.zip");
}

TEST(CarryVisibleOver, FirstInstalledMatchWins) {
    const std::vector<CategoryRecord> installed{Category(7, "a", 0), Category(7, "b", 1)};
    std::vector<CategoryRecord> fetched{Category(7, "c", 1), Category(8, "d", 0)};
    CarryVisibleOver(installed, fetched);
    EXPECT_EQ(fetched[0].visible, 0);
    EXPECT_EQ(fetched[1].visible, 0);
}

}  // namespace
}  // namespace quantora
