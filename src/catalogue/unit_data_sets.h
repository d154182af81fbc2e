#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/data_file_names.h"
#include "catalogue/record_set.h"
#include "catalogue/records.h"

namespace quantora {

// The outcome of a load. When a required file cannot be opened, `complete` is false, `error` names
// the file and the system's reason, and the sets hold what was read before it.
struct LoadReport {
    bool complete = true;
    std::string error;
    // Things skipped on the way: partial records at a file's end, records with an impossible category.
    std::vector<std::string> warnings;
};

// The six unit data files, each kept whole. The user's files stay apart from the standard ones.
struct UnitDataSets {
    RecordSet<CategoryRecord> categories;
    RecordSet<CategoryRecord> customCategories;
    RecordSet<UnitRecord> units;
    RecordSet<UnitRecord> customUnits;
    RecordSet<TemperatureRecord> temperatures;
    RecordSet<CurrencyRecord> currencies;
};

// Reads the files in the catalogue's order. The user's files count as empty when they are missing,
// and as empty with a warning when they cannot be read; a required file that cannot be read stops
// the load there.
LoadReport LoadUnitDataSets(const std::filesystem::path& dataFolder, UnitDataSets& sets);

}  // namespace quantora
