// The core store and QSettings must read each other's files: the window writes the profile with
// QSettings, the command line and the core tests read and write it with the core store.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSettings>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ini_profile_store.h"
#include "app/qt_profile_store.h"
#include "cli/window_profile.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

struct Entry {
    std::string section;
    std::string name;
    std::optional<std::string> text = {};
    std::optional<std::int32_t> integer = {};
    std::optional<std::vector<std::uint8_t>> bytes = {};
};

std::vector<std::uint8_t> AllBytes() {
    std::vector<std::uint8_t> bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<std::uint8_t>(b));
    return bytes;
}

const std::vector<Entry>& TrickyEntries() {
    static const std::vector<Entry> entries = {
        {"Settings", "Min", "1e-9"},
        {"Settings", "Saved X", "\u00C5ngstr\u00F6m \u00B5 \u20AC \U0001D11E"},
        {"Settings", "Quotes", "say \"hi\" 'there'"},
        {"Settings", "Comma", "1,5"},
        {"Settings", "Backslash", "C:\\data\\x\\"},
        {"Settings", "Blanks", "  lead and trail  "},
        {"Settings", "Empty", ""},
        {"Settings", "Signs", "a=b;c#d [x]"},
        {"Settings", "Controls", "line\nnext\ttab\rcr\x01\x7F"},
        {"Settings", "Escape digits",
         std::string("\x01"
                     "1a\x1f"
                     "F\0"
                     "7",
                     7)},
        {"Settings", "At", "@ByteArray(not binary)"},
        {"Settings", "Semicolon first", ";x"},
        {"Settings", "BigSymbol", ">>"},
        {"Formulas", "x", "sin(30)*2,5"},
        {"Selection", "Length", std::nullopt, 42},
        {"Selection", "Negative", std::nullopt, -7},
        {"Selection", "Extremes", std::nullopt, -2147483647 - 1},
        {"Selection", "Most", std::nullopt, 2147483647},
        {"Selection", "Area / Volume", std::nullopt, 3},
        {"Selection", "100% \\ L\u00E4nge", std::nullopt, 4},
        {"Positions", "MainWindow", std::nullopt, std::nullopt,
         std::vector<std::uint8_t>{44, 0, 0, 0, 2, 0, 0, 0, 1, 0xFF}},
        {"Positions", "Every byte", std::nullopt, std::nullopt, AllBytes()},
        {"Positions", "Empty", std::nullopt, std::nullopt, std::vector<std::uint8_t>{}},
    };
    return entries;
}

void WriteAll(ProfileStore& store) {
    for (const Entry& e : TrickyEntries()) {
        if (e.text) {
            ASSERT_TRUE(store.WriteText(e.section, e.name, *e.text)) << e.name;
        }
        if (e.integer) {
            ASSERT_TRUE(store.WriteInt(e.section, e.name, *e.integer)) << e.name;
        }
        if (e.bytes) {
            ASSERT_TRUE(store.WriteBinary(e.section, e.name, *e.bytes)) << e.name;
        }
    }
}

void ExpectAll(const ProfileStore& store) {
    for (const Entry& e : TrickyEntries()) {
        SCOPED_TRACE(e.section + "/" + e.name);
        if (e.text) {
            EXPECT_EQ(store.ReadText(e.section, e.name, "(missing)"), *e.text);
        }
        if (e.integer) {
            EXPECT_EQ(store.ReadInt(e.section, e.name, 12345), *e.integer);
        }
        if (e.bytes) {
            EXPECT_EQ(store.ReadBinary(e.section, e.name), e.bytes);
        }
    }
}

QString Path(const std::filesystem::path& file) { return QString::fromStdString(file.string()); }

TEST(QSettingsCompatibility, TheCoreStoreReadsWhatQSettingsWrites) {
    test::TempFolder folder;
    const auto file = folder / "qt.ini";
    {
        QtProfileStore qt(Path(file));
        WriteAll(qt);
        qt.Sync();
    }
    ExpectAll(IniProfileStore(file));
}

TEST(QSettingsCompatibility, QSettingsReadsWhatTheCoreStoreWrites) {
    test::TempFolder folder;
    const auto file = folder / "core.ini";
    {
        IniProfileStore core(file);
        WriteAll(core);
    }
    ExpectAll(QtProfileStore(Path(file)));
}

// Files edited by hand hold forms QSettings reads but never writes; both stores read them alike.
TEST(QSettingsCompatibility, BothReadHandWrittenValuesAlike) {
    const std::vector<std::string> values = {
        " 42 ",
        "+5",
        "0x10",
        "a, b",
        "one,",
        "  x  ;comment",
        "\"a\" b ",
        "\"x\\\n  y\"",
        "\\xe9a",
        "\\x00e9",
        "\\101",
        "\\q\\?",
        "@Invalid()",
        "@String(s)",
        "@@twice",
        "@Rect(1 2 3 4)",
        "@ByteArray(\\xe9\\x100)",
        "@ByteArray(\xC3\xA9)",
        "\xC3\xA9",
        "\xFF\xFE",
        "",
        "\"\"",
        "\" unterminated",
    };
    test::TempFolder folder;
    const auto file = folder / "hand.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "\xEF\xBB\xBF; hand-made\n[general]\nroot=1\n[Settings]\n";
        for (std::size_t i = 0; i < values.size(); ++i) out << "v" << i << "=" << values[i] << "\n";
        out << "[Settings]\nv0=again\n";
    }
    const IniProfileStore core(file);
    const QtProfileStore qt(Path(file));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string name = "v" + std::to_string(i);
        SCOPED_TRACE(name + "=" + values[i]);
        EXPECT_EQ(core.ReadText("Settings", name, "(missing)"), qt.ReadText("Settings", name, "(missing)"));
        EXPECT_EQ(core.ReadInt("Settings", name, 12345), qt.ReadInt("Settings", name, 12345));
        EXPECT_EQ(core.ReadBinary("Settings", name), qt.ReadBinary("Settings", name));
    }
}

#ifndef _WIN32
// The command line finds the window's profile where QSettings puts it.
TEST(QSettingsCompatibility, TheCommandLineOpensTheWindowsProfile) {
    test::TempFolder folder;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1), 0);
    {
        QtProfileStore window = QtProfileStore::OfApplication(QStringLiteral("quantora"));
        ASSERT_TRUE(window.WriteText("Settings", "Decimal", "3"));
        window.Sync();
    }
    EXPECT_EQ(OpenWindowProfile().store->ReadText("Settings", "Decimal", "6"), "3");
}

enum class InPlace { kLinkToFile, kLinkToPipe, kPipe, kFolder, kTooLarge };

// Both stores use a profile that is a regular file, written through a link to one, and leave
// anything else alone: the settings then live in memory, and the user hears why once.
TEST(QSettingsCompatibility, OnlyARegularProfileIsReadOrReplaced) {
    namespace fs = std::filesystem;
    struct Case {
        InPlace inPlace;
        bool used;
    };
    const Case cases[] = {{InPlace::kLinkToFile, true},
                          {InPlace::kLinkToPipe, false},
                          {InPlace::kPipe, false},
                          {InPlace::kFolder, false},
                          {InPlace::kTooLarge, false}};
    for (const bool qt : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(qt ? "QSettings " : "core ") + std::to_string(static_cast<int>(c.inPlace)));
            test::TempFolder folder;
            const fs::path profile = folder / "quantora.conf";
            const fs::path real = folder / "real.conf";
            std::ofstream(real) << "[Settings]\nDecimal=4\n";
            switch (c.inPlace) {
                case InPlace::kLinkToFile: fs::create_symlink(real, profile); break;
                case InPlace::kLinkToPipe:
                    fs::remove(real);
                    ASSERT_EQ(::mkfifo(real.c_str(), 0644), 0);
                    fs::create_symlink(real, profile);
                    break;
                case InPlace::kPipe: ASSERT_EQ(::mkfifo(profile.c_str(), 0644), 0); break;
                case InPlace::kFolder: fs::create_directory(profile); break;
                case InPlace::kTooLarge:
                    std::ofstream(profile) << "[Settings]\nDecimal=\"" << std::string(2u << 20, 'x');
                    break;
            }
            const fs::file_type before = fs::symlink_status(profile).type();
            {
                std::unique_ptr<ProfileStore> store;
                std::optional<std::string> problem;
                if (qt) {
                    auto window = std::make_unique<QtProfileStore>(Path(profile));
                    problem = window->Problem();
                    store = std::move(window);
                } else {
                    auto core = std::make_unique<IniProfileStore>(profile);
                    problem = core->Problem();
                    store = std::move(core);
                }
                EXPECT_EQ(problem.has_value(), !c.used);
                EXPECT_EQ(store->ReadText("Settings", "Decimal", "6"), c.used ? "4" : "6");
                EXPECT_EQ(store->WriteText("Settings", "Decimal", "2"), c.used);
                EXPECT_EQ(store->ReadText("Settings", "Decimal", "6"), "2");
            }
            EXPECT_EQ(fs::symlink_status(profile).type(), before);
            if (c.used) {
                EXPECT_EQ(IniProfileStore(real).ReadText("Settings", "Decimal", "6"), "2");
            }
        }
    }
}
#endif

}  // namespace
}  // namespace quantora
