#include "masters/data_import.h"

#include <set>

#include "catalogue/catalogue.h"
#include "catalogue/cp1252.h"
#include "catalogue/file_error.h"
#include "catalogue/record_file.h"
#include "masters/category_import.h"
#include "masters/currency_import.h"
#include "masters/temperature_import.h"
#include "masters/unit_import.h"

namespace quantora {

namespace {

constexpr std::string_view kDone = "done";
constexpr std::string_view kNoFileSelected = "No File Selected";

// A unit whose category the master does not list would be stored where no window shows it.
UnitImport ImportUnitsOfListedCategories(const MasterText& master) {
    UnitImport units = ImportUnits(master);
    std::set<std::int32_t> listed;
    for (const CategoryRecord& category : ImportCategories(master).records) listed.insert(category.categoryId);
    for (std::size_t i = 0; i < units.records.size(); ++i) {
        const std::int32_t categoryId = units.records[i].categoryId;
        if (listed.contains(categoryId)) continue;
        units.errors.push_back(master.Fault(units.lines[i], "unit " + std::to_string(units.records[i].unitId) +
                                                                " of category " + std::to_string(categoryId) +
                                                                ", which the category list does not hold"));
    }
    return units;
}

// An import that finds nothing would leave the program with an empty table and no warning, as when
// the file picked is not a master text at all.
template <typename Import>
ImportOutcome ImportInto(const std::filesystem::path& masterPath, const std::filesystem::path& output, Import import,
                         std::string_view what) {
    ImportOutcome outcome;
    const MasterTextRead master = ReadMasterText(masterPath);
    if (!master.Ok()) {
        outcome.messages.push_back(master.error);
        return outcome;
    }
    auto result = import(master.text);
    if (result.Ok() && result.records.empty()) {
        result.errors.push_back(master.text.name + ": holds no " + std::string(what) + "; " +
                                PathText(output.filename()) + " was not written");
    }
    if (!result.Ok()) {
        outcome.messages = std::move(result.errors);
        return outcome;
    }
    if (auto error = WriteRecordFile(output, result.records)) {
        outcome.messages.push_back(*error);
        return outcome;
    }
    // The list lines are record texts; the window shows UTF-8.
    for (const std::string& line : result.listLines) outcome.listLines.push_back(Cp1252ToUtf8(line));
    return outcome;
}

// The unit, temperature and currency imports close with "done", also when the dialog was cancelled.
template <typename Import>
ImportOutcome ImportEndingDone(const std::optional<std::filesystem::path>& master, const std::filesystem::path& output,
                               Import import, std::string_view what) {
    ImportOutcome outcome;
    if (master) outcome = ImportInto(*master, output, import, what);
    outcome.messages.emplace_back(kDone);
    return outcome;
}

}  // namespace

ImportOutcome ImportCategoriesFile(const std::optional<std::filesystem::path>& master,
                                   const std::filesystem::path& dataFolder) {
    if (!master) return {{std::string(kNoFileSelected)}, {}};
    return ImportInto(*master, dataFolder / data_file::kCategories, ImportCategories, "categories");
}

ImportOutcome ImportUnitsFile(const std::optional<std::filesystem::path>& master,
                              const std::filesystem::path& dataFolder) {
    return ImportEndingDone(master, dataFolder / data_file::kUnits, ImportUnitsOfListedCategories, "units");
}

ImportOutcome ImportTemperaturesFile(const std::optional<std::filesystem::path>& master,
                                     const std::filesystem::path& dataFolder) {
    return ImportEndingDone(master, dataFolder / data_file::kTemperatures, ImportTemperatures, "temperature formulas");
}

ImportOutcome ImportCurrenciesFile(const std::optional<std::filesystem::path>& rates,
                                   const std::filesystem::path& dataFolder) {
    return ImportEndingDone(rates, dataFolder / data_file::kCurrencies, ImportCurrencies, "currency rates");
}

ImportOutcome WriteVersionStampsFile(StampSet set, const std::filesystem::path& dataFolder) {
    ImportOutcome outcome;
    if (auto error = WriteRecordFile(dataFolder / kVersionListFile, VersionStamps(set))) {
        outcome.messages.push_back(*error);
    }
    return outcome;
}

}  // namespace quantora
