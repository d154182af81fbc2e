#include "update/fetched_file_check.h"

#include <array>
#include <utility>

#include "catalogue/records.h"
#include "lists/list_records.h"
#include "update/list_entry.h"

namespace quantora {

std::optional<std::size_t> RecordSizeOfStem(std::string_view stem) {
    static constexpr std::array<std::pair<std::string_view, std::size_t>, 7> kSizes{{
        {"list", ListEntry::kSize},
        {"cat", CategoryRecord::kSize},
        {"item", UnitRecord::kSize},
        {"temp", TemperatureRecord::kSize},
        {"curr", CurrencyRecord::kSize},
        {"consts", ConstantRecord::kSize},
        {"element", ElementRecord::kSize},
    }};
    for (const auto& [name, size] : kSizes) {
        if (name == stem) return size;
    }
    return std::nullopt;
}

std::optional<std::string> RefuseFetchedBody(std::string_view fileName, std::size_t recordSize,
                                             const std::vector<std::uint8_t>& body) {
    const std::string name(fileName);
    if (body.empty()) return "The server sent an empty " + name + "; the installed file is kept";
    if (body.size() % recordSize != 0) {
        return "The server's " + name + " has " + std::to_string(body.size()) + " bytes, not a whole number of " +
               std::to_string(recordSize) + "-byte records; the installed file is kept";
    }
    return std::nullopt;
}

}  // namespace quantora
