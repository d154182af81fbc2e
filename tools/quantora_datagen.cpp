// Builds the unit data files and the version list from their master texts. Run by the build:
//   quantora_datagen units <master.ini> <data folder>                      cat.dat, item.dat, temp.dat
//   quantora_datagen currencies <currencies.csv> <master.ini> <data folder> curr.dat
//   quantora_datagen stamps first|second <data folder>                      list.dat
// Every fault is printed as "<file>:<line>: <reason>" and nothing is written, so the build stops
// instead of shipping data the program would trip over.
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "masters/currency_import.h"
#include "masters/data_checks.h"
#include "masters/master_text.h"
#include "masters/version_stamps.h"

namespace {

namespace fs = std::filesystem;
using namespace quantora;

constexpr int kFault = 1;
constexpr int kUsage = 2;

int Usage() {
    std::cerr << "usage: quantora_datagen units <master.ini> <data folder>\n"
                 "       quantora_datagen currencies <currencies.csv> <master.ini> <data folder>\n"
                 "       quantora_datagen stamps first|second <data folder>\n";
    return kUsage;
}

bool Report(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) std::cerr << error << '\n';
    return errors.empty();
}

template <typename Record>
bool Write(const fs::path& path, const std::vector<Record>& records) {
    if (auto error = WriteRecordFile(path, records)) {
        std::cerr << "quantora_datagen: " << *error << '\n';
        return false;
    }
    return true;
}

std::optional<MasterText> Read(const fs::path& path) {
    MasterTextRead read = ReadMasterText(path);
    if (!read.Ok()) {
        std::cerr << read.error << '\n';
        return std::nullopt;
    }
    return std::move(read.text);
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

int BuildUnits(const fs::path& masterPath, const fs::path& dataFolder) {
    const std::optional<MasterText> master = Read(masterPath);
    if (!master) return kFault;
    const UnitDataImport data = ImportUnitData(*master);
    std::vector<std::string> errors = data.categories.errors;
    Append(errors, data.units.errors);
    Append(errors, data.temperatures.errors);
    Append(errors, CheckUnitData(*master, data));
    if (!Report(errors)) return kFault;
    fs::create_directories(dataFolder);
    const bool written = Write(dataFolder / data_file::kCategories, data.categories.records) &&
                         Write(dataFolder / data_file::kUnits, data.units.records) &&
                         Write(dataFolder / data_file::kTemperatures, data.temperatures.records);
    return written ? 0 : kFault;
}

int BuildCurrencies(const fs::path& ratesPath, const fs::path& masterPath, const fs::path& dataFolder) {
    const std::optional<MasterText> rates = Read(ratesPath);
    const std::optional<MasterText> master = Read(masterPath);
    if (!rates || !master) return kFault;
    const ImportResult<CurrencyRecord> currencies = ImportCurrencies(*rates);
    std::vector<std::string> errors = currencies.errors;
    Append(errors, CheckCurrencyRates(*master, ImportUnits(*master), currencies));
    if (!Report(errors)) return kFault;
    fs::create_directories(dataFolder);
    return Write(dataFolder / data_file::kCurrencies, currencies.records) ? 0 : kFault;
}

int BuildStamps(std::string_view set, const fs::path& dataFolder) {
    if (set != "first" && set != "second") return Usage();
    fs::create_directories(dataFolder);
    const bool written =
        Write(dataFolder / kVersionListFile, VersionStamps(set == "first" ? StampSet::kFirst : StampSet::kSecond));
    return written ? 0 : kFault;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "units") return BuildUnits(args[1], args[2]);
    if (args.size() == 4 && args[0] == "currencies") return BuildCurrencies(args[1], args[2], args[3]);
    if (args.size() == 3 && args[0] == "stamps") return BuildStamps(args[1], args[2]);
    return Usage();
}
