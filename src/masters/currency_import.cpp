#include "masters/currency_import.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/rates_stamp.h"
#include "convert/leading_number.h"
#include "convert/trim_blanks.h"

namespace quantora {

namespace {

// The rate source words these two currencies differently from the unit names they must match.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kRenamings{{
    {"new Israeli shekel", "Israeli New Shekel"},
    {"New Turkish Lira", "Turkish New Lira"},
}};

std::string UnitName(std::string name) {
    for (const auto& [found, unitName] : kRenamings) {
        if (name.find(found) != std::string::npos) return std::string(unitName);
    }
    return name;
}

constexpr std::string_view kStampLine = "#rates;";

// "#rates;YYYY-MM-DD;source": the day and source of the rates, kept as the file's stamp record.
bool TakeStamp(const MasterText& rates, std::size_t i, ImportResult<CurrencyRecord>& result) {
    const std::string_view line = rates.lines[i];
    if (!line.starts_with(kStampLine)) return false;
    const std::string_view rest = line.substr(kStampLine.size());
    const std::size_t semicolon = rest.find(';');
    const std::optional<CurrencyRecord> stamp =
        semicolon == std::string_view::npos
            ? std::nullopt
            : MakeRatesStampRecord({std::string(rest.substr(0, semicolon)), std::string(rest.substr(semicolon + 1))});
    if (!stamp) {
        result.errors.push_back(
            rates.Fault(i, "a rates stamp is \"#rates;YYYY-MM-DD;source\", short enough for a name"));
        return true;
    }
    result.records.push_back(*stamp);
    result.lines.push_back(i);
    return true;
}

}  // namespace

ImportResult<CurrencyRecord> ImportCurrencies(const MasterText& rates) {
    ImportResult<CurrencyRecord> result;
    for (std::size_t i = 0; i < rates.lines.size(); ++i) {
        const std::string_view line = rates.lines[i];
        if (line.empty() || TakeStamp(rates, i, result)) continue;
        const std::size_t first = line.find(';');
        const std::string_view rest = first == std::string_view::npos ? std::string_view() : line.substr(first + 1);
        CurrencyRecord record;
        AssignField(record.name, UnitName(std::string(TrimBlanks(line.substr(0, first)))), "currency name", rates, i,
                    result.errors);
        record.rate = LeadingDecimal(rest.substr(0, rest.find(';')));
        record.visible = 1;
        result.records.push_back(record);
        result.lines.push_back(i);
    }
    return result;
}

}  // namespace quantora
