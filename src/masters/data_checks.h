#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"
#include "masters/import_result.h"
#include "masters/master_text.h"
#include "masters/unit_import.h"

namespace quantora {

// What one master text gives for "cat.dat", "item.dat" and "temp.dat".
struct UnitDataImport {
    ImportResult<CategoryRecord> categories;
    UnitImport units;
    ImportResult<TemperatureRecord> temperatures;
};

UnitDataImport ImportUnitData(const MasterText& master);

// Turns the line a record came from and a reason into the fault's text.
using FaultPlace = std::function<std::string(std::size_t line, std::string_view reason)>;

// The rules the program relies on that an import does not enforce by itself: ids given once,
// categories every unit can find, each category's units together, base units, reciprocal markers,
// complete temperature pairs, the five number systems, category ids the program can address, and
// conversion texts the evaluator accepts.
// Each fault names the master line to fix.
std::vector<std::string> CheckUnitData(const MasterText& master, const UnitDataImport& data);
// The same rules over records read from data files; `place` names the record of a line.
std::vector<std::string> CheckUnitData(const UnitDataImport& data, const FaultPlace& place);

// Every currency unit needs a rate under the same name once blanks are trimmed, and every shown
// rate is a positive finite number; a fault names the unit's or the rate's master line.
std::vector<std::string> CheckCurrencyRates(const MasterText& master, const UnitImport& units,
                                            const ImportResult<CurrencyRecord>& rates);
std::vector<std::string> CheckCurrencyRates(const UnitImport& units, std::span<const CurrencyRecord> rates,
                                            std::span<const std::size_t> rateLines, const FaultPlace& place);

}  // namespace quantora
