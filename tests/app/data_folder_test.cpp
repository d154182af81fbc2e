#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/data_paths.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// An installed data folder with two files and a folder of its own.
struct Installed {
    test::TempFolder root;
    std::filesystem::path data = root / "data";
    Installed() {
        std::filesystem::create_directories(data / "old");
        test::WriteBytes(data / "cat.dat", Bytes("installed cat"));
        test::WriteBytes(data / "item.dat", Bytes("installed item"));
    }
};

TEST(DataFolder, AWritableInstallFolderIsUsedAsItIs) {
    Installed installed;
    const auto perUser = installed.root / "user" / "data";
    const DataFolderChoice choice = ChooseDataFolder(installed.data, perUser, true);
    EXPECT_EQ(choice.folder, installed.data);
    EXPECT_FALSE(choice.error.has_value());
    EXPECT_FALSE(std::filesystem::exists(perUser));
}

TEST(DataFolder, OtherwiseTheUserCopyGetsTheFilesItLacksAndKeepsItsOwn) {
    Installed installed;
    const auto perUser = installed.root / "user" / "data";
    std::filesystem::create_directories(perUser);
    test::WriteBytes(perUser / "cat.dat", Bytes("changed by the user"));

    const DataFolderChoice choice = ChooseDataFolder(installed.data, perUser, false);

    EXPECT_EQ(choice.folder, perUser);
    EXPECT_FALSE(choice.error.has_value());
    EXPECT_EQ(test::ReadBytes(perUser / "cat.dat"), Bytes("changed by the user"));
    EXPECT_EQ(test::ReadBytes(perUser / "item.dat"), Bytes("installed item"));
    EXPECT_FALSE(std::filesystem::exists(perUser / "old"));
}

TEST(DataFolder, AUserCopyThatCannotBeMadeLeavesTheInstalledFilesToReadAndSaysWhy) {
    Installed installed;
    test::WriteBytes(installed.root / "blocked", Bytes("a file where the folder should be"));
    const DataFolderChoice choice = ChooseDataFolder(installed.data, installed.root / "blocked" / "data", false);
    EXPECT_EQ(choice.folder, installed.data);
    ASSERT_TRUE(choice.error.has_value());
    EXPECT_NE(choice.error->find("blocked"), std::string::npos) << *choice.error;
}

TEST(DataFolder, WritableMeansAFileCanBeCreatedThere) {
    test::TempFolder folder;
    test::WriteBytes(folder / "file", Bytes("x"));
    const std::vector<std::pair<std::filesystem::path, bool>> cases{
        {folder.Path(), true}, {folder / "missing", false}, {folder / "file", false}};
    for (const auto& [path, writable] : cases) EXPECT_EQ(IsFolderWritable(path), writable) << path;
    EXPECT_EQ(std::vector<std::filesystem::path>(std::filesystem::directory_iterator(folder.Path()), {}),
              std::vector<std::filesystem::path>{folder / "file"});
}

}  // namespace
}  // namespace quantora
