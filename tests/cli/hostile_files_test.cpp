// quantora-cli itself, run from a folder of its own with its data beside it, against what a user may
// find on disk in place of a file: a sparse file of 100 GB, a device, a pipe, a folder, an empty,
// zeroed or cut file, a formula file whose variables multiply its length. Every run must end (a
// hang shows as the exit code of `timeout`), say what it refused, and leave a file the program
// never owned as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;

enum class Damage { kNone, kSparse, kDevice, kPipe, kFolder, kEmpty, kZeroed, kCut, kLinkToKept, kOpenQuote };

struct HostileCase {
    const char* file;  // relative to the program's folder
    Damage damage;
    const char* args;
    int exitCode;
    const char* says;  // a part of what it prints on stderr
};

constexpr std::uint64_t kHundredGigabytes = std::uint64_t{100} << 30;
constexpr char kKept[] = "a file of the user's own\n";

// "F" many times, and each variable many times the next: some 10^10 characters once put in.
void WriteFormulaBomb(const fs::path& file) {
    std::vector<std::uint8_t> record(2884, 0);
    const auto put = [&](std::size_t offset, const std::string& text) {
        std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    put(0, "1");
    put(240, std::string(1239, 'F'));
    put(1480, std::string(199, 'J'));
    put(1680, std::string(199, 'K'));
    put(1880, std::string(199, 'M'));
    put(2080, "1+");
    test::WriteBytes(file, record);
}

void Apply(Damage damage, const fs::path& file, const fs::path& kept) {
    const bool existed = fs::exists(file);
    const std::uintmax_t size = existed ? fs::file_size(file) : 0;
    switch (damage) {
        case Damage::kNone: return;
        case Damage::kEmpty: fs::resize_file(file, 0); return;
        case Damage::kCut: fs::resize_file(file, size / 2 + 10); return;
        case Damage::kZeroed: test::WriteBytes(file, std::vector<std::uint8_t>(size, 0)); return;
        default: break;
    }
    fs::create_directories(file.parent_path());
    fs::remove(file);
    switch (damage) {
        case Damage::kSparse:
            test::WriteBytes(file, {});
            fs::resize_file(file, kHundredGigabytes);
            break;
        case Damage::kDevice: fs::create_symlink("/dev/zero", file); break;
        case Damage::kPipe: ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); break;
        case Damage::kFolder: fs::create_directory(file); break;
        case Damage::kLinkToKept: fs::create_symlink(kept, file); break;
        case Damage::kOpenQuote: std::ofstream(file) << "[Settings]\nDecimal=\"" << std::string(50u << 20, 'x'); break;
        default: break;
    }
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliHostileFiles, EveryRunEndsAndSaysWhatItRefused) {
    const HostileCase cases[] = {
        {"data/cat.dat", Damage::kSparse, "categories", 3, "cat.dat: 107374182400 bytes"},
        {"data/item.dat", Damage::kSparse, "convert 5 km mi", 3, "item.dat: 107374182400 bytes"},
        {"data/temp.dat", Damage::kDevice, "categories", 3, "temp.dat: not a regular file"},
        {"data/curr.dat", Damage::kPipe, "categories", 3, "curr.dat: not a regular file"},
        {"data/catcust.dat", Damage::kPipe, "categories", 3, "catcust.dat: not a regular file"},
        {"data/itemcust.dat", Damage::kSparse, "convert 5 km mi", 3, "itemcust.dat: 107374182400 bytes"},
        {"data/consts.dat", Damage::kSparse, "constants", 3, "consts.dat: 107374182400 bytes"},
        {"data/element.dat", Damage::kPipe, "elements", 3, "element.dat: not a regular file"},
        // The installed version list is read before the server is asked, so no server is needed.
        {"data/list.dat", Damage::kSparse, "update --server http://127.0.0.1:9/", 5, "list.dat: 107374182400 bytes"},
        {"data/list.dat", Damage::kPipe, "update --server http://127.0.0.1:9/", 5, "list.dat: not a regular file"},
        {"bomb.xpq", Damage::kSparse, "eval --file bomb.xpq", 3, "bomb.xpq: 107374182400 bytes"},
        {"bomb.xpq", Damage::kDevice, "eval --file bomb.xpq", 3, "bomb.xpq: not a regular file"},
        {"bomb.xpq", Damage::kNone, "eval --file bomb.xpq", 1, "65536"},
        {"data/cat.dat", Damage::kEmpty, "categories", 3, "cat.dat: no categories"},
        {"data/cat.dat", Damage::kZeroed, "convert 5 km mi", 3, "cat.dat: no categories"},
        {"data/item.dat", Damage::kEmpty, "categories", 3, "item.dat: no units"},
        {"data/cat.dat", Damage::kCut, "categories", 3, "cat.dat: ignored 10 bytes"},
        {"data/temp.dat", Damage::kEmpty, "convert 100 °C °F", 1, "from Celsius to Fahrenheit"},
        {"data/.quantora-write-check", Damage::kLinkToKept, "convert 5 km mi", 0, ""},
        {"data/.quantora-write-check", Damage::kPipe, "convert 5 km mi", 0, ""},
        {"config/Quantora/quantora.conf", Damage::kFolder, "convert 5 km mi", 0, "not a regular file"},
        {"config/Quantora/quantora.conf", Damage::kPipe, "convert 5 km mi", 0, "not a regular file"},
        {"config/Quantora/quantora.conf", Damage::kOpenQuote, "convert 5 km mi", 0, "52428820 bytes"},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(static_cast<int>(c.damage)) + ": " + c.args);
        test::TempFolder folder;
        fs::copy(QUANTORA_DATA_DIR, folder / "data");
        fs::copy_file(QUANTORA_CLI, folder / "quantora-cli");
        // Where the command line is static, its update is a program of its own beside it.
        const fs::path update = fs::path(QUANTORA_CLI).parent_path() / "quantora-cli-update";
        if (fs::exists(update)) fs::copy_file(update, folder / "quantora-cli-update");
        WriteFormulaBomb(folder / "bomb.xpq");
        std::ofstream(folder / "kept.txt") << kKept;
        Apply(c.damage, folder / c.file, folder / "kept.txt");

        const std::string command =
            "cd " + folder.Path().string() + " && XDG_CONFIG_HOME=" + (folder / "config").string() +
            " env -u LC_ALL -u LC_NUMERIC -u LANG timeout 20 ./quantora-cli " + c.args + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << Read(folder / "err.txt");
        EXPECT_NE(Read(folder / "err.txt").find(c.says), std::string::npos) << Read(folder / "err.txt");
        EXPECT_EQ(Read(folder / "kept.txt"), kKept);
        if (c.exitCode == 0) {
            EXPECT_EQ(Read(folder / "out.txt"), "5 Kilometer = 3.106856 Mile\n");
        }
    }
}

}  // namespace
}  // namespace quantora
