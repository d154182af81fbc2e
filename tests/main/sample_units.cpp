#include "sample_units.h"

#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "support/record_builders.h"

namespace quantora::test {

void WriteSampleUnits(const std::filesystem::path& executableFolder) {
    const auto data = executableFolder / "data";
    std::filesystem::create_directories(data);
    const std::vector<CategoryRecord> categories{MakeCategory(2, "Mass", 101, 102), MakeCategory(1, "Length", 102, 101),
                                                 MakeCategory(26, "Trigonometry", 101, 102),
                                                 MakeCategory(3, "\xC9nergie", 101, 101)};
    std::vector<UnitRecord> units;
    const auto add = [&units](std::int32_t categoryId, const std::vector<UnitEntry>& entries) {
        for (const UnitRecord& unit : MakeUnits(categoryId, entries)) units.push_back(unit);
    };
    add(1, {{.unitId = 101, .name = "Meter", .conversionText = "*1", .abbreviation = "m", .common = true},
            {.unitId = 102, .name = "Kilometer", .conversionText = "*1000", .abbreviation = "km", .common = true},
            {.unitId = 103, .name = "Mile", .conversionText = "*1609.344", .abbreviation = "mi", .common = true},
            {.unitId = 104, .name = "Fathom", .conversionText = "*1.8288", .abbreviation = "ftm"},
            {.unitId = 105, .name = "\xC5ngstr\xF6m", .conversionText = "*10^-10", .abbreviation = "\xC5"}});
    add(2, {{.unitId = 101, .name = "Kilogram", .conversionText = "*1", .abbreviation = "kg", .common = true},
            {.unitId = 102, .name = "Gram", .conversionText = "*0.001", .abbreviation = "g", .common = true},
            {.unitId = 103, .name = "Microgram", .conversionText = "*10^-9", .abbreviation = "\xB5g", .common = true}});
    add(26,
        {{.unitId = 101, .name = "x", .conversionText = "*1", .baseFormula = "x", .abbreviation = "x", .common = true},
         {.unitId = 102,
          .name = "Sine",
          .conversionText = "*sin(x)",
          .baseFormula = "asin(x)",
          .abbreviation = "sin(x)",
          .common = true},
         {.unitId = 103,
          .name = "Exponential",
          .conversionText = "*exp(x)",
          .baseFormula = "ln(x)",
          .abbreviation = "exp(x)",
          .common = true}});
    add(3, {{.unitId = 101, .name = "Joule", .conversionText = "*1", .abbreviation = "J", .common = true},
            {.unitId = 102,
             .name = "Kilowatt hour as counted by the meter of every household in the land",
             .conversionText = "*3600000",
             .abbreviation = "kWh (household)",
             .common = true}});
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCategories, categories).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kUnits, units).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kTemperatures, std::vector<TemperatureRecord>{}).has_value());
    ASSERT_FALSE(WriteRecordFile(data / data_file::kCurrencies, std::vector<CurrencyRecord>{}).has_value());
}

}  // namespace quantora::test
