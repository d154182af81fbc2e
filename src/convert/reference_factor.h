#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "catalogue/records.h"

namespace quantora {

class FormulaParser;

// How deep a chain of reference units may go before it is taken for a cycle in the data.
inline constexpr int kMaxReferenceDepth = 64;

// The factor that takes a value in unit `unitId` of the category's table to its base unit: the
// unit's conversion text times the factor of its own reference unit, up to a reference to the base
// unit id. An id that names no unit counts as 1. Unit texts are always evaluated in degrees and
// their faults are not reported. A chain deeper than kMaxReferenceDepth (a cycle) gives nullopt.
// Why a row whose reference chain is a cycle shows "Error".
inline constexpr const char* kReferenceCycle = "the unit's reference chain runs in a circle";

std::optional<double> ReferenceFactor(std::span<const UnitRecord> units, std::int32_t unitId, double x,
                                      FormulaParser& parser);

}  // namespace quantora
