// quantora-cli itself, run as a user runs it: the locale comes from the environment and the symbols
// from the window's profile, and every text reaches the terminal once, in UTF-8.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ini_profile_store.h"
#include "app/settings.h"
#include "support/temp_folder.h"

namespace quantora {
namespace {

#ifndef _WIN32
std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 256> buffer{};
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), got);
    pclose(pipe);
    return out;
}

struct LocaleCase {
    const char* locale;
    const char* args;
    const char* expected;
};

// Locales compiled into a folder of their own (LOCPATH), since the machine may have none installed.
TEST(CliLocaleOutput, SeparatorsAndSymbolsArePrintedOnceInUtf8) {
    test::TempFolder folder;
    for (const char* locale : {"fr_FR", "de_CH", "en_US", "de_DE"}) {
        const std::string build = std::string("localedef -i ") + locale + " -f UTF-8 " +
                                  (folder / (std::string(locale) + ".UTF-8")).string() + " >/dev/null 2>&1";
        if (std::system(build.c_str()) != 0) GTEST_SKIP() << "localedef cannot build " << locale << ".UTF-8 here";
    }
    IniProfileStore profile(folder / "config" / "Quantora" / "quantora.conf");
    ASSERT_TRUE(WriteSetting(profile, Setting::kSmallSymbol, "\u00AB"));
    const LocaleCase cases[] = {
        {"fr_FR.UTF-8", "1234500 Millimeter Meter", "1\u202F234,500000\n"},
        {"de_CH.UTF-8", "1234500 Millimeter Meter", "1\u2019234.500000\n"},
        {"fr_FR.UTF-8", "1e-13 Meter Kilometer", "\u00AB\n"},
        {"C", "-1234500 Millimeter Meter", "-1234.500000\n"},
        // The window prints the same texts: both take the C library's locale of the environment.
        {"C", "1 mi ft", "5280.000000\n"},
        {"en_US.UTF-8", "1 mi ft", "5,280.000000\n"},
        {"de_DE.UTF-8", "1 mi ft", "5.280,000000\n"},
        {"fr_FR.UTF-8", "1 mi ft", "5\u202F280,000000\n"},
        {"de_DE.UTF-8", "0 m km", "0,000000\n"},
        // Typed numbers are read as the locale writes them, or refused: never a thousandfold misreading.
        {"en_US.UTF-8", "1,234.5 km m", "1,234,500.000000\n"},
        {"de_DE.UTF-8", "1.234,5 km m", "1.234.500,000000\n"},
        {"fr_FR.UTF-8", "'1 234,5' km m", "1\u202F234\u202F500,000000\n"},
        {"de_CH.UTF-8", "\"1'234.5\" km m", "1\u2019234\u2019500.000000\n"},
        {"C", "0,25 km m", "250.000000\n"},
        {"C", "1,234.5 km m", ""},
        {"de_DE.UTF-8", "100,000.000000 km m", ""},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.args);
        const std::string command = "env -u LC_NUMERIC -u LANG LOCPATH=" + folder.Path().string() +
                                    " XDG_CONFIG_HOME=" + (folder / "config").string() + " LC_ALL=" + c.locale +
                                    " " QUANTORA_CLI " --data " QUANTORA_DATA_DIR " convert --value-only -- " + c.args;
        EXPECT_EQ(Output(command), c.expected);
    }
}
#endif

}  // namespace
}  // namespace quantora
