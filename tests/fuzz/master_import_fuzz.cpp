// Feeds arbitrary bytes to the master text imports and the data checks, as a developer's half-edited
// master file would reach them. Nothing may crash or read out of bounds, every record must survive
// its own byte layout, and every fault must name a line of the text.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "masters/currency_import.h"
#include "masters/data_checks.h"

namespace {

using namespace quantora;

template <typename Record>
void CheckRoundTrip(const std::vector<Record>& records) {
    std::array<std::uint8_t, Record::kSize> bytes{};
    for (const Record& record : records) {
        record.Encode(bytes);
        if (!(Record::Decode(bytes) == record)) std::abort();
    }
}

void CheckFaults(const std::vector<std::string>& faults) {
    for (const std::string& fault : faults) {
        if (!fault.starts_with("fuzz.ini:")) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MasterTextRead read = SplitMasterText(text, "fuzz.ini");
    if (!read.Ok()) return 0;

    const UnitDataImport imported = ImportUnitData(read.text);
    CheckRoundTrip(imported.categories.records);
    CheckRoundTrip(imported.units.records);
    CheckRoundTrip(imported.temperatures.records);
    CheckFaults(CheckUnitData(read.text, imported));

    const ImportResult<CurrencyRecord> rates = ImportCurrencies(read.text);
    CheckRoundTrip(rates.records);
    CheckFaults(CheckCurrencyRates(read.text, imported.units, rates));
    return 0;
}
