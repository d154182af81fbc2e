#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "convert/unit_conversion.h"

namespace quantora {

// Every unit as a factor of the base unit: the typed text followed by the source's conversion text
// gives base units, and each row divides by "1" followed by its own conversion text. In the
// expression categories the source's base formula gives the base value instead, and each row's
// conversion text is an expression in x evaluated at it. `failures` (one entry per row) marks each
// row whose value could not be computed, with the evaluator's message when there is one.
std::vector<std::optional<std::string>> ConvertGeneral(const ConversionInput& input, std::size_t sourceRow,
                                                       const FormatSettings& settings, const NumberLocale& locale,
                                                       FormulaParser& parser, std::vector<RowFailure>& failures);

}  // namespace quantora
