#include "catalogue/unit_data_sets.h"

#include <utility>

namespace quantora {

namespace {

template <typename Record>
RecordSetLoad LoadNoting(RecordSet<Record>& set, const std::filesystem::path& path, LoadReport& report) {
    RecordSetLoad load = set.Load(path);
    report.warnings.insert(report.warnings.end(), load.warnings.begin(), load.warnings.end());
    return load;
}

// A user's file may be absent; one that is there and cannot be read is worth a word.
template <typename Record>
void LoadOptional(RecordSet<Record>& set, const std::filesystem::path& path, LoadReport& report) {
    RecordSetLoad load = LoadNoting(set, path, report);
    if (!load.opened && !load.missing) report.warnings.push_back(std::move(load.error));
}

template <typename Record>
bool LoadRequired(RecordSet<Record>& set, const std::filesystem::path& path, LoadReport& report) {
    RecordSetLoad load = LoadNoting(set, path, report);
    if (load.opened) return true;
    report.complete = false;
    report.error = std::move(load.error);
    return false;
}

}  // namespace

LoadReport LoadUnitDataSets(const std::filesystem::path& dataFolder, UnitDataSets& sets) {
    sets = {};
    LoadReport report;
    if (!LoadRequired(sets.categories, dataFolder / data_file::kCategories, report)) return report;
    LoadOptional(sets.customCategories, dataFolder / data_file::kCustomCategories, report);
    if (!LoadRequired(sets.units, dataFolder / data_file::kUnits, report)) return report;
    LoadOptional(sets.customUnits, dataFolder / data_file::kCustomUnits, report);
    if (!LoadRequired(sets.temperatures, dataFolder / data_file::kTemperatures, report)) return report;
    LoadRequired(sets.currencies, dataFolder / data_file::kCurrencies, report);
    return report;
}

}  // namespace quantora
