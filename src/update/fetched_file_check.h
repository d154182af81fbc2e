#pragma once

#include <cstddef>
#include <cstdint>
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

}  // namespace quantora
