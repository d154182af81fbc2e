#include "catalogue/catalogue.h"

#include <algorithm>
#include <memory>

#include "catalogue/file_error.h"
#include "catalogue/name_order.h"

namespace quantora {

namespace {

void NoteBadCategory(LoadReport& report, std::string_view file, std::int32_t categoryId) {
    report.warnings.push_back(std::string(file) + ": skipped a record of category " + std::to_string(categoryId) +
                              " (category ids are 0 to 1999)");
}

}  // namespace

Catalogue Catalogue::Build(const UnitDataSets& sets, bool commonUnitsMode, LoadReport& report) {
    Catalogue catalogue;
    catalogue.commonUnitsMode_ = commonUnitsMode;
    catalogue.AddCategories(sets.categories.Records(), report);
    catalogue.AddCategories(sets.customCategories.Records(), report);
    auto plan = std::make_unique<RowPlan>();
    catalogue.AddStandardUnits(sets.units.Records(), *plan, report);
    catalogue.AddCustomUnits(sets.customUnits.Records(), *plan, report);
    catalogue.CopyRows(*plan);
    std::ranges::copy_if(sets.temperatures.Records(), std::back_inserter(catalogue.temperatures_),
                         [](const TemperatureRecord& r) { return r.IsVisible(); });
    std::ranges::copy_if(sets.currencies.Records(), std::back_inserter(catalogue.currencies_),
                         [](const CurrencyRecord& r) { return r.IsVisible(); });
    catalogue.ratesStamp_ = FindRatesStamp(sets.currencies.Records());
    return catalogue;
}

std::string Catalogue::CurrencyNote(std::span<const std::string> names) const {
    return CurrencyRatesNote(ratesStamp_, currencies_, names);
}

// An empty or zeroed file opens and reads as no records; the user must hear of it rather than
// see an empty window or a unit that seems not to exist.
LoadReport Catalogue::Load(const std::filesystem::path& dataFolder, bool commonUnitsMode) {
    UnitDataSets sets;
    LoadReport report = LoadUnitDataSets(dataFolder, sets);
    *this = Build(sets, commonUnitsMode, report);
    if (!report.complete) return report;
    if (categories_.empty()) {
        report.complete = false;
        report.error = PathText(dataFolder / data_file::kCategories) + ": no categories";
    } else if (std::ranges::all_of(unitTables_, [](const auto& table) { return table.empty(); })) {
        report.complete = false;
        report.error = PathText(dataFolder / data_file::kUnits) + ": no units";
    }
    return report;
}

void Catalogue::AddCategories(std::span<const CategoryRecord> records, LoadReport& report) {
    for (const CategoryRecord& record : records) {
        if (!record.IsVisible()) continue;
        if (!IsValidCategoryId(record.categoryId)) {
            NoteBadCategory(report, "categories", record.categoryId);
            continue;
        }
        const std::size_t at = SortedRecordPosition(categories_, record.name.Text());
        categories_.insert(categories_.begin() + static_cast<std::ptrdiff_t>(at), record);
    }
}

bool Catalogue::Keeps(const UnitRecord& unit) const {
    return (unit.IsCommon() || !commonUnitsMode_) && unit.IsVisible();
}

// The standard file holds each category's units as one run; a unit's row is its sorted place
// among the kept units of the run read so far.
void Catalogue::AddStandardUnits(std::span<const UnitRecord> records, RowPlan& plan, LoadReport& report) const {
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
        const std::size_t at = SortedInsertPosition(runNames, name);
        runNames.insert(runNames.begin() + static_cast<std::ptrdiff_t>(at), name);
        auto& table = plan[static_cast<std::size_t>(record.categoryId)];
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(std::min(at, table.size())), &record);
    }
}

void Catalogue::AddCustomUnits(std::span<const UnitRecord> records, RowPlan& plan, LoadReport& report) const {
    for (const UnitRecord& record : records) {
        if (!IsValidCategoryId(record.categoryId)) {
            NoteBadCategory(report, data_file::kCustomUnits, record.categoryId);
            continue;
        }
        if (!Keeps(record)) continue;
        auto& table = plan[static_cast<std::size_t>(record.categoryId)];
        const std::size_t at =
            SortedInsertPosition(table, record.name.Text(), [](const UnitRecord* row) { return row->name.Text(); });
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(at), &record);
    }
}

void Catalogue::CopyRows(const RowPlan& plan) {
    for (std::size_t id = 0; id < plan.size(); ++id) {
        auto& table = unitTables_[id];
        table.reserve(plan[id].size());
        for (const UnitRecord* row : plan[id]) table.push_back(*row);
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

}  // namespace quantora
