#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"
#include "lists/list_records.h"

namespace quantora::test {

// Records for test data, each text checked to fit its field.
struct UnitEntry {
    std::int32_t unitId = kBaseUnitId;
    std::string name = "";
    std::string conversionText = "";
    std::int32_t referenceUnitId = kBaseUnitId;
    bool reciprocal = false;
    std::string baseFormula = "";
    std::string abbreviation = "";
    bool common = false;
};

inline UnitRecord MakeUnit(std::int32_t categoryId, const UnitEntry& entry) {
    UnitRecord unit;
    unit.categoryId = categoryId;
    unit.unitId = entry.unitId;
    unit.reciprocal = entry.reciprocal ? 1 : 0;
    unit.referenceUnitId = entry.referenceUnitId;
    unit.common = entry.common ? 1 : 0;
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

inline CategoryRecord MakeCategory(std::int32_t id, std::string_view name, std::int32_t defaultSource = 0,
                                   std::int32_t defaultTarget = 0) {
    CategoryRecord category;
    category.categoryId = id;
    EXPECT_EQ(category.name.Assign(name, "name"), std::nullopt);
    category.defaultSourceUnitId = defaultSource;
    category.defaultTargetUnitId = defaultTarget;
    return category;
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

// The name of each record, in order, from a vector or a span of them.
template <typename Records>
std::vector<std::string> Names(const Records& records) {
    std::vector<std::string> names;
    for (const auto& record : records) names.push_back(record.name.Text());
    return names;
}

// A record with its "visible" byte set: 0 hides it, and any other value shows it.
template <typename Record>
Record WithVisible(Record record, std::uint8_t visible) {
    record.visible = visible;
    return record;
}

inline ConstantRecord MakeConstant(std::string_view name, std::string_view value, std::string_view uncertainty = "") {
    ConstantRecord record;
    EXPECT_EQ(record.name.Assign(name, "name"), std::nullopt);
    EXPECT_EQ(record.value.Assign(value, "value"), std::nullopt);
    EXPECT_EQ(record.uncertainty.Assign(uncertainty, "uncertainty"), std::nullopt);
    return record;
}

struct ElementEntry {
    std::int32_t atomicNumber = 0;
    std::string name = "";
    std::string symbol = "";
    std::string atomicWeight = "";
    std::string density = "";
    std::string oxidationStates = "";
    std::string description = "";
};

inline ElementRecord MakeElement(const ElementEntry& entry) {
    ElementRecord record;
    record.atomicNumber = entry.atomicNumber;
    EXPECT_EQ(record.name.Assign(entry.name, "name"), std::nullopt);
    EXPECT_EQ(record.symbol.Assign(entry.symbol, "symbol"), std::nullopt);
    EXPECT_EQ(record.atomicWeight.Assign(entry.atomicWeight, "atomicWeight"), std::nullopt);
    EXPECT_EQ(record.density.Assign(entry.density, "density"), std::nullopt);
    EXPECT_EQ(record.oxidationStates.Assign(entry.oxidationStates, "oxidationStates"), std::nullopt);
    EXPECT_EQ(record.description.Assign(entry.description, "description"), std::nullopt);
    return record;
}

}  // namespace quantora::test
