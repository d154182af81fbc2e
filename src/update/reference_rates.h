#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>

namespace quantora {

// One day of the European Central Bank's euro reference rates.
struct ReferenceRates {
    std::string date;                       // YYYY-MM-DD
    std::string sender;                     // the file's sender name, "European Central Bank"
    std::map<std::string, double> perEuro;  // units of a currency for one euro, by ISO 4217 code
};

// Reads a file in the bank's daily reference format ("eurofxref-daily.xml"): the root element
// gesmes:Envelope, one <Cube time="YYYY-MM-DD"> and a <Cube currency="XXX" rate="n"/> per
// currency. Refused, with the reason: another root element, a body cut before the root closes, a
// day that is no calendar date, a code that is not three capital letters, a code given twice, a
// rate that is not a positive finite decimal number, and a file without a rate for USD, through
// which every rate of the program is reckoned.
std::variant<ReferenceRates, std::string> ReadReferenceRates(std::string_view xml);

}  // namespace quantora
