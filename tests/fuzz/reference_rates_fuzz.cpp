// Feeds arbitrary bytes to the reader of the bank's daily reference rates, as a hostile or broken
// rates source would send them, and rewrites a small rates file from whatever it accepts. Nothing
// may crash or read out of bounds; an accepted file has a calendar day, a USD rate and only
// positive finite rates, and the rewritten file keeps every record with a positive finite rate.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/rates_stamp.h"
#include "catalogue/records.h"
#include "update/rates_rewrite.h"
#include "update/reference_rates.h"

namespace {

using namespace quantora;

UnitRecord Currency(std::int32_t id, std::string_view name, std::string_view code) {
    UnitRecord unit;
    unit.categoryId = category_id::kCurrency;
    unit.unitId = id;
    (void)unit.name.Assign(name, "name");
    (void)unit.abbreviation.Assign(code, "abbreviation");
    return unit;
}

CurrencyRecord Rate(std::string_view name, double rate) {
    CurrencyRecord record;
    (void)record.name.Assign(name, "name");
    record.rate = rate;
    return record;
}

const std::vector<UnitRecord> kUnits{Currency(101, "US Dollar", "USD"), Currency(102, "Euro", "EUR"),
                                     Currency(103, "Japanese Yen", "JPY"), Currency(104, "Saudi Riyal", "SAR"),
                                     Currency(105, "West African CFA Franc", "XOF")};
const std::vector<CurrencyRecord> kRates{Rate("US Dollar", 1), Rate("Euro", 1.1), Rate("Japanese Yen", 0.007),
                                         Rate("Saudi Riyal", 0.2667), Rate("West African CFA Franc", 0.0017)};

bool Positive(double value) { return std::isfinite(value) && value > 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    const auto read = ReadReferenceRates(xml);
    const auto* rates = std::get_if<ReferenceRates>(&read);
    if (rates == nullptr) return 0;
    if (rates->date.size() != 10 || !rates->perEuro.contains("USD")) std::abort();
    for (const auto& [code, rate] : rates->perEuro) {
        if (code.size() != 3 || !Positive(rate)) std::abort();
    }
    const auto rewrite = RewriteRates(kRates, kUnits, *rates, "fuzz");
    const auto* rewritten = std::get_if<RatesRewrite>(&rewrite);
    if (rewritten == nullptr) return 0;
    if (rewritten->records.size() != kRates.size() + 1) std::abort();
    for (const CurrencyRecord& record : rewritten->records) {
        if (!Positive(record.rate)) std::abort();
    }
    if (!FindRatesStamp(rewritten->records) || FindRatesStamp(rewritten->records)->date != rates->date) std::abort();
    return 0;
}
