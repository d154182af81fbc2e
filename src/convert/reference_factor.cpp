#include "convert/reference_factor.h"

#include <algorithm>
#include <string>
#include <utility>

#include "calc/formula_parser.h"

namespace quantora {

namespace {

constexpr int kDegrees = 1;

}  // namespace

std::optional<double> ReferenceFactor(std::span<const UnitRecord> units, std::int32_t unitId, double x,
                                      FormulaParser& parser) {
    double factor = 1.0;
    std::string ignoredError;
    for (int depth = 0; depth < kMaxReferenceDepth; ++depth) {
        const auto unit = std::ranges::find(units, unitId, &UnitRecord::unitId);
        if (unit == units.end()) return factor;
        std::string formula = "1";
        formula += unit->conversionText.Text();
        factor *= parser.Evaluate(formula, x, ignoredError, kDegrees);
        if (unit->referenceUnitId == kBaseUnitId) return factor;
        unitId = unit->referenceUnitId;
    }
    return std::nullopt;
}

}  // namespace quantora
