#include "calc/formula_files.h"

#include <gtest/gtest.h>

#include <vector>

#include "catalogue/path_text.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

TEST(FormulaFiles, ASavedNameEndsInOneExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"calc", "calc.xpq"},
        {"calc.xpq", "calc.xpq"},
        {"calc.XPQ", "calc.XPQ.xpq"},
        {"a.xpq.b", "a.b.xpq"},
        {"dir.xpq/calc", "dir.xpq/calc.xpq"},
    };
    for (const auto& [chosen, saved] : cases) {
        EXPECT_EQ(FormulaSavePath(PathFromUtf8(chosen)), PathFromUtf8(saved)) << chosen;
    }
    EXPECT_EQ(FormulaFileTitle(PathFromUtf8("dir/report.xpq.xpq")), "report");
}

TEST(FormulaFiles, RecentFilesExchangeOrMoveDown) {
    struct Step {
        const char* loaded;
        RecentFiles after;
    };
    const std::vector<Step> steps{
        {"f1", {"f1", "", "", ""}},       {"f2", {"f2", "f1", "", ""}},     {"f3", {"f3", "f2", "f1", ""}},
        {"f4", {"f4", "f3", "f2", "f1"}}, {"f5", {"f5", "f4", "f3", "f2"}}, {"f3", {"f3", "f4", "f5", "f2"}},
        {"f3", {"f3", "f4", "f5", "f2"}}, {"F3", {"F3", "f3", "f4", "f5"}}, {"f5", {"f5", "f3", "f4", "F3"}},
    };
    test::TestProfile profile;
    for (const Step& step : steps) {
        AddRecentFile(profile.Store(), step.loaded);
        EXPECT_EQ(ReadRecentFiles(profile.Store()), step.after) << step.loaded;
    }
}

}  // namespace
}  // namespace quantora
