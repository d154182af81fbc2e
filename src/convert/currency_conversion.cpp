#include "convert/currency_conversion.h"

#include <algorithm>
#include <functional>

#include "convert/evaluate_chain.h"
#include "convert/leading_number.h"
#include "convert/number_format.h"
#include "convert/trim_blanks.h"

namespace quantora {

namespace {

const CurrencyRecord* FindCurrency(std::span<const CurrencyRecord> currencies,
                                   const std::function<bool(const std::string&)>& matches) {
    const auto found = std::find_if(currencies.begin(), currencies.end(),
                                    [&](const CurrencyRecord& c) { return matches(c.name.Text()); });
    return found == currencies.end() ? nullptr : &*found;
}

// The rate of the category's first unit with this id, looked up by its name exactly as stored.
std::optional<double> RateOfUnit(const ConversionInput& input, std::int32_t unitId) {
    const auto unit = std::ranges::find(input.units, unitId, &UnitRecord::unitId);
    if (unit == input.units.end()) return std::nullopt;
    const std::string name = unit->name.Text();
    const CurrencyRecord* currency = FindCurrency(input.currencies, [&](const std::string& n) { return n == name; });
    if (currency == nullptr || currency->rate == 0.0) return std::nullopt;
    return currency->rate;
}

// A user-defined currency stores how many units of its reference currency it is worth; the "*" an
// editor may leave in front of the number is no operator here.
std::optional<double> UserDefinedRate(const ConversionInput& input, const UnitRecord& unit) {
    std::string worth = unit.conversionText.Text();
    std::erase(worth, '*');
    const std::optional<double> referenceRate = RateOfUnit(input, unit.referenceUnitId);
    if (!referenceRate) return std::nullopt;
    return EvaluateChain(worth) * *referenceRate;
}

std::optional<double> SourceRate(const ConversionInput& input, const UnitRecord& source, std::string_view key) {
    const CurrencyRecord* own = FindCurrency(input.currencies, [&](const std::string& n) { return n == key; });
    if (own != nullptr && own->rate != 0.0) return own->rate;
    return UserDefinedRate(input, source);
}

std::optional<double> RowRate(const ConversionInput& input, const UnitRecord& unit, std::string_view key) {
    const CurrencyRecord* own =
        FindCurrency(input.currencies, [&](const std::string& n) { return TrimBlanks(n) == key; });
    if (own != nullptr) return own->rate;
    return UserDefinedRate(input, unit);
}

}  // namespace

std::vector<std::optional<std::string>> ConvertCurrency(const ConversionInput& input, std::size_t sourceRow,
                                                        const FormatSettings& settings, const NumberLocale& locale,
                                                        std::vector<RowFailure>& failures) {
    const std::string sourceName = input.units[sourceRow].name.Text();
    const std::string_view sourceKey = TrimBlanks(sourceName);
    const std::optional<double> sourceRate = SourceRate(input, input.units[sourceRow], sourceKey);
    const double x = LeadingDecimal(input.typed);
    std::vector<std::optional<std::string>> rows(input.units.size());
    for (std::size_t i = 0; i < input.units.size(); ++i) {
        const std::string name = input.units[i].name.Text();
        const std::string_view key = TrimBlanks(name);
        if (key == sourceKey) continue;
        const std::optional<double> rate = RowRate(input, input.units[i], key);
        if (!sourceRate || !rate) {
            rows[i] = "Error";
            failures[i] = {true, "no exchange rate for this currency or its reference"};
            continue;
        }
        rows[i] = FormatResult(x / *rate * *sourceRate, FormatVariant::kSymbolsFirst, "", settings, locale);
    }
    return rows;
}

}  // namespace quantora
