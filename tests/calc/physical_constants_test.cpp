#include "calc/physical_constants.h"

#include <gtest/gtest.h>

#include "calc/ascii_case.h"
#include "calc/name_table.h"

namespace quantora {
namespace {

TEST(PhysicalConstantsTest, ListRunsFromEmptyEntryToEndMarker) {
    const PhysicalConstants constants;
    EXPECT_EQ(constants.NameAt(0), "");
    EXPECT_EQ(constants.NameAt(1), "_LAMBDA_BAR_e");
    EXPECT_EQ(constants.NameAt(20), "_Alpha");
    EXPECT_EQ(constants.NameAt(44), "_g");
    EXPECT_EQ(constants.NameAt(45), "***");
    EXPECT_EQ(constants.NameAt(46), "");
    EXPECT_EQ(constants.NameAt(-1), "");
    for (int i = 1; i <= PhysicalConstants::kCount; ++i) {
        EXPECT_EQ(constants.NameAt(i).front(), '_') << i;
        EXPECT_GE(constants.NameAt(i).size(), constants.NameAt(i + 1 <= 44 ? i + 1 : 44).size()) << i;
    }
}

TEST(PhysicalConstantsTest, ValuesAreFoundIgnoringCase) {
    const PhysicalConstants constants;
    const struct {
        const char* name;
        double value;
    } cases[] = {
        {"_c", 299792458},
        {"_C", 299792458},
        {"_alpha", 7.29735308e-3},
        {"_K_B_EV", 8.617385e-05},
        {"_k_b", 1.380658e-23},
        {"_h_bar_mevs", 6.582122e-22},
        {"_h", 6.6260755e-34},
        {"_E_M_P", 95788309},
        {"_N_A", 6.0221367e+23},
        {"", 0.0},
        {"***", 0.0},
        {"_x", 0.0},
        {"_c ", 0.0},
        {"c", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(constants.ConstantValue(c.name), c.value) << c.name;
}

// A name that begins with an earlier name can never be reached, since the first match wins.
TEST(PhysicalConstantsTest, NoNameIsShadowedByAnEarlierOne) {
    const auto& entries = NameTable::Instance().Entries();
    ASSERT_EQ(entries.size(), 1u + 37u + 44u);
    for (std::size_t later = 1; later < entries.size(); ++later) {
        EXPECT_GE(entries[later].upperName.size(), 2u) << "the lookup buckets names by two characters";
        for (std::size_t earlier = 1; earlier < later; ++earlier) {
            const std::string& a = entries[earlier].upperName;
            const std::string& b = entries[later].upperName;
            EXPECT_FALSE(b.size() >= a.size() && EqualsIgnoringAsciiCase(b.substr(0, a.size()), a))
                << a << " shadows " << b;
        }
    }
}

}  // namespace
}  // namespace quantora
