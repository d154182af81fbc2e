#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "calc/formula_parser.h"
#include "catalogue/records.h"
#include "convert/format_settings.h"
#include "convert/test_locales.h"
#include "convert/unit_conversion.h"
#include "support/test_profile.h"

namespace quantora::test {

struct UnitEntry {
    std::int32_t unitId = kBaseUnitId;
    std::string name = "";
    std::string conversionText = "";
    std::int32_t referenceUnitId = kBaseUnitId;
    bool reciprocal = false;
    std::string baseFormula = "";
    std::string abbreviation = "";
};

inline UnitRecord MakeUnit(std::int32_t categoryId, const UnitEntry& entry) {
    UnitRecord unit;
    unit.categoryId = categoryId;
    unit.unitId = entry.unitId;
    unit.reciprocal = entry.reciprocal ? 1 : 0;
    unit.referenceUnitId = entry.referenceUnitId;
    EXPECT_EQ(unit.name.Assign(entry.name, "name"), std::nullopt);
    EXPECT_EQ(unit.abbreviation.Assign(entry.abbreviation, "abbreviation"), std::nullopt);
    EXPECT_EQ(unit.conversionText.Assign(entry.conversionText, "conversionText"), std::nullopt);
    EXPECT_EQ(unit.baseFormula.Assign(entry.baseFormula, "baseFormula"), std::nullopt);
    return unit;
}

inline std::vector<UnitRecord> MakeUnits(std::int32_t categoryId, const std::vector<UnitEntry>& entries) {
    std::vector<UnitRecord> units;
    for (const UnitEntry& entry : entries) units.push_back(MakeUnit(categoryId, entry));
    return units;
}

inline TemperatureRecord MakeTemperature(std::int32_t from, std::int32_t to, std::string_view formula) {
    TemperatureRecord record;
    record.fromUnitId = from;
    record.toUnitId = to;
    EXPECT_EQ(record.formula.Assign(formula, "formula"), std::nullopt);
    return record;
}

inline CurrencyRecord MakeCurrency(std::string_view name, double rate) {
    CurrencyRecord record;
    EXPECT_EQ(record.name.Assign(name, "name"), std::nullopt);
    record.rate = rate;
    return record;
}

struct StoredSetting {
    const char* key;
    const char* value;
};

using Rows = std::vector<std::optional<std::string>>;

// One run as the main window makes it: settings read from a real profile file.
inline ConversionResult RunConversion(const ConversionInput& input, const std::vector<StoredSetting>& stored = {}) {
    TestProfile profile;
    for (const auto& [key, value] : stored) WriteSetting(profile.Store(), key, value);
    FormulaParser parser;
    return ConvertUnits(input, ReadFormatSettings(profile.Store()), EnglishLocale(), parser);
}

}  // namespace quantora::test
