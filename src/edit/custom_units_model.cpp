#include "edit/custom_units_model.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "catalogue/cp1252.h"
#include "catalogue/file_error.h"
#include "catalogue/name_order.h"
#include "catalogue/record_file.h"
#include "catalogue/unit_data_sets.h"
#include "edit/field_text.h"

namespace quantora {

namespace {

// Standard category ids stay below this; the user's start above it.
constexpr std::int32_t kLowestCustomThreshold = 1001;
// The highest unit id of a category never starts below this.
constexpr std::int32_t kLowestUnitId = 1;
// A new category has no units yet; its first one gets this id, so the main window picks it as
// source and destination once it exists.
constexpr std::int32_t kFirstNewUnitId = kLowestUnitId + 1;
constexpr std::string_view kUnitPrefix = "* ";

// The file's records; a file that exists must be read whole, a missing one counts as empty
// unless it is required.
template <typename Record>
std::optional<std::string> ReadWhole(const std::filesystem::path& file, bool required, std::vector<Record>& records) {
    std::error_code ignored;
    if (!required && !std::filesystem::exists(file, ignored)) return std::nullopt;
    RecordFile<Record> read = ReadRecordFile<Record>(file);
    if (!read.error.empty()) return std::move(read.error);
    for (const Record& record : read.records) {
        if (!IsValidCategoryId(record.categoryId)) {
            return PathText(file) + ": category id " + std::to_string(record.categoryId) + " lies outside 0 to 1999";
        }
    }
    records = std::move(read.records);
    return std::nullopt;
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <typename Record>
auto FindUnitId(std::vector<Record>& table, std::int32_t unitId) {
    return std::ranges::find(table, unitId, &UnitRecord::unitId);
}

}  // namespace

std::optional<std::string> CustomUnitsModel::Load(const std::filesystem::path& dataFolder) {
    categories_.clear();
    for (auto& table : customTables_) table.clear();
    for (auto& table : commonTables_) table.clear();
    highestCategoryId_ = 0;
    highestUnitId_ = 0;
    selectedLine_.reset();
    if (auto error = ReadCategoryFiles(dataFolder)) return error;
    return ReadUnitFiles(dataFolder);
}

std::optional<std::string> CustomUnitsModel::ReadCategoryFiles(const std::filesystem::path& dataFolder) {
    std::vector<CategoryRecord> standard;
    std::vector<CategoryRecord> custom;
    if (auto error = ReadWhole(dataFolder / data_file::kCategories, true, standard)) return error;
    if (auto error = ReadWhole(dataFolder / data_file::kCustomCategories, false, custom)) return error;
    for (CategoryRecord& record : standard) PlaceCategory(record);
    highestCategoryId_ = std::max(highestCategoryId_, kLowestCustomThreshold);
    customThreshold_ = highestCategoryId_;
    for (CategoryRecord& record : custom) PlaceCategory(record);
    return std::nullopt;
}

// A user's unit whose category is gone keeps its category id reserved, so that a new category
// never adopts it by accident.
std::optional<std::string> CustomUnitsModel::ReadUnitFiles(const std::filesystem::path& dataFolder) {
    std::vector<UnitRecord> standard;
    std::vector<UnitRecord> custom;
    if (auto error = ReadWhole(dataFolder / data_file::kUnits, false, standard)) return error;
    if (auto error = ReadWhole(dataFolder / data_file::kCustomUnits, false, custom)) return error;
    for (UnitRecord& record : standard) {
        if (record.IsCommon()) commonTables_[static_cast<std::size_t>(record.categoryId)].push_back(record);
    }
    for (UnitRecord& record : custom) {
        highestCategoryId_ = std::max(highestCategoryId_, record.categoryId);
        PlaceUnit(customTables_[static_cast<std::size_t>(record.categoryId)], record);
    }
    return std::nullopt;
}

std::size_t CustomUnitsModel::PlaceCategory(CategoryRecord record) {
    highestCategoryId_ = std::max(highestCategoryId_, record.categoryId);
    const std::size_t at = SortedRecordPosition(categories_, record.name.Text());
    categories_.insert(categories_.begin() + static_cast<std::ptrdiff_t>(at), record);
    return at;
}

std::size_t CustomUnitsModel::PlaceUnit(std::vector<UnitRecord>& table, UnitRecord unit) {
    const std::size_t at = SortedRecordPosition(table, unit.name.Text());
    table.insert(table.begin() + static_cast<std::ptrdiff_t>(at), unit);
    return at;
}

std::int32_t CustomUnitsModel::SelectedCategoryId() const { return categories_[*selectedLine_].categoryId; }

std::vector<UnitRecord>* CustomUnitsModel::SelectedTable() {
    if (!selectedLine_) return nullptr;
    return &customTables_[static_cast<std::size_t>(SelectedCategoryId())];
}

std::span<const UnitRecord> CustomUnitsModel::SelectedUnits() const {
    if (!selectedLine_) return {};
    return customTables_[static_cast<std::size_t>(SelectedCategoryId())];
}

std::vector<UnitRecord> CustomUnitsModel::ReferenceChoices() const {
    if (!selectedLine_) return {};
    std::vector<UnitRecord> choices = commonTables_[static_cast<std::size_t>(SelectedCategoryId())];
    const auto custom = SelectedUnits();
    choices.insert(choices.end(), custom.begin(), custom.end());
    return choices;
}

void CustomUnitsModel::SelectCategory(std::optional<std::size_t> line) {
    if (line && *line >= categories_.size()) line.reset();
    selectedLine_ = line;
    highestUnitId_ = kLowestUnitId;
    for (const UnitRecord& unit : ReferenceChoices()) highestUnitId_ = std::max(highestUnitId_, unit.unitId);
}

EditOutcome CustomUnitsModel::AddCategory(std::string_view name) {
    const FieldText text = ToFieldText(name, kMaxCategoryName, "The category name");
    if (text.Refused()) return {text.refusal};
    if (highestCategoryId_ + 1 >= kCategoryIdCount) {
        return {"No category can be added: category ids end at " + std::to_string(kCategoryIdCount - 1) + ", and " +
                std::to_string(highestCategoryId_) + " is taken."};
    }
    CategoryRecord record;
    record.categoryId = highestCategoryId_ + 1;
    (void)record.name.Assign(text.bytes, "name");
    record.defaultSourceUnitId = kFirstNewUnitId;
    record.defaultTargetUnitId = kFirstNewUnitId;
    record.visible = 1;
    const std::size_t line = PlaceCategory(record);
    SelectCategory(line);
    return {"", line};
}

EditOutcome CustomUnitsModel::RenameCategory(std::string_view name) {
    if (!selectedLine_) return {"No category is selected."};
    const FieldText text = ToFieldText(name, kMaxCategoryName, "The category name");
    if (text.Refused()) return {text.refusal};
    CategoryRecord record = categories_[*selectedLine_];
    (void)record.name.Assign(text.bytes, "name");
    categories_.erase(categories_.begin() + static_cast<std::ptrdiff_t>(*selectedLine_));
    const std::size_t line = PlaceCategory(record);
    SelectCategory(line);
    return {"", line};
}

// A removed user category takes its units with it; a standard one comes back at the next
// opening, and so do the user's units in it.
void CustomUnitsModel::RemoveCategory() {
    if (!selectedLine_) return;
    const std::int32_t id = SelectedCategoryId();
    if (id > customThreshold_) customTables_[static_cast<std::size_t>(id)].clear();
    categories_.erase(categories_.begin() + static_cast<std::ptrdiff_t>(*selectedLine_));
    selectedLine_.reset();
}

std::optional<std::string> CustomUnitsModel::FillUnit(UnitRecord& unit, const UnitEntryTexts& entry) const {
    const FieldText name = ToFieldText(entry.name, kMaxUnitName, "The unit name");
    if (name.Refused()) return name.refusal;
    const FieldText abbreviation = ToFieldText(entry.abbreviation, kMaxAbbreviation, "The abbreviation");
    if (abbreviation.Refused()) return abbreviation.refusal;
    const FieldText value = ToFieldText(entry.value, kMaxUnitValue, "The value");
    if (value.Refused()) return value.refusal;
    (void)unit.name.Assign(name.bytes, "name");
    (void)unit.abbreviation.Assign(abbreviation.bytes, "abbreviation");
    (void)unit.conversionText.Assign(std::string(kUnitPrefix) + value.bytes, "conversionText");
    unit.common = 1;
    unit.visible = 1;
    unit.referenceUnitId = entry.referenceUnitId > 0 ? entry.referenceUnitId : kBaseUnitId;
    if (unit.referenceUnitId == unit.unitId) unit.referenceUnitId = kBaseUnitId;
    return std::nullopt;
}

EditOutcome CustomUnitsModel::AddUnit(const UnitEntryTexts& entry) {
    std::vector<UnitRecord>* table = SelectedTable();
    if (table == nullptr) return {"No category is selected."};
    if (highestUnitId_ == std::numeric_limits<std::int32_t>::max()) return {"No unit id is left in this category."};
    UnitRecord unit;
    unit.categoryId = SelectedCategoryId();
    unit.unitId = highestUnitId_ + 1;
    if (auto refusal = FillUnit(unit, entry)) return {std::move(*refusal)};
    ++highestUnitId_;
    return {"", PlaceUnit(*table, unit)};
}

std::optional<UnitEntryTexts> CustomUnitsModel::ModifyPrefill(std::int32_t unitId) const {
    const auto units = SelectedUnits();
    const auto unit = std::ranges::find(units, unitId, &UnitRecord::unitId);
    if (unit == units.end()) return std::nullopt;
    const std::string conversion = unit->conversionText.Text();
    UnitEntryTexts entry;
    entry.name = Cp1252ToUtf8(unit->name.Text());
    entry.abbreviation = Cp1252ToUtf8(unit->abbreviation.Text());
    entry.value = Cp1252ToUtf8(TrimBlanksAndTabs(std::string_view(conversion).substr(conversion.empty() ? 0 : 1)));
    // In a category of the user's own (ids below the base unit's), a unit defined on the base
    // unit is shown as defined on itself.
    const bool ownBase = unit->referenceUnitId == kBaseUnitId && highestUnitId_ < kBaseUnitId;
    entry.referenceUnitId = ownBase ? unit->unitId : unit->referenceUnitId;
    return entry;
}

// The edited record keeps its place in list order, so the table and the list stay in step.
EditOutcome CustomUnitsModel::ModifyUnit(std::int32_t unitId, const UnitEntryTexts& entry) {
    std::vector<UnitRecord>* table = SelectedTable();
    if (table == nullptr) return {"No category is selected."};
    const auto found = FindUnitId(*table, unitId);
    if (found == table->end()) return {"The unit is no longer there."};
    UnitRecord unit = *found;
    if (auto refusal = FillUnit(unit, entry)) return {std::move(*refusal)};
    table->erase(found);
    return {"", PlaceUnit(*table, unit)};
}

void CustomUnitsModel::RemoveUnit(std::int32_t unitId) {
    std::vector<UnitRecord>* table = SelectedTable();
    if (table == nullptr) return;
    const auto found = FindUnitId(*table, unitId);
    if (found != table->end()) table->erase(found);
}

// The user's units follow their categories in list order; units whose category is not listed
// (gone from the files, or a standard one removed for this session) follow by id, so none is lost.
std::optional<std::string> CustomUnitsModel::Save(const std::filesystem::path& dataFolder) const {
    std::vector<CategoryRecord> custom;
    std::vector<UnitRecord> units;
    std::array<bool, kCategoryIdCount> written{};
    auto writeTable = [&](std::int32_t id) {
        auto& done = written[static_cast<std::size_t>(id)];
        if (done) return;
        done = true;
        const auto& table = customTables_[static_cast<std::size_t>(id)];
        units.insert(units.end(), table.begin(), table.end());
    };
    for (const CategoryRecord& category : categories_) {
        if (category.categoryId > customThreshold_) custom.push_back(category);
        writeTable(category.categoryId);
    }
    for (std::int32_t id = 0; id < kCategoryIdCount; ++id) writeTable(id);
    if (auto error = WriteRecordFile(dataFolder / data_file::kCustomCategories, custom)) return error;
    return WriteRecordFile(dataFolder / data_file::kCustomUnits, units);
}

}  // namespace quantora
