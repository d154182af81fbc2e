#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "convert/unit_conversion.h"

namespace quantora {

// A category of units that are proportional or reciprocal to one another (a reciprocal unit's
// conversion text ends in "R"). Factors are chains worked left to right, and every row is shown in
// fixed notation.
std::vector<std::optional<std::string>> ConvertReciprocalPair(const ConversionInput& input, std::size_t sourceRow,
                                                              const FormatSettings& settings,
                                                              const NumberLocale& locale, FormulaParser& parser,
                                                              std::vector<RowFailure>& failures);

}  // namespace quantora
