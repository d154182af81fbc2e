#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/rates_stamp.h"
#include "catalogue/records.h"
#include "catalogue/unit_data_sets.h"

namespace quantora {

// The main window's in-memory copy of the unit data, in display order.
class Catalogue {
public:
    // The display tables of the data sets. Hidden records are left out, the user's categories and
    // units are merged into the sorted order of the standard ones, and in common-units mode only
    // common units are kept. Records with an impossible category are skipped and noted in `report`.
    static Catalogue Build(const UnitDataSets& sets, bool commonUnitsMode, LoadReport& report);

    // Empties and refills everything from the data folder's files.
    LoadReport Load(const std::filesystem::path& dataFolder, bool commonUnitsMode);

    bool CommonUnitsMode() const { return commonUnitsMode_; }

    // Categories in the order of the category list: table index = list line.
    std::span<const CategoryRecord> Categories() const { return categories_; }
    std::size_t CategoryCount() const { return categories_.size(); }
    const CategoryRecord& CategoryAt(std::size_t line) const { return categories_.at(line); }

    // Units of a category in list order; empty for an id outside 0 to 1999.
    std::span<const UnitRecord> Units(std::int32_t categoryId) const;
    std::size_t UnitCount(std::int32_t categoryId) const { return Units(categoryId).size(); }
    const UnitRecord* UnitAt(std::int32_t categoryId, std::size_t row) const;

    // The first unit of the category's table with this id, searching from row 0.
    const UnitRecord* FindUnit(std::int32_t categoryId, std::int32_t unitId) const;
    std::optional<std::size_t> FindUnitRow(std::int32_t categoryId, std::int32_t unitId) const;

    std::span<const TemperatureRecord> Temperatures() const { return temperatures_; }
    std::span<const CurrencyRecord> Currencies() const { return currencies_; }
    // The note shown with currency values: the day and source of the rates, and which of the
    // named currencies (all of them when none is named) kept an older rate.
    std::string CurrencyNote(std::span<const std::string> names = {}) const;

private:
    void AddCategories(std::span<const CategoryRecord> records, LoadReport& report);
    // Rows are placed as pointers into the sets and copied once at the end: placing the 488-byte
    // records themselves moved most of a table on every insert.
    using RowPlan = std::array<std::vector<const UnitRecord*>, kCategoryIdCount>;
    void AddStandardUnits(std::span<const UnitRecord> records, RowPlan& plan, LoadReport& report) const;
    void AddCustomUnits(std::span<const UnitRecord> records, RowPlan& plan, LoadReport& report) const;
    void CopyRows(const RowPlan& plan);
    bool Keeps(const UnitRecord& unit) const;

    bool commonUnitsMode_ = false;
    std::vector<CategoryRecord> categories_;
    // One table per category id. On the heap, not inline: 48 KB of the object on the stack cost a
    // short command-line run a dozen page faults.
    std::vector<std::vector<UnitRecord>> unitTables_ = std::vector<std::vector<UnitRecord>>(kCategoryIdCount);
    std::vector<TemperatureRecord> temperatures_;
    std::vector<CurrencyRecord> currencies_;
    std::optional<RatesStamp> ratesStamp_;
};

}  // namespace quantora
