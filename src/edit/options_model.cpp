#include "edit/options_model.h"

#include <algorithm>
#include <utility>

#include "app/settings.h"
#include "catalogue/file_error.h"
#include "catalogue/name_order.h"
#include "catalogue/record_file.h"
#include "catalogue/unit_data_sets.h"

namespace quantora {

namespace {

void AddProblem(OptionsLoad& load, const std::string& text) {
    load.canSave = false;
    if (!load.problem.empty()) load.problem += '\n';
    load.problem += text;
}

// A file this window would rewrite must have been read whole.
template <typename Record>
std::vector<Record> ReadWhole(const std::filesystem::path& file, OptionsLoad& load) {
    RecordFile<Record> read = ReadRecordFile<Record>(file);
    if (!read.error.empty()) AddProblem(load, std::move(read.error));
    return std::move(read.records);
}

std::string BadIdProblem(const std::filesystem::path& file, std::int32_t id) {
    return PathText(file) + ": category id " + std::to_string(id) + " lies outside 0 to 1999";
}

std::uint8_t VisibleByte(bool checked) { return checked ? 1 : 0; }

}  // namespace

OptionSettings ReadOptionSettings(const ProfileStore& store) {
    OptionSettings settings;
    for (std::size_t i = 0; i < kOptionTextSettings.size(); ++i) {
        settings.texts[i] = ReadSetting(store, kOptionTextSettings[i]);
    }
    settings.separator = ReadSettingFlag(store, Setting::kSeperator);
    return settings;
}

OptionSettings DefaultOptionSettings() {
    OptionSettings settings;
    for (std::size_t i = 0; i < kOptionTextSettings.size(); ++i) {
        settings.texts[i] = std::string(SettingDefault(kOptionTextSettings[i]));
    }
    settings.separator = IsFlagOn(SettingDefault(Setting::kSeperator));
    return settings;
}

void WriteOptionSettings(ProfileStore& store, const OptionSettings& settings) {
    for (std::size_t i = 0; i < kOptionTextSettings.size(); ++i) {
        WriteSetting(store, kOptionTextSettings[i], settings.texts[i]);
    }
    WriteSettingFlag(store, Setting::kSeperator, settings.separator);
}

OptionsLoad OptionsModel::Load(const std::filesystem::path& dataFolder) {
    categories_.clear();
    for (auto& table : unitTables_) table.clear();
    categoryMarks_.clear();
    unitMarks_.clear();
    selectedCategory_.reset();
    OptionsLoad load;
    ReadCategories(dataFolder / data_file::kCategories, load);
    ReadUnits(dataFolder / data_file::kUnits, load);
    canSave_ = load.canSave;
    return load;
}

void OptionsModel::ReadCategories(const std::filesystem::path& file, OptionsLoad& load) {
    std::vector<CategoryRecord> records = ReadWhole<CategoryRecord>(file, load);
    categories_.reserve(records.size());
    for (CategoryRecord& record : records) {
        if (!IsValidCategoryId(record.categoryId)) {
            AddProblem(load, BadIdProblem(file, record.categoryId));
            continue;
        }
        const std::size_t at = SortedRecordPosition(categories_, record.name.Text());
        categoryMarks_.insert(categoryMarks_.begin() + static_cast<std::ptrdiff_t>(at), record.IsVisible());
        categories_.insert(categories_.begin() + static_cast<std::ptrdiff_t>(at), record);
    }
}

// Units are placed by name within their whole table, so a category whose units are not
// contiguous in the file still comes out in list order.
void OptionsModel::ReadUnits(const std::filesystem::path& file, OptionsLoad& load) {
    for (UnitRecord& record : ReadWhole<UnitRecord>(file, load)) {
        if (!IsValidCategoryId(record.categoryId)) {
            AddProblem(load, BadIdProblem(file, record.categoryId));
            continue;
        }
        auto& table = unitTables_[static_cast<std::size_t>(record.categoryId)];
        const std::size_t at = SortedRecordPosition(table, record.name.Text());
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(at), record);
    }
}

std::span<const UnitRecord> OptionsModel::Units(std::int32_t categoryId) const {
    if (!IsValidCategoryId(categoryId)) return {};
    return unitTables_[static_cast<std::size_t>(categoryId)];
}

std::vector<UnitRecord>* OptionsModel::SelectedUnits() {
    if (!selectedCategory_) return nullptr;
    return &unitTables_[static_cast<std::size_t>(categories_[*selectedCategory_].categoryId)];
}

void OptionsModel::MarkCategory(std::size_t line, bool checked) {
    if (line < categoryMarks_.size()) categoryMarks_[line] = checked;
}

void OptionsModel::MarkUnit(std::size_t row, bool checked) {
    if (row < unitMarks_.size()) unitMarks_[row] = checked;
}

void OptionsModel::SelectCategory(std::optional<std::size_t> line) {
    if (line && *line >= categories_.size()) line.reset();
    if (line) categories_[*line].visible = VisibleByte(categoryMarks_[*line]);
    ShowUnitsOf(line);
}

void OptionsModel::ShowUnitsOf(std::optional<std::size_t> line) {
    selectedCategory_ = line;
    unitMarks_.clear();
    const std::vector<UnitRecord>* units = SelectedUnits();
    if (units == nullptr) return;
    for (const UnitRecord& unit : *units) unitMarks_.push_back(unit.IsVisible());
}

void OptionsModel::LeaveCategoryList() {
    for (std::size_t line = 0; line < categories_.size(); ++line) {
        categories_[line].visible = VisibleByte(categoryMarks_[line]);
    }
}

void OptionsModel::SelectUnit(std::optional<std::size_t> row) {
    std::vector<UnitRecord>* units = SelectedUnits();
    if (units == nullptr || !row || *row >= units->size()) return;
    (*units)[*row].visible = VisibleByte(unitMarks_[*row]);
}

void OptionsModel::LeaveUnitList() {
    std::vector<UnitRecord>* units = SelectedUnits();
    if (units == nullptr) return;
    for (std::size_t row = 0; row < units->size(); ++row) (*units)[row].visible = VisibleByte(unitMarks_[row]);
}

void OptionsModel::MarkAllCategories(bool checked) {
    std::fill(categoryMarks_.begin(), categoryMarks_.end(), checked);
    for (CategoryRecord& category : categories_) category.visible = VisibleByte(checked);
}

void OptionsModel::MarkAllUnits(bool checked) {
    std::vector<UnitRecord>* units = SelectedUnits();
    if (units == nullptr) return;
    std::fill(unitMarks_.begin(), unitMarks_.end(), checked);
    for (UnitRecord& unit : *units) unit.visible = VisibleByte(checked);
}

void OptionsModel::ShowEverything() {
    MarkAllCategories(true);
    for (auto& table : unitTables_) {
        for (UnitRecord& unit : table) unit.visible = 1;
    }
    std::fill(unitMarks_.begin(), unitMarks_.end(), true);
}

// Every table is written, not only those of ids up to the number of categories: units of a
// category with a higher id, or of one that is missing, would otherwise be lost.
std::optional<std::string> OptionsModel::Save(const std::filesystem::path& dataFolder) const {
    if (!canSave_) return std::nullopt;
    if (auto error = WriteRecordFile(dataFolder / data_file::kCategories, categories_)) return error;
    std::vector<UnitRecord> units;
    for (const auto& table : unitTables_) units.insert(units.end(), table.begin(), table.end());
    return WriteRecordFile(dataFolder / data_file::kUnits, units);
}

}  // namespace quantora
