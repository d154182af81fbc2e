#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/records.h"
#include "update/reference_rates.h"

namespace quantora {

struct RatesRewrite {
    std::vector<CurrencyRecord> records;
    int ofTheDay = 0;  // currencies given the day's rate, directly or through their peg
    int older = 0;     // currencies that kept an older rate
};

// "curr.dat" with the day's rates: a currency the file lists (found through the ISO code its
// currency unit carries as abbreviation) gets the day's rate, a currency pegged to a listed one
// keeps its ratio to it, every other one keeps its rate and is marked older. Rates stay in the
// file's own base, reckoned through its US Dollar record. Nothing but `rate` and `olderRate`
// changes, so hidden records stay hidden; the stamp names the day and `source`.
std::variant<RatesRewrite, std::string> RewriteRates(std::span<const CurrencyRecord> installed,
                                                     std::span<const UnitRecord> units, const ReferenceRates& rates,
                                                     std::string_view source);

}  // namespace quantora
