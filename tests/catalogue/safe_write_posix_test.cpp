#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/safe_write.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld(3000, 'o');
const Bytes kNew(64 * 1024, 'n');

std::vector<fs::path> Entries(const fs::path& folder) {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder)) entries.push_back(entry.path());
    std::ranges::sort(entries);
    return entries;
}

// Runs `body` in a child process and returns the text it hands back, after the child has ended.
std::string RunInChild(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::string text = body();
        const bool sent = ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) text.append(buffer, buffer + got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

std::string WriteNew(const fs::path& target) { return WriteFileAtomically(target, kNew).value_or("written"); }

// Root writes into any folder, so the write runs in a child that gives up root first.
TEST(WriteFileAtomicallyPosix, ReadOnlyFolderKeepsTheOldFile) {
    test::TempFolder folder;
    const fs::path target = folder / "cat.dat";
    test::WriteBytes(target, kOld);
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string result = RunInChild([&] {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return std::string("no setuid");
        return WriteNew(target);
    });
    fs::permissions(folder.Path(), fs::perms::owner_all);
    if (result == "no setuid") GTEST_SKIP() << "running as root without the right to become another user";
    EXPECT_EQ(result, target.string() + ": Permission denied");
    EXPECT_EQ(test::ReadBytes(target), kOld);
    EXPECT_EQ(Entries(folder.Path()), std::vector<fs::path>{target});
}

// A file size limit lets the first bytes reach the disk and refuses the rest, as a full disk does.
TEST(WriteFileAtomicallyPosix, DataThatCannotAllBeWrittenKeepsTheOldFile) {
    test::TempFolder folder;
    const fs::path target = folder / "item.dat";
    test::WriteBytes(target, kOld);
    const std::string result = RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = kNew.size() / 2;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
        return WriteNew(target);
    });
    EXPECT_EQ(result, target.string() + ": File too large");
    EXPECT_EQ(test::ReadBytes(target), kOld);
    EXPECT_EQ(Entries(folder.Path()), std::vector<fs::path>{target});
}

// A writer killed after its temporary file is on the disk and before the rename leaves the old
// file; killed at any moment while it rewrites the file again and again, it leaves the old or one
// of the new contents, never a part of one.
TEST(WriteFileAtomicallyPosix, KilledWriterLeavesTheOldOrTheNewFile) {
    test::TempFolder folder;
    const fs::path target = folder / "curr.dat";
    test::WriteBytes(target, kOld);

    const pid_t stopped = ::fork();
    if (stopped == 0) {
        SetBeforeReplaceHook([] { ::raise(SIGSTOP); });
        (void)WriteFileAtomically(target, kNew);
        ::_exit(0);
    }
    int status = 0;
    const bool stoppedInTheHook = ::waitpid(stopped, &status, WUNTRACED) == stopped && WIFSTOPPED(status);
    ::kill(stopped, SIGKILL);
    ::waitpid(stopped, nullptr, 0);
    ASSERT_TRUE(stoppedInTheHook);
    const auto entries = Entries(folder.Path());
    ASSERT_EQ(entries.size(), 2u);
    const fs::path temporary = entries[0] == target ? entries[1] : entries[0];
    EXPECT_EQ(test::ReadBytes(temporary), kNew);  // it was killed between writing and renaming
    EXPECT_EQ(test::ReadBytes(target), kOld);

    const Bytes other(512 * 1024, 'm');
    for (const int delayMs : {1, 3, 10, 30}) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            for (bool flip = false;; flip = !flip) (void)WriteFileAtomically(target, flip ? kNew : other);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        const Bytes left = test::ReadBytes(target);
        EXPECT_TRUE(left == kOld || left == kNew || left == other)
            << "killed after " << delayMs << " ms: " << left.size() << " bytes";
    }
}

// A link to a regular file is written through and stays a link; a pipe, a folder, a link to a pipe or
// a link to nothing is never replaced.
TEST(WriteFileAtomicallyPosix, OnlyARegularFileIsReplaced) {
    enum class Kind { kLinkToFile, kLinkToPipe, kDanglingLink, kPipe, kFolder };
    for (const Kind kind : {Kind::kLinkToFile, Kind::kLinkToPipe, Kind::kDanglingLink, Kind::kPipe, Kind::kFolder}) {
        SCOPED_TRACE(static_cast<int>(kind));
        test::TempFolder folder;
        const fs::path target = folder / "cat.dat";
        const fs::path other = folder / "elsewhere";
        switch (kind) {
            case Kind::kLinkToFile: test::WriteBytes(other, kOld); break;
            case Kind::kLinkToPipe: ASSERT_EQ(::mkfifo(other.c_str(), 0644), 0); break;
            case Kind::kPipe: ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0); break;
            case Kind::kFolder: fs::create_directory(target); break;
            case Kind::kDanglingLink: break;
        }
        if (kind == Kind::kLinkToFile || kind == Kind::kLinkToPipe || kind == Kind::kDanglingLink) {
            fs::create_symlink(other, target);
        }
        const fs::file_type before = fs::symlink_status(target).type();
        const std::string outcome = WriteNew(target);
        EXPECT_EQ(fs::symlink_status(target).type(), before);
        if (kind == Kind::kLinkToFile) {
            EXPECT_EQ(outcome, "written");
            EXPECT_EQ(test::ReadBytes(other), kNew);
        } else {
            EXPECT_NE(outcome.find("not a regular file"), std::string::npos) << outcome;
        }
        for (const fs::path& entry : Entries(folder.Path())) EXPECT_NE(entry.extension(), ".tmp") << entry;
    }
}

}  // namespace
}  // namespace quantora
