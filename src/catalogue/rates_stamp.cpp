#include "catalogue/rates_stamp.h"

#include <algorithm>

#include "convert/trim_blanks.h"

namespace quantora {

namespace {

// No currency unit can carry this name: unit names never start with "#".
constexpr std::string_view kPrefix = "#rates|";

}  // namespace

bool IsRatesStamp(const CurrencyRecord& record) { return record.name.Text().starts_with(kPrefix); }

std::optional<CurrencyRecord> MakeRatesStampRecord(const RatesStamp& stamp) {
    if (stamp.date.find('|') != std::string::npos) return std::nullopt;
    CurrencyRecord record;
    if (record.name.Assign(std::string(kPrefix) + stamp.date + "|" + stamp.source, "rates stamp")) return std::nullopt;
    record.rate = 1.0;
    record.visible = 0;
    return record;
}

std::optional<RatesStamp> FindRatesStamp(std::span<const CurrencyRecord> records) {
    const auto found = std::ranges::find_if(records, IsRatesStamp);
    if (found == records.end()) return std::nullopt;
    const std::string text = found->name.Text().substr(kPrefix.size());
    const std::size_t bar = text.find('|');
    if (bar == std::string::npos) return std::nullopt;
    return RatesStamp{text.substr(0, bar), text.substr(bar + 1)};
}

void SetRatesStamp(std::vector<CurrencyRecord>& records, const CurrencyRecord& stampRecord) {
    const auto found = std::ranges::find_if(records, IsRatesStamp);
    if (found == records.end()) {
        records.push_back(stampRecord);
    } else {
        *found = stampRecord;
    }
}

std::string RatesStampText(const std::optional<RatesStamp>& stamp) {
    if (!stamp) return "rates of unknown date";
    return "rates of " + stamp->date + ", " + stamp->source;
}

std::string CurrencyRatesNote(const std::optional<RatesStamp>& stamp, std::span<const CurrencyRecord> records,
                              std::span<const std::string> involved) {
    std::string note = RatesStampText(stamp);
    std::string older;
    const auto isInvolved = [&](const CurrencyRecord& record) {
        return involved.empty() || std::ranges::any_of(involved, [&](const std::string& name) {
                   return TrimBlanks(record.name.Text()) == TrimBlanks(name);
               });
    };
    for (const CurrencyRecord& record : records) {
        if (!record.IsVisible() || record.olderRate == 0 || IsRatesStamp(record) || !isInvolved(record)) continue;
        older += (older.empty() ? "" : ", ") + std::string(TrimBlanks(record.name.Text()));
    }
    if (!older.empty()) note += "; older rate for " + older;
    return note;
}

}  // namespace quantora
