#include "masters/data_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_fixture.h"
#include "masters/currency_import.h"

namespace quantora {
namespace {

using test::FaultAt;
using test::Master;

std::string Categories(int count) {
    std::string lines;
    for (int id = 1; id <= count; ++id) lines += std::to_string(id) + "=Category " + std::to_string(id) + "|101|102\n";
    return lines;
}

// The smallest master the checks accept: category 17 needs ids up to at least 17.
const std::string kValid = Categories(19) +
                           "[1]\n100=101\n101=Metre {m}\n102=Foot {ft}\n"
                           "[17]\n101=Decimal\n102=Binary\n103=Octal\n104=Hexadecimal\n105=Roman\n"
                           "[19]\n101=Celsius\n102=Fahrenheit\n"
                           "[1c]\n101=  *1\n102=  *0.3048\n"
                           "[19c]\n101101=  *1\n101102=  *1.8+32\n102101=  -32/1.8\n102102=  *1\n";

std::vector<std::string> Check(const std::string& text) {
    const MasterText master = Master(text);
    return CheckUnitData(master, ImportUnitData(master));
}

std::string Edited(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? "(edit not applied)" : text.replace(at, from.size(), to);
}

TEST(DataChecks, AcceptTheSmallestCompleteMaster) { EXPECT_EQ(Check(kValid), std::vector<std::string>{}); }

TEST(DataChecks, EachBrokenRuleIsOneFaultOnTheLineToFix) {
    struct Case {
        std::string from;
        std::string to;
        std::string faultLine;  // a text of the line the fault must name, in the edited master
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"[19]\n", "[55]\n101=Ghost\n[19]\n", "101=Ghost", "unit 101 is in category 55, which the category list lacks"},
        {"101=Metre {m}", "103=Metre {m}", "1=Category 1|", "category 1 has units but no base unit 101"},
        {"102=  *0.3048", "102=  *0.3048&R", "102=  *0.3048&R",
         "unit 102 holds \"R\", so it is reciprocal, but its conversion text does not end with \"R\""},
        {"102101=  -32/1.8\n", "", "102=Fahrenheit", "no temperature formula from unit 102 to unit 101"},
        {"102102=  *1\n", "102102=  *1\n101103=  +273.15\n",
         "101103=", "temperature formula from unit 101 to unit 103, which are not both units of category 19"},
        {"105=Roman", "105=Latin", "17=Category 17|",
         "category 17 must hold exactly the units Binary, Decimal, Hexadecimal, Octal and Roman, not: Binary, "
         "Decimal, Hexadecimal, Latin, Octal"},
        {"105=Roman\n", "105=Roman\n106=Roman\n", "17=Category 17|", "category 17 must hold exactly"},
        {"[1]\n", "21=Far|101|101\n[1]\n", "21=Far", "category id 21 lies outside 0 to 20, the number of categories"},
        {"[1]\n", "2=Again|101|101\n[1]\n", "2=Again", "category id 2 given twice"},
        {"102=Foot {ft}", "102=Foot {ft}\n101=Meter", "101=Meter", "unit id 101 given twice in category 1"},
        {"102=Foot {ft}", "102=Foot {m}", "102=Foot {m}",
         "abbreviation \"m\" of unit 102 in category 1 is already unit 101's"},
        {"[1]\n", "-1=Negative|101|101\n[1]\n", "-1=Negative", "category id -1 lies outside 0 to 20"},
        {"[1]\n", Categories(100).substr(Categories(19).size()) + "[1]\n", "100=Category 100",
         "there must be fewer than 100 categories"},
        {"[19]\n", "[1]\n103=Inch\n[19]\n", "103=Inch",
         "unit 103 of category 1 stands apart from the category's other units, which must follow each other"},
        {"102=  *0.3048", "102=  *0.3048)", "102=  *0.3048)",
         "conversion text \"*0.3048)\" of unit 102 in category 1: Error found on position 9!"},
    };
    for (const Case& c : cases) {
        std::string text = Edited(kValid, c.from, c.to);
        if (c.faultLine == "17=Category 17|") text = Edited(text, "17=Category 17", "17=Category 17|");
        const std::vector<std::string> faults = Check(text);
        ASSERT_EQ(faults.size(), 1u) << c.reason << "\n" << ::testing::PrintToString(faults);
        EXPECT_TRUE(faults[0].starts_with(FaultAt(text, c.faultLine) + c.reason)) << faults[0];
    }
}

TEST(DataChecks, ReciprocalUnitsAndExpressionsPassWhenWrittenAsTheProgramReadsThem) {
    const std::string text = Edited(Edited(kValid, "102=Foot {ft}", "102=Foot {ft}\n103=Per metre"), "102=  *0.3048",
                                    "102=  *0.3048\n103=  *1R");
    EXPECT_EQ(Check(text), std::vector<std::string>{});
}

TEST(DataChecks, EveryCurrencyUnitNeedsARateUnderItsTrimmedName) {
    const std::string master = "[1]\n[28]\n101=Euro\n102=US Dollar\n103=Israeli New Shekel\n[28c]\n101=  *1\n";
    struct Case {
        std::string rates;
        std::vector<std::string> faults;
    };
    const std::vector<Case> cases = {
        {"Euro;1.1;\n US Dollar ;1;\nnew Israeli shekel;0.27;\n", {}},
        {"Euro;1.1;\nYen;0.0067;\nnew Israeli shekel;0.27;\n",
         {"m.ini:4: currency \"US Dollar\" has no exchange rate"}},
        {"",
         {"m.ini:3: currency \"Euro\" has no exchange rate", "m.ini:4: currency \"US Dollar\" has no exchange rate",
          "m.ini:5: currency \"Israeli New Shekel\" has no exchange rate"}},
    };
    const MasterText units = Master(master);
    for (const Case& c : cases) {
        const auto rates = ImportCurrencies(SplitMasterText(c.rates, "r.csv").text);
        EXPECT_EQ(CheckCurrencyRates(units, ImportUnits(units), rates), c.faults) << c.rates;
    }
}

}  // namespace
}  // namespace quantora
