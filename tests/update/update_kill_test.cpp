#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "app/data_paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/safe_write.h"
#include "catalogue/unit_data_sets.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/data_update.h"
#include "update_data.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

constexpr int kKilled = 42;
int stepsLeft = 0;
int stepsSeen = 0;

// Counts every moment after which a file on disk changed, and ends the process at the chosen one.
void AtStep() {
    ++stepsSeen;
    if (--stepsLeft == 0) std::_Exit(kKilled);
}
void AtUpdateStep(std::string_view) { AtStep(); }

// The installed files are the program's own data; the server has each unit file changed a little.
class UpdateKilledAtEachStep : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running());
        const fs::path shipped = InstalledDataFolder(ExecutableFolder());
        for (const char* stem : {"cat", "item", "temp", "curr"}) {
            installed_[stem] = test::ReadBytes(shipped / (std::string(stem) + ".dat"));
        }
        auto categories = test::Decode<CategoryRecord>(installed_["cat"]);
        categories[0].visible = 0;
        installed_["cat"] = test::Encode(categories);
        auto units = test::Decode<UnitRecord>(installed_["item"]);
        for (UnitRecord& unit : units) unit.common = unit.common != 0 ? 0 : 1;
        server_.Serve("item", test::Encode(units));
        categories[0].visible = 1;
        server_.Serve("cat", test::Encode(categories));
        Bytes temp = installed_["temp"];
        std::rotate(temp.begin(), temp.begin() + TemperatureRecord::kSize, temp.end());
        server_.Serve("temp", temp);
        server_.Serve("list", test::MakeList({{"cat", "2"}, {"item", "2"}, {"temp", "2"}, {"curr", "1"}}));
    }

    void Install(const fs::path& folder) {
        for (const auto& [stem, bytes] : installed_) test::WriteBytes(folder / (stem + ".dat"), bytes);
        test::WriteBytes(folder / "list.dat",
                         test::MakeList({{"cat", "1"}, {"item", "1"}, {"temp", "1"}, {"curr", "1"}}));
    }

    UpdateRunResult Run(const fs::path& folder) {
        DataUpdate update(folder, server_.Url(), prompts_);
        return update.Run(view_);
    }

    static void Hook() {
        SetUpdateStepHook(AtUpdateStep);
        SetBeforeReplaceHook(AtStep);
    }
    static void Unhook() {
        SetUpdateStepHook(nullptr);
        SetBeforeReplaceHook(nullptr);
    }

    std::map<std::string, Bytes> installed_;
    test::UpdateServer server_;
    test::ScriptedPrompts prompts_;
    test::RecordingView view_;
};

TEST_F(UpdateKilledAtEachStep, LeavesALoadableCatalogueAndTheNextRunFinishes) {
    int steps = 0;
    {
        test::TempFolder dry;
        Install(dry.Path());
        stepsLeft = -1;
        stepsSeen = 0;
        Hook();
        EXPECT_EQ(Run(dry.Path()).outcome, UpdateOutcome::kCompleted);
        Unhook();
        steps = stepsSeen;
    }
    ASSERT_GE(steps, 10);
    RecordProperty("steps", steps);
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("stopped at step " + std::to_string(step));
        test::TempFolder folder;
        Install(folder.Path());
        EXPECT_EXIT(
            {
                stepsLeft = step;
                Hook();
                Run(folder.Path());
                std::_Exit(0);
            },
            testing::ExitedWithCode(kKilled), "");
        Catalogue catalogue;
        const LoadReport report = catalogue.Load(folder.Path(), false);
        EXPECT_TRUE(report.complete) << report.error;
        EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
        const Bytes temp = test::ReadBytes(folder / "temp.dat");
        EXPECT_EQ(temp.size(), installed_["temp"].size());

        const UpdateRunResult again = Run(folder.Path());
        EXPECT_TRUE(again.outcome == UpdateOutcome::kCompleted || again.outcome == UpdateOutcome::kUpToDate);
        EXPECT_EQ(test::ReadBytes(folder / "list.dat"),
                  test::MakeList({{"cat", "2"}, {"item", "2"}, {"temp", "2"}, {"curr", "1"}}));
        EXPECT_EQ(test::Decode<CategoryRecord>(test::ReadBytes(folder / "cat.dat"))[0].visible, 0);
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            EXPECT_NE(entry.path().extension(), ".tmp") << "left over: " << entry.path();
        }
    }
}

}  // namespace
}  // namespace quantora
