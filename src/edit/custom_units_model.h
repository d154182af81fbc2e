#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"

namespace quantora {

// Longest texts the unit dialog takes, in Windows-1252 characters: the record fields less their
// terminator, and for the value less the "* " that is stored in front of it.
inline constexpr std::size_t kMaxCategoryName = 79;
inline constexpr std::size_t kMaxUnitName = 79;
inline constexpr std::size_t kMaxAbbreviation = 29;
inline constexpr std::size_t kMaxUnitValue = 177;

// The unit dialog's fields, as typed (UTF-8); `referenceUnitId` is the chosen "of:" unit, -1 for none.
struct UnitEntryTexts {
    std::string name;
    std::string abbreviation;
    std::string value;
    std::int32_t referenceUnitId = -1;
};

// The result of an edit: `refusal` says why nothing changed; else `row` is the new line's row in
// its list.
struct EditOutcome {
    std::string refusal;
    std::size_t row = 0;

    bool Refused() const { return !refusal.empty(); }
};

// The Custom Units window's working data: every category in list order, the user's units and the
// common standard units of each category, and the id counters. Only "catcust.dat" and
// "itemcust.dat" are ever written.
class CustomUnitsModel {
public:
    // Reads the four files. When one that exists cannot be read in full, or holds an id no table
    // can take, the window must not open: the text names the file and why.
    std::optional<std::string> Load(const std::filesystem::path& dataFolder);

    std::span<const CategoryRecord> Categories() const { return categories_; }
    std::optional<std::size_t> SelectedLine() const { return selectedLine_; }
    // The user's units of the selected category in list order; empty without a selection.
    std::span<const UnitRecord> SelectedUnits() const;
    // The units a new or edited unit can be defined on: the common ones, then the user's.
    std::vector<UnitRecord> ReferenceChoices() const;

    std::int32_t CustomThreshold() const { return customThreshold_; }
    std::int32_t HighestCategoryId() const { return highestCategoryId_; }
    std::int32_t HighestUnitId() const { return highestUnitId_; }

    void SelectCategory(std::optional<std::size_t> line);
    EditOutcome AddCategory(std::string_view name);
    EditOutcome RenameCategory(std::string_view name);
    // Afterwards no category is selected.
    void RemoveCategory();

    EditOutcome AddUnit(const UnitEntryTexts& entry);
    // The dialog's texts for editing the unit `unitId` of the selected category.
    std::optional<UnitEntryTexts> ModifyPrefill(std::int32_t unitId) const;
    EditOutcome ModifyUnit(std::int32_t unitId, const UnitEntryTexts& entry);
    void RemoveUnit(std::int32_t unitId);

    // "catcust.dat": the user's categories in list order; "itemcust.dat": the user's units, by
    // category in list order. Returns the error of a file that could not be written.
    std::optional<std::string> Save(const std::filesystem::path& dataFolder) const;

private:
    std::optional<std::string> ReadCategoryFiles(const std::filesystem::path& dataFolder);
    std::optional<std::string> ReadUnitFiles(const std::filesystem::path& dataFolder);
    std::size_t PlaceCategory(CategoryRecord record);
    std::vector<UnitRecord>* SelectedTable();
    std::int32_t SelectedCategoryId() const;
    std::optional<std::string> FillUnit(UnitRecord& unit, const UnitEntryTexts& entry) const;
    std::size_t PlaceUnit(std::vector<UnitRecord>& table, UnitRecord unit);

    std::vector<CategoryRecord> categories_;
    std::array<std::vector<UnitRecord>, kCategoryIdCount> customTables_;
    std::array<std::vector<UnitRecord>, kCategoryIdCount> commonTables_;
    std::int32_t customThreshold_ = 0;
    std::int32_t highestCategoryId_ = 0;
    std::int32_t highestUnitId_ = 0;
    std::optional<std::size_t> selectedLine_;
};

}  // namespace quantora
