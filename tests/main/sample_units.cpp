#include "sample_units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"

namespace quantora::test {

namespace {

CategoryRecord Category(std::int32_t id, const std::string& name, std::int32_t source, std::int32_t target) {
    CategoryRecord r;
    r.categoryId = id;
    EXPECT_FALSE(r.name.Assign(name, "name"));
    r.defaultSourceUnitId = source;
    r.defaultTargetUnitId = target;
    return r;
}

UnitRecord Unit(std::int32_t category, std::int32_t id, const std::string& name, const std::string& abbreviation,
                const std::string& conversion, std::uint8_t common = 1, const std::string& baseFormula = "") {
    UnitRecord r;
    r.categoryId = category;
    r.unitId = id;
    EXPECT_FALSE(r.name.Assign(name, "name"));
    EXPECT_FALSE(r.abbreviation.Assign(abbreviation, "abbreviation"));
    EXPECT_FALSE(r.conversionText.Assign(conversion, "conversion"));
    EXPECT_FALSE(r.baseFormula.Assign(baseFormula, "base formula"));
    r.common = common;
    return r;
}

}  // namespace

void WriteSampleUnits(const std::filesystem::path& executableFolder) {
    const auto data = executableFolder / "data";
    std::filesystem::create_directories(data);
    const std::vector<CategoryRecord> categories{Category(2, "Mass", 101, 102), Category(1, "Length", 102, 101),
                                                 Category(26, "Trigonometry", 101, 102),
                                                 Category(3, "\xC9nergie", 101, 101)};
    const std::vector<UnitRecord> units{
        Unit(1, 101, "Meter", "m", "*1"),
        Unit(1, 102, "Kilometer", "km", "*1000"),
        Unit(1, 103, "Mile", "mi", "*1609.344"),
        Unit(1, 104, "Fathom", "ftm", "*1.8288", 0),
        Unit(1, 105, "\xC5ngstr\xF6m", "\xC5", "*10^-10", 0),
        Unit(2, 101, "Kilogram", "kg", "*1"),
        Unit(2, 102, "Gram", "g", "*0.001"),
        Unit(2, 103, "Microgram", "\xB5g", "*10^-9"),
        Unit(26, 101, "x", "x", "*1", 1, "x"),
        Unit(26, 102, "Sine", "sin(x)", "*sin(x)", 1, "asin(x)"),
        Unit(26, 103, "Exponential", "exp(x)", "*exp(x)", 1, "ln(x)"),
        Unit(3, 101, "Joule", "J", "*1"),
        Unit(3, 102, "Kilowatt hour as counted by the meter of every household in the land", "kWh (household)",
             "*3600000"),
    };
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCategories, categories).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kUnits, units).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kTemperatures, std::vector<TemperatureRecord>{}).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCurrencies, std::vector<CurrencyRecord>{}).has_value());
}

}  // namespace quantora::test
