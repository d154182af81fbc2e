#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "convert/unit_conversion.h"

namespace quantora {

// Rates give the worth of one unit of a currency in a common base currency. A currency without a
// rate of its own (one the user defined) is worth its conversion text times the rate of its
// reference currency; when that reference has no rate, or a rate of 0, its rows show "Error".
// Rows that carry the source's own name keep their text.
std::vector<std::optional<std::string>> ConvertCurrency(const ConversionInput& input, std::size_t sourceRow,
                                                        const FormatSettings& settings, const NumberLocale& locale,
                                                        std::vector<RowFailure>& failures);

}  // namespace quantora
