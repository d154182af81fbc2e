#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/data_paths.h"
#include "support/temp_folder.h"
#include "update_data.h"

namespace quantora::test {

// The program's own data files as the build wrote them, by stem: data every check of the update
// accepts, for tests that change one thing in it.
inline std::map<std::string, Bytes> ShippedData() {
    std::map<std::string, Bytes> files;
    const std::filesystem::path folder = InstalledDataFolder(ExecutableFolder());
    for (const char* stem : {"cat", "item", "temp", "curr", "consts", "element"}) {
        files[stem] = ReadBytes(folder / (std::string(stem) + ".dat"));
    }
    return files;
}

// A file in the bank's daily reference format with these rates per euro.
inline std::string ReferenceRatesXml(const std::string& day,
                                     const std::vector<std::pair<std::string, std::string>>& rates,
                                     const std::string& root = "gesmes:Envelope") {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root +
                      ">\n"
                      "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
                      "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
                      "\t<Cube>\n\t\t<Cube time='" +
                      day + "'>\n";
    for (const auto& [code, rate] : rates) xml += "\t\t\t<Cube currency='" + code + "' rate='" + rate + "'/>\n";
    return xml + "\t\t</Cube>\n\t</Cube>\n</" + root + ">\n";
}

// The thirty currencies of one day of the bank's file.
inline const std::vector<std::pair<std::string, std::string>> kThirtyRates{
    {"USD", "1.0528"},  {"JPY", "161.02"},  {"BGN", "1.9558"},  {"CZK", "25.117"},  {"DKK", "7.4578"},
    {"GBP", "0.83118"}, {"HUF", "409.73"},  {"PLN", "4.2718"},  {"RON", "4.9759"},  {"SEK", "11.4985"},
    {"CHF", "0.9298"},  {"ISK", "145.70"},  {"NOK", "11.6795"}, {"TRY", "36.732"},  {"AUD", "1.6406"},
    {"BRL", "6.3741"},  {"CAD", "1.4941"},  {"CNY", "7.6521"},  {"HKD", "8.1911"},  {"IDR", "16762.84"},
    {"ILS", "3.7656"},  {"INR", "89.3415"}, {"KRW", "1505.32"}, {"MXN", "21.2461"}, {"MYR", "4.6668"},
    {"NZD", "1.8103"},  {"PHP", "61.597"},  {"SGD", "1.4171"},  {"THB", "35.876"},  {"ZAR", "18.8922"}};

}  // namespace quantora::test
