#include "main/data_import.h"

#include "catalogue/catalogue.h"
#include "catalogue/cp1252.h"
#include "catalogue/record_file.h"
#include "main/category_import.h"
#include "main/currency_import.h"
#include "main/temperature_import.h"
#include "main/unit_import.h"

namespace quantora {

namespace {

constexpr std::string_view kDone = "done";
constexpr std::string_view kNoFileSelected = "No File Selected";

template <typename Import>
ImportOutcome ImportInto(const std::filesystem::path& masterPath, const std::filesystem::path& output, Import import) {
    ImportOutcome outcome;
    const MasterTextRead master = ReadMasterText(masterPath);
    if (!master.Ok()) {
        outcome.messages.push_back(master.error);
        return outcome;
    }
    auto result = import(master.text);
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
                               Import import) {
    ImportOutcome outcome;
    if (master) outcome = ImportInto(*master, output, import);
    outcome.messages.emplace_back(kDone);
    return outcome;
}

}  // namespace

ImportOutcome ImportCategoriesFile(const std::optional<std::filesystem::path>& master,
                                   const std::filesystem::path& dataFolder) {
    if (!master) return {{std::string(kNoFileSelected)}, {}};
    return ImportInto(*master, dataFolder / data_file::kCategories, ImportCategories);
}

ImportOutcome ImportUnitsFile(const std::optional<std::filesystem::path>& master,
                              const std::filesystem::path& dataFolder) {
    return ImportEndingDone(master, dataFolder / data_file::kUnits, ImportUnits);
}

ImportOutcome ImportTemperaturesFile(const std::optional<std::filesystem::path>& master,
                                     const std::filesystem::path& dataFolder) {
    return ImportEndingDone(master, dataFolder / data_file::kTemperatures, ImportTemperatures);
}

ImportOutcome ImportCurrenciesFile(const std::optional<std::filesystem::path>& rates,
                                   const std::filesystem::path& dataFolder) {
    return ImportEndingDone(rates, dataFolder / data_file::kCurrencies, ImportCurrencies);
}

ImportOutcome WriteVersionStampsFile(StampSet set, const std::filesystem::path& dataFolder) {
    ImportOutcome outcome;
    if (auto error = WriteRecordFile(dataFolder / kVersionListFile, VersionStamps(set))) {
        outcome.messages.push_back(*error);
    }
    return outcome;
}

}  // namespace quantora
