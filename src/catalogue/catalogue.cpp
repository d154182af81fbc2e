#include "catalogue/catalogue.h"

#include <algorithm>

#include "app/settings.h"
#include "catalogue/name_order.h"
#include "catalogue/record_file.h"

namespace quantora {

namespace {

constexpr std::string_view kCommonUnitsKey = "Common Units";

// Index after every entry whose name sorts before or equal to `name`: equal names keep file order.
template <typename Record>
std::size_t SortedPosition(std::span<const Record> sorted, const std::string& name) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), name, [](const std::string& key, const Record& r) {
        return CompareNames(key, r.name.Text()) < 0;
    });
    return static_cast<std::size_t>(at - sorted.begin());
}

std::size_t SortedPosition(const std::vector<std::string>& sorted, const std::string& name) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), name,
                                     [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
    return static_cast<std::size_t>(at - sorted.begin());
}

void NoteBadCategory(LoadReport& report, std::string_view file, std::int32_t categoryId) {
    report.warnings.push_back(std::string(file) + ": skipped a record of category " + std::to_string(categoryId) +
                              " (category ids are 0 to 1999)");
}

template <typename Record>
std::optional<RecordFile<Record>> ReadRequired(const std::filesystem::path& folder, std::string_view name,
                                               LoadReport& report) {
    auto file = ReadRecordFile<Record>(folder / name);
    if (!file.opened) {
        report.complete = false;
        report.error = file.error;
        return std::nullopt;
    }
    if (!file.error.empty()) report.warnings.push_back(file.error);
    return file;
}

template <typename Record>
std::vector<Record> ReadOptional(const std::filesystem::path& folder, std::string_view name, LoadReport& report) {
    auto file = ReadRecordFile<Record>(folder / name);
    if (file.opened && !file.error.empty()) report.warnings.push_back(file.error);
    return std::move(file.records);
}

}  // namespace

LoadReport Catalogue::Load(const ProfileStore& store, const std::filesystem::path& dataFolder) {
    LoadReport report;
    commonUnitsMode_ = IsFlagOn(ReadSetting(store, kCommonUnitsKey));
    Clear();

    const auto categories = ReadRequired<CategoryRecord>(dataFolder, data_file::kCategories, report);
    if (!categories) return report;
    AddCategories(categories->records, report);
    AddCategories(ReadOptional<CategoryRecord>(dataFolder, data_file::kCustomCategories, report), report);

    const auto units = ReadRequired<UnitRecord>(dataFolder, data_file::kUnits, report);
    if (!units) return report;
    AddStandardUnits(units->records, report);
    AddCustomUnits(ReadOptional<UnitRecord>(dataFolder, data_file::kCustomUnits, report), report);

    const auto temperatures = ReadRequired<TemperatureRecord>(dataFolder, data_file::kTemperatures, report);
    if (!temperatures) return report;
    std::ranges::copy_if(temperatures->records, std::back_inserter(temperatures_),
                         [](const TemperatureRecord& r) { return r.IsVisible(); });

    const auto currencies = ReadRequired<CurrencyRecord>(dataFolder, data_file::kCurrencies, report);
    if (!currencies) return report;
    std::ranges::copy_if(currencies->records, std::back_inserter(currencies_),
                         [](const CurrencyRecord& r) { return r.IsVisible(); });
    return report;
}

void Catalogue::Clear() {
    categories_.clear();
    for (auto& table : unitTables_) table.clear();
    temperatures_.clear();
    currencies_.clear();
}

void Catalogue::AddCategories(std::span<const CategoryRecord> records, LoadReport& report) {
    for (const CategoryRecord& record : records) {
        if (!record.IsVisible()) continue;
        if (!IsValidCategoryId(record.categoryId)) {
            NoteBadCategory(report, "categories", record.categoryId);
            continue;
        }
        const auto at = SortedPosition<CategoryRecord>(categories_, record.name.Text());
        categories_.insert(categories_.begin() + static_cast<std::ptrdiff_t>(at), record);
    }
}

bool Catalogue::Keeps(const UnitRecord& unit) const {
    return (unit.IsCommon() || !commonUnitsMode_) && unit.IsVisible();
}

// The standard file holds each category's units as one run; a unit's row is its sorted place
// among the kept units of the run read so far.
void Catalogue::AddStandardUnits(std::span<const UnitRecord> records, LoadReport& report) {
    std::optional<std::int32_t> runCategory;
    std::vector<std::string> runNames;
    for (const UnitRecord& record : records) {
        if (!IsValidCategoryId(record.categoryId)) {
            NoteBadCategory(report, data_file::kUnits, record.categoryId);
            continue;
        }
        if (runCategory != record.categoryId) {
            runCategory = record.categoryId;
            runNames.clear();
        }
        if (!Keeps(record)) continue;
        const std::string name = record.name.Text();
        const std::size_t at = SortedPosition(runNames, name);
        runNames.insert(runNames.begin() + static_cast<std::ptrdiff_t>(at), name);
        auto& table = unitTables_[static_cast<std::size_t>(record.categoryId)];
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(std::min(at, table.size())), record);
    }
}

void Catalogue::AddCustomUnits(std::span<const UnitRecord> records, LoadReport& report) {
    for (const UnitRecord& record : records) {
        if (!IsValidCategoryId(record.categoryId)) {
            NoteBadCategory(report, data_file::kCustomUnits, record.categoryId);
            continue;
        }
        if (!Keeps(record)) continue;
        auto& table = unitTables_[static_cast<std::size_t>(record.categoryId)];
        const auto at = SortedPosition<UnitRecord>(table, record.name.Text());
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(at), record);
    }
}

std::span<const UnitRecord> Catalogue::Units(std::int32_t categoryId) const {
    if (!IsValidCategoryId(categoryId)) return {};
    return unitTables_[static_cast<std::size_t>(categoryId)];
}

const UnitRecord* Catalogue::UnitAt(std::int32_t categoryId, std::size_t row) const {
    const auto units = Units(categoryId);
    return row < units.size() ? &units[row] : nullptr;
}

std::optional<std::size_t> Catalogue::FindUnitRow(std::int32_t categoryId, std::int32_t unitId) const {
    const auto units = Units(categoryId);
    const auto it = std::ranges::find(units, unitId, &UnitRecord::unitId);
    if (it == units.end()) return std::nullopt;
    return static_cast<std::size_t>(it - units.begin());
}

const UnitRecord* Catalogue::FindUnit(std::int32_t categoryId, std::int32_t unitId) const {
    const auto row = FindUnitRow(categoryId, unitId);
    return row ? UnitAt(categoryId, *row) : nullptr;
}

CatalogueReload ReloadCatalogue(Catalogue& catalogue, const ProfileStore& store,
                                const std::filesystem::path& dataFolder, std::optional<std::size_t> selectedLine) {
    CatalogueReload reload{catalogue.Load(store, dataFolder), std::nullopt};
    if (selectedLine && *selectedLine < catalogue.CategoryCount()) reload.lineToSelect = selectedLine;
    return reload;
}

CatalogueReload ShowAllUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                             std::optional<std::size_t> selectedLine) {
    WriteSetting(store, kCommonUnitsKey, "0");
    return ReloadCatalogue(catalogue, store, dataFolder, selectedLine);
}

CatalogueReload ShowCommonUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                                std::optional<std::size_t> selectedLine) {
    WriteSetting(store, kCommonUnitsKey, "1");
    return ReloadCatalogue(catalogue, store, dataFolder, selectedLine);
}

}  // namespace quantora
