#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/profile_store.h"
#include "catalogue/records.h"

namespace quantora {

// Data file names in the data folder.
namespace data_file {
inline constexpr std::string_view kCategories = "cat.dat";
inline constexpr std::string_view kCustomCategories = "catcust.dat";
inline constexpr std::string_view kUnits = "item.dat";
inline constexpr std::string_view kCustomUnits = "itemcust.dat";
inline constexpr std::string_view kTemperatures = "temp.dat";
inline constexpr std::string_view kCurrencies = "curr.dat";
}  // namespace data_file

// The outcome of a load. When a required file cannot be opened, `complete` is false, `error` names
// the file and the system's reason, and the tables hold what was read before it.
struct LoadReport {
    bool complete = true;
    std::string error;
    // Things skipped on the way: partial records at a file's end, records with an impossible category.
    std::vector<std::string> warnings;
};

// The main window's in-memory copy of the unit data, in display order.
class Catalogue {
public:
    // Empties and refills everything from the data folder; "Common Units" is read from the profile.
    LoadReport Load(const ProfileStore& store, const std::filesystem::path& dataFolder);

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

private:
    void Clear();
    void AddCategories(std::span<const CategoryRecord> records, LoadReport& report);
    void AddStandardUnits(std::span<const UnitRecord> records, LoadReport& report);
    void AddCustomUnits(std::span<const UnitRecord> records, LoadReport& report);
    bool Keeps(const UnitRecord& unit) const;

    bool commonUnitsMode_ = false;
    std::vector<CategoryRecord> categories_;
    std::array<std::vector<UnitRecord>, kCategoryIdCount> unitTables_;
    std::vector<TemperatureRecord> temperatures_;
    std::vector<CurrencyRecord> currencies_;
};

// What a reload hands back to the window: the load's report and the category line to select again
// (the line that was selected before, when the new list still has it).
struct CatalogueReload {
    LoadReport report;
    std::optional<std::size_t> lineToSelect;
};

// Reload after the Options window's OK or an update that replaced files.
CatalogueReload ReloadCatalogue(Catalogue& catalogue, const ProfileStore& store,
                                const std::filesystem::path& dataFolder, std::optional<std::size_t> selectedLine);
// The "All Units" and "Common Units" choices: store the mode, then reload.
CatalogueReload ShowAllUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                             std::optional<std::size_t> selectedLine);
CatalogueReload ShowCommonUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                                std::optional<std::size_t> selectedLine);

}  // namespace quantora
