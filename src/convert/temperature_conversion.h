#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "convert/unit_conversion.h"

namespace quantora {

// Each row is the typed text followed by the stored formula from the source to that row's unit,
// worked left to right. A row without a formula shows "Error" and is marked failed in `failures`; the
// source row keeps the typed text unless the data holds a formula from the source to itself.
std::vector<std::optional<std::string>> ConvertTemperature(const ConversionInput& input, std::size_t sourceRow,
                                                           const FormatSettings& settings, const NumberLocale& locale,
                                                           std::vector<RowFailure>& failures);

}  // namespace quantora
