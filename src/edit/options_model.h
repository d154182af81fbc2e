#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/profile_store.h"
#include "app/setting_keys.h"
#include "catalogue/records.h"

namespace quantora {

// The number settings of the Options window, in the order of its edits, and the separator box.
inline constexpr std::array<Setting, 7> kOptionTextSettings = {
    Setting::kMin,     Setting::kSmallSymbol, Setting::kMax,   Setting::kBigSymbol,
    Setting::kDecimal, Setting::kExpMin,      Setting::kExpMax};

struct OptionSettings {
    std::array<std::string, kOptionTextSettings.size()> texts;  // UTF-8, as typed
    bool separator = true;
};

OptionSettings ReadOptionSettings(const ProfileStore& store);
OptionSettings DefaultOptionSettings();
// Stores every text as it stands: the formatting reads a text that is no number as 0.
void WriteOptionSettings(ProfileStore& store, const OptionSettings& settings);

// What opening found. A file that could not be read in full, or holds an id no table can take,
// is never rewritten from what was read: `canSave` is false and `problem` names the file and why.
struct OptionsLoad {
    bool canSave = true;
    std::string problem;
};

// The Options window's working copy of "cat.dat" and "item.dat". It keeps the check marks of the
// two lists beside the records: a mark reaches its record only at the moments the list reports
// (a selection, leaving the list, the buttons), so a window in step with these calls behaves as
// the list boxes it shows.
class OptionsModel {
public:
    OptionsLoad Load(const std::filesystem::path& dataFolder);
    bool CanSave() const { return canSave_; }

    // Categories in list order; units of one category in list order.
    std::span<const CategoryRecord> Categories() const { return categories_; }
    std::span<const UnitRecord> Units(std::int32_t categoryId) const;

    // The marks the two lists show; the unit list is empty while no category is selected.
    const std::vector<bool>& CategoryMarks() const { return categoryMarks_; }
    const std::vector<bool>& UnitMarks() const { return unitMarks_; }
    std::optional<std::size_t> SelectedCategory() const { return selectedCategory_; }

    // The user ticks or unticks a line: only the list's mark changes.
    void MarkCategory(std::size_t line, bool checked);
    void MarkUnit(std::size_t row, bool checked);

    // The selected line's mark goes into its record, then the unit list shows that category.
    void SelectCategory(std::optional<std::size_t> line);
    void LeaveCategoryList();
    void SelectUnit(std::optional<std::size_t> row);
    void LeaveUnitList();

    void MarkAllCategories(bool checked);
    void MarkAllUnits(bool checked);
    // Every category and unit visible again, as the Defaults button wants.
    void ShowEverything();

    // "cat.dat" in list order; "item.dat" grouped by ascending category id, each group in list
    // order. Returns the error of a file that could not be written.
    std::optional<std::string> Save(const std::filesystem::path& dataFolder) const;

private:
    void ReadCategories(const std::filesystem::path& file, OptionsLoad& load);
    void ReadUnits(const std::filesystem::path& file, OptionsLoad& load);
    std::vector<UnitRecord>* SelectedUnits();
    void ShowUnitsOf(std::optional<std::size_t> line);

    bool canSave_ = false;
    std::vector<CategoryRecord> categories_;
    std::array<std::vector<UnitRecord>, kCategoryIdCount> unitTables_;
    std::vector<bool> categoryMarks_;
    std::vector<bool> unitMarks_;
    std::optional<std::size_t> selectedCategory_;
};

}  // namespace quantora
