#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// The record size of a data file the update knows, by its stem; none for any other stem.
std::optional<std::size_t> RecordSizeOfStem(std::string_view stem);

// Why a fetched body cannot stand in for the file `fileName`: empty, or not a whole number of
// records. None when it can.
std::optional<std::string> RefuseFetchedBody(std::string_view fileName, std::size_t recordSize,
                                             const std::vector<std::uint8_t>& body);

// Why the bodies fetched in one run, by stem, cannot replace the installed files: a body that is
// not a whole number of its records, a text without its terminator or with a character outside
// the record texts' set, or unit data that, together with the installed files it was not fetched
// for, breaks a rule the build holds the master texts to (category ids, every unit's category, a
// base unit per category, temperature pairs, evaluable conversion texts, a positive rate for every
// currency). A fault the installed files already had does not refuse a body. The reason names the
// file. None when every body can go in.
std::optional<std::string> RefuseFetchedData(const std::filesystem::path& dataFolder,
                                             const std::map<std::string, std::vector<std::uint8_t>>& bodies);

}  // namespace quantora
