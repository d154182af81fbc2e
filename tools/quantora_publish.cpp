// Builds a folder an update server can serve: the six data files from the master texts and a
// "list.dat" that gives each of them one version.
//   quantora_publish <master folder> <output folder> [--rates eurofxref-daily.xml] [--version N]
// The master folder holds units.ini, currencies.csv, constants.tsv and elements.txt (data/ of
// the source tree). With --rates, every currency the European Central Bank's daily reference
// file lists gets that day's rate, "curr.dat" is stamped with the day and the bank's name, and the
// version defaults to the file's date as YYMMDD.
// Nothing is written when a master text or the rates file has a fault.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/rates_stamp.h"
#include "catalogue/record_file.h"
#include "catalogue/unit_data_sets.h"
#include "lists/list_sources.h"
#include "masters/currency_import.h"
#include "masters/data_checks.h"
#include "masters/master_text.h"
#include "update/list_entry.h"
#include "update/reference_rates.h"

namespace {

namespace fs = std::filesystem;
using namespace quantora;

constexpr int kFault = 1;
constexpr int kUsage = 2;

int Usage() {
    std::cerr << "usage: quantora_publish <master folder> <output folder> [--rates eurofxref-daily.xml] "
                 "[--version N]\n";
    return kUsage;
}

std::optional<std::string> ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "quantora_publish: " << FileError(path) << '\n';
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bank's file through the program's own reader; the fault names the file.
std::optional<ReferenceRates> ParseReferenceRates(std::string_view xml, const std::string& name) {
    auto read = ReadReferenceRates(xml);
    if (const auto* fault = std::get_if<std::string>(&read)) {
        std::cerr << name << ": " << *fault << '\n';
        return std::nullopt;
    }
    return std::get<ReferenceRates>(std::move(read));
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A currency line is "Name;US dollars per unit; CODE, note"; a note that ends in "<n> per euro"
// gives the rate through the euro, which today's reference rate replaces when the bank lists CODE.
std::string RatedLine(const std::string& line, const ReferenceRates& rates) {
    const std::size_t first = line.find(';');
    const std::size_t second = first == std::string::npos ? first : line.find(';', first + 1);
    if (second == std::string::npos) return line;
    const std::string note = line.substr(second + 1);
    const std::size_t codeStart = note.find_first_not_of(' ');
    const std::string code = codeStart == std::string::npos ? "" : note.substr(codeStart, 3);
    const double usdPerEuro = rates.perEuro.at("USD");
    const std::string head = line.substr(0, first + 1);
    if (code == "EUR") return head + Number(usdPerEuro) + ";" + note;
    const std::size_t perEuro = note.rfind(" per euro");
    if (perEuro == std::string::npos) return line;
    const std::size_t numberStart = note.rfind(' ', perEuro - 1) + 1;
    double unitsPerEuro = std::strtod(note.c_str() + numberStart, nullptr);
    if (const auto listed = rates.perEuro.find(code); listed != rates.perEuro.end()) unitsPerEuro = listed->second;
    if (!(unitsPerEuro > 0)) return line;
    return head + Number(usdPerEuro / unitsPerEuro) + ";" + note;
}

template <typename Record>
bool Write(const fs::path& path, const std::vector<Record>& records) {
    if (auto error = WriteRecordFile(path, records)) {
        std::cerr << "quantora_publish: " << *error << '\n';
        return false;
    }
    return true;
}

bool Report(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) std::cerr << error << '\n';
    return errors.empty();
}

struct Options {
    fs::path masters;
    fs::path output;
    std::optional<fs::path> rates;
    std::optional<std::string> version;
};

std::optional<Options> ParseOptions(const std::vector<std::string_view>& args) {
    Options options;
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--rates" || args[i] == "--version") && i + 1 < args.size()) {
            if (args[i] == "--rates")
                options.rates = fs::path(args[++i]);
            else
                options.version = std::string(args[++i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) return std::nullopt;
    options.masters = positional[0];
    options.output = positional[1];
    return options;
}

// Up to seven digits, the room a version has in "list.dat".
bool IsVersion(std::string_view text) {
    return !text.empty() && text.size() <= 7 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int Publish(const Options& options) {
    MasterTextRead master = ReadMasterText(options.masters / "units.ini");
    MasterTextRead currencies = ReadMasterText(options.masters / "currencies.csv");
    if (!master.Ok() || !currencies.Ok()) {
        for (const MasterTextRead* read : {&master, &currencies}) {
            if (!read->Ok()) std::cerr << read->error << '\n';
        }
        return kFault;
    }
    std::string version = options.version.value_or("");
    std::optional<RatesStamp> stamp;
    if (options.rates) {
        const std::optional<std::string> xml = ReadWhole(*options.rates);
        if (!xml) return kFault;
        const std::optional<ReferenceRates> rates = ParseReferenceRates(*xml, options.rates->string());
        if (!rates) return kFault;
        for (std::string& line : currencies.text.lines) line = RatedLine(line, *rates);
        stamp = RatesStamp{rates->date, rates->sender.empty() ? options.rates->filename().string() : rates->sender};
        if (version.empty()) version = rates->date.substr(2, 2) + rates->date.substr(5, 2) + rates->date.substr(8, 2);
    }
    if (!IsVersion(version)) {
        std::cerr << "quantora_publish: the version \"" << version << "\" is not 1 to 7 digits (give --version)\n";
        return kFault;
    }
    const UnitDataImport units = ImportUnitData(master.text);
    ImportResult<CurrencyRecord> rated = ImportCurrencies(currencies.text);
    if (stamp) {
        const std::optional<CurrencyRecord> record = MakeRatesStampRecord(*stamp);
        if (!record) {
            std::cerr << "quantora_publish: the rates' source name is too long for curr.dat\n";
            return kFault;
        }
        SetRatesStamp(rated.records, *record);
    }
    std::vector<std::string> errors = units.categories.errors;
    for (const auto* more : {&units.units.errors, &units.temperatures.errors, &std::as_const(rated).errors}) {
        errors.insert(errors.end(), more->begin(), more->end());
    }
    for (const std::string& error : CheckUnitData(master.text, units)) errors.push_back(error);
    for (const std::string& error : CheckCurrencyRates(master.text, ImportUnits(master.text), rated)) {
        errors.push_back(error);
    }
    const std::optional<std::string> constantsText = ReadWhole(options.masters / "constants.tsv");
    const std::optional<std::string> elementsText = ReadWhole(options.masters / "elements.txt");
    if (!constantsText || !elementsText) return kFault;
    const auto constants = ParseConstantsSource(*constantsText, "constants.tsv");
    const auto elements = ParseElementsSource(*elementsText, "elements.txt");
    errors.insert(errors.end(), constants.errors.begin(), constants.errors.end());
    errors.insert(errors.end(), elements.errors.begin(), elements.errors.end());
    if (!Report(errors)) return kFault;

    std::vector<ListEntry> list;
    for (const std::string_view stem : {"cat", "item", "temp", "curr", "consts", "element"}) {
        ListEntry entry;
        (void)entry.name.Assign(stem, "name");
        (void)entry.version.Assign(version, "version");
        list.push_back(entry);
    }
    fs::create_directories(options.output);
    const fs::path& out = options.output;
    const bool written = Write(out / data_file::kCategories, units.categories.records) &&
                         Write(out / data_file::kUnits, units.units.records) &&
                         Write(out / data_file::kTemperatures, units.temperatures.records) &&
                         Write(out / data_file::kCurrencies, rated.records) &&
                         Write(out / data_file::kConstants, constants.records) &&
                         Write(out / data_file::kElements, elements.records) && Write(out / "list.dat", list);
    if (written) std::cout << "Published version " << version << " in " << out.string() << '\n';
    return written ? 0 : kFault;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(std::vector<std::string_view>(argv + 1, argv + argc));
    return options ? Publish(*options) : Usage();
}
