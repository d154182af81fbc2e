#include "convert/environment_number_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/temp_folder.h"

namespace quantora {
namespace {

#ifndef _WIN32
struct EnvironmentCase {
    const char* all;
    const char* numeric;
    const char* lang;
    NumberLocale expected;
};

void SetOrUnset(const char* name, const char* value) {
    if (value) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

// A French locale compiled into a folder of its own (LOCPATH), since the machine may have none
// installed; its thousands separator is the narrow no-break space, U+202F.
TEST(EnvironmentNumberLocale, FollowsLcAllThenLcNumericThenLang) {
    test::TempFolder folder;
    const std::string build = "localedef -i fr_FR -f UTF-8 " + (folder / "fr_FR.UTF-8").string() + " >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) GTEST_SKIP() << "localedef cannot build fr_FR.UTF-8 here";
    setenv("LOCPATH", folder.Path().c_str(), 1);
    const NumberLocale french{",", "\u202F", 3, true, NegativePattern::kLeadingMinus};
    const NumberLocale plain{".", "", 0, true, NegativePattern::kLeadingMinus};
    const EnvironmentCase cases[] = {
        {"fr_FR.UTF-8", "C", "C", french},     {"C", "fr_FR.UTF-8", "fr_FR.UTF-8", plain},
        {nullptr, "fr_FR.UTF-8", "C", french}, {nullptr, nullptr, "fr_FR.UTF-8", french},
        {nullptr, "C", "fr_FR.UTF-8", plain},  {"xx_NOWHERE.UTF-8", nullptr, nullptr, plain},
    };
    for (const EnvironmentCase& c : cases) {
        SCOPED_TRACE(std::string(c.all ? c.all : "-") + " " + (c.numeric ? c.numeric : "-") + " " +
                     (c.lang ? c.lang : "-"));
        SetOrUnset("LC_ALL", c.all);
        SetOrUnset("LC_NUMERIC", c.numeric);
        SetOrUnset("LANG", c.lang);
        const NumberLocale locale = EnvironmentNumberLocale();
        EXPECT_EQ(locale.decimalSeparator, c.expected.decimalSeparator);
        EXPECT_EQ(locale.thousandsSeparator, c.expected.thousandsSeparator);
        EXPECT_EQ(locale.groupingSize, c.expected.groupingSize);
    }
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LOCPATH"}) unsetenv(name);
}
#endif

}  // namespace
}  // namespace quantora
