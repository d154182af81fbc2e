#include "update/file_operations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "support/temp_folder.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using Answer = UserPrompts::Answer;

void MakeReadOnly(const fs::path& file) { fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove); }

struct ReadOnlyCase {
    std::string name;
    Answer answer;
    bool fileGone;
    bool aborted;
};

class ReadOnlyDelete : public testing::TestWithParam<ReadOnlyCase> {};

TEST_P(ReadOnlyDelete, FollowsTheAnswer) {
    test::TempFolder folder;
    const fs::path tree = folder / "tree";
    fs::create_directories(tree);
    test::WriteBytes(tree / "a.dat", {1});
    MakeReadOnly(tree / "a.dat");
    test::ScriptedPrompts prompts;
    prompts.answers = {GetParam().answer};
    FileOperations files(prompts);

    EXPECT_TRUE(files.Delete(tree / "a.dat"));
    ASSERT_EQ(prompts.questions, std::vector<std::string>{"a.dat is read olny. Do you want delete it?"});
    EXPECT_EQ(!fs::exists(tree / "a.dat"), GetParam().fileGone);
    EXPECT_EQ(files.Aborted(), GetParam().aborted);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReadOnlyDelete,
                         testing::Values(ReadOnlyCase{"Yes", Answer::Yes, true, false},
                                         ReadOnlyCase{"No", Answer::No, false, true},
                                         ReadOnlyCase{"Cancel", Answer::Cancel, false, true}),
                         [](const testing::TestParamInfo<ReadOnlyCase>& test) { return test.param.name; });

TEST(FileOperations, CancelInsideAFolderStopsTheWholeDelete) {
    test::TempFolder folder;
    const fs::path tree = folder / "tree";
    fs::create_directories(tree / "sub");
    for (const char* name : {"sub/1.dat", "sub/2.dat", "sub/3.dat"}) test::WriteBytes(tree / name, {1});
    for (const char* name : {"sub/1.dat", "sub/2.dat", "sub/3.dat"}) MakeReadOnly(tree / name);
    test::ScriptedPrompts prompts;
    prompts.answers = {Answer::Yes, Answer::Cancel};
    FileOperations files(prompts);

    EXPECT_TRUE(files.Delete(tree));
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_TRUE(files.Aborted());
    EXPECT_EQ(files.ErrorCode(), 0u);
    EXPECT_EQ(files.ErrorText(), std::system_category().message(0));
    int left = 0;
    for (const auto& entry : fs::directory_iterator(tree / "sub")) left += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(left, 2);
}

TEST(FileOperations, DeletesAFolderTreeWithoutAsking) {
    test::TempFolder folder;
    const fs::path tree = folder / "tree";
    fs::create_directories(tree / "a" / "b" / "c");
    for (const char* name : {"x.dat", "a/y.dat", "a/b/z.dat", "a/b/c/w.dat"}) test::WriteBytes(tree / name, {9});
    test::ScriptedPrompts prompts;
    FileOperations files(prompts);
    EXPECT_TRUE(files.Delete(tree));
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(files.ErrorText(), "No error");
}

TEST(FileOperations, MissingPathFailsWithNotFound) {
    test::TempFolder folder;
    test::ScriptedPrompts prompts;
    FileOperations files(prompts);
    EXPECT_FALSE(files.Delete(folder / "none"));
    EXPECT_EQ(files.ErrorCode(), static_cast<std::uint32_t>(ENOENT));
    EXPECT_EQ(files.ErrorText(), std::make_error_code(std::errc::no_such_file_or_directory).message());
}

TEST(FileOperations, RenameNeverReplacesButReplaceDoes) {
    test::TempFolder folder;
    test::WriteBytes(folder / "new.dat", {1, 2});
    test::WriteBytes(folder / "old.dat", {3});
    test::ScriptedPrompts prompts;
    FileOperations files(prompts);
    EXPECT_FALSE(files.Rename(folder / "new.dat", folder / "old.dat"));
    EXPECT_EQ(files.ErrorCode(), static_cast<std::uint32_t>(EEXIST));
    EXPECT_EQ(test::ReadBytes(folder / "old.dat"), std::vector<std::uint8_t>{3});
    EXPECT_TRUE(files.Replace(folder / "new.dat", folder / "old.dat"));
    EXPECT_EQ(test::ReadBytes(folder / "old.dat"), (std::vector<std::uint8_t>{1, 2}));
    EXPECT_FALSE(fs::exists(folder / "new.dat"));
    EXPECT_TRUE(files.Rename(folder / "old.dat", folder / "moved.dat"));
    EXPECT_TRUE(fs::exists(folder / "moved.dat"));
}

}  // namespace
}  // namespace quantora
