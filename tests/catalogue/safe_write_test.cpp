#include "catalogue/safe_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd', 0, 1, 2};
const std::vector<std::uint8_t> kNew(5000, 0x5A);

std::vector<fs::path> Entries(const fs::path& folder) {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) entries.push_back(entry.path());
    std::ranges::sort(entries);
    return entries;
}

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNothingElse) {
    test::TempFolder folder;
    test::WriteBytes(folder / "item.dat", kOld);
    EXPECT_EQ(WriteFileAtomically(folder / "item.dat", kNew), std::nullopt);
    EXPECT_EQ(test::ReadBytes(folder / "item.dat"), kNew);
    EXPECT_EQ(Entries(folder.Path()), std::vector<fs::path>{folder / "item.dat"});
}

// A write that cannot be done names the target and the system's reason, and leaves the folder as it was:
// no temporary file, and an existing file byte for byte.
TEST(WriteFileAtomically, FailureLeavesTheFolderAsItWas) {
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> prepare;  // makes the folder, returns the target
    };
    const Case cases[] = {
        {"folder missing", [](const fs::path& root) { return root / "absent" / "cat.dat"; }},
        {"folder is a file",
         [](const fs::path& root) {
             test::WriteBytes(root / "data", kOld);
             return root / "data" / "cat.dat";
         }},
        {"target is a folder",
         [](const fs::path& root) {
             fs::create_directories(root / "cat.dat" / "inside");
             return root / "cat.dat";
         }},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        const fs::path target = c.prepare(folder.Path());
        const auto before = Entries(folder.Path());
        const auto error = WriteFileAtomically(target, kNew);
        ASSERT_TRUE(error.has_value()) << c.what;
        const std::string prefix = target.string() + ": ";
        EXPECT_TRUE(error->starts_with(prefix) && error->size() > prefix.size()) << c.what << ": " << *error;
        EXPECT_EQ(Entries(folder.Path()), before) << c.what;
    }
}

}  // namespace
}  // namespace quantora
