#include "update/rates_rewrite.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "catalogue/rates_stamp.h"
#include "convert/trim_blanks.h"

namespace quantora {

namespace {

// Currencies whose central bank holds them at a fixed rate to another; the bank's daily file does
// not list them, so they move with their anchor rather than going stale.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kPegs{{
    {"AED", "USD"},
    {"SAR", "USD"},
    {"BHD", "USD"},
    {"OMR", "USD"},
    {"JOD", "USD"},
    {"QAR", "USD"},
    {"BSD", "USD"},
    {"PAB", "USD"},
    {"BMD", "USD"},
    {"XCD", "USD"},
    {"BBD", "USD"},
    {"AWG", "USD"},
    {"DJF", "USD"},
    {"XAF", "EUR"},
    {"XOF", "EUR"},
    {"BAM", "EUR"},
    {"CVE", "EUR"},
    {"KMF", "EUR"},
}};

std::optional<std::string_view> AnchorOf(std::string_view code) {
    for (const auto& [pegged, anchor] : kPegs) {
        if (pegged == code) return anchor;
    }
    return std::nullopt;
}

// Currency name (trimmed) to ISO code, from the currency units' abbreviations.
std::map<std::string, std::string> CodesByName(std::span<const UnitRecord> units) {
    std::map<std::string, std::string> codes;
    for (const UnitRecord& unit : units) {
        if (unit.categoryId != category_id::kCurrency) continue;
        const std::string code = unit.abbreviation.Text();
        if (code.size() == 3) codes.emplace(std::string(TrimBlanks(unit.name.Text())), code);
    }
    return codes;
}

}  // namespace

std::variant<RatesRewrite, std::string> RewriteRates(std::span<const CurrencyRecord> installed,
                                                     std::span<const UnitRecord> units, const ReferenceRates& rates,
                                                     std::string_view source) {
    const std::map<std::string, std::string> codes = CodesByName(units);
    std::map<std::string, double> oldByCode;
    for (const CurrencyRecord& record : installed) {
        const auto code = codes.find(std::string(TrimBlanks(record.name.Text())));
        if (code != codes.end() && !IsRatesStamp(record)) oldByCode.emplace(code->second, record.rate);
    }
    const auto usd = oldByCode.find("USD");
    if (usd == oldByCode.end() || !(usd->second > 0) || !std::isfinite(usd->second)) {
        return std::string("curr.dat has no US Dollar rate to reckon the day's rates through");
    }
    const double usdPerEuro = rates.perEuro.at("USD");
    // The day's value of one unit of each listed currency, in the file's base.
    std::map<std::string, double> newByCode{{"EUR", usdPerEuro * usd->second}};
    for (const auto& [code, perEuro] : rates.perEuro) newByCode[code] = usdPerEuro / perEuro * usd->second;

    const std::optional<CurrencyRecord> stamp = MakeRatesStampRecord({rates.date, std::string(source)});
    if (!stamp) return std::string("the rates source's name does not fit curr.dat");
    RatesRewrite result;
    result.records.assign(installed.begin(), installed.end());
    for (CurrencyRecord& record : result.records) {
        if (IsRatesStamp(record)) continue;
        const auto code = codes.find(std::string(TrimBlanks(record.name.Text())));
        std::optional<double> rate;
        if (code != codes.end()) {
            if (const auto listed = newByCode.find(code->second); listed != newByCode.end()) {
                rate = listed->second;
            } else if (const auto anchor = AnchorOf(code->second)) {
                const auto anchorNew = newByCode.find(std::string(*anchor));
                const auto anchorOld = oldByCode.find(std::string(*anchor));
                if (anchorNew != newByCode.end() && anchorOld != oldByCode.end() && anchorOld->second > 0) {
                    rate = record.rate * anchorNew->second / anchorOld->second;
                }
            }
        }
        if (rate && std::isfinite(*rate) && *rate > 0) {
            record.rate = *rate;
            record.olderRate = 0;
            ++result.ofTheDay;
        } else {
            record.olderRate = 1;
            ++result.older;
        }
    }
    SetRatesStamp(result.records, *stamp);
    return result;
}

}  // namespace quantora
