#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"

namespace quantora {

// The day and the source of the exchange rates in "curr.dat". It travels inside the file as one
// hidden record, so it is replaced together with the rates it describes (by the update, the rates
// fetch or a rebuild) and can never describe another file's rates. Every loader skips hidden
// records, so programs that know nothing of the stamp read the file as before.
struct RatesStamp {
    std::string date;    // YYYY-MM-DD
    std::string source;  // "European Central Bank", or what the program shipped with

    bool operator==(const RatesStamp&) const = default;
};

bool IsRatesStamp(const CurrencyRecord& record);
// None when the date or the source cannot be kept in the record's name field.
std::optional<CurrencyRecord> MakeRatesStampRecord(const RatesStamp& stamp);
std::optional<RatesStamp> FindRatesStamp(std::span<const CurrencyRecord> records);
// Replaces the file's stamp record, or adds one at the end.
void SetRatesStamp(std::vector<CurrencyRecord>& records, const CurrencyRecord& stampRecord);

// "rates of 2026-12-08, European Central Bank"; "rates of unknown date" without a stamp.
std::string RatesStampText(const std::optional<RatesStamp>& stamp);

// The note shown beside converted currency values: the stamp's text, and the names among
// `involved` (every currency when it is empty) whose rate is older than the stamp's day.
std::string CurrencyRatesNote(const std::optional<RatesStamp>& stamp, std::span<const CurrencyRecord> records,
                              std::span<const std::string> involved);

}  // namespace quantora
