#include "convert/reciprocal_conversion.h"

#include "convert/evaluate_chain.h"
#include "convert/leading_number.h"
#include "convert/number_format.h"
#include "convert/reference_factor.h"

namespace quantora {

namespace {

// The "R" marker stays in the text: the chain skips it as an operator without effect.
double ChainFactor(const UnitRecord& unit) {
    std::string chain = "1";
    chain += unit.conversionText.Text();
    return EvaluateChain(chain);
}

// v in the source unit to the row's unit, by which of the two is reciprocal; q = row factor / source factor.
double Converted(double v, double q, bool sourceReciprocal, bool rowReciprocal) {
    if (!sourceReciprocal) return rowReciprocal ? 100.0 * q / v : v / q;
    return rowReciprocal ? v * q : 100.0 / (v * q);
}

}  // namespace

std::vector<std::optional<std::string>> ConvertReciprocalPair(const ConversionInput& input, std::size_t sourceRow,
                                                              const FormatSettings& settings,
                                                              const NumberLocale& locale, FormulaParser& parser,
                                                              std::vector<RowFailure>& failures) {
    const UnitRecord& source = input.units[sourceRow];
    const double sourceFactor = ChainFactor(source);
    const std::optional<double> sourceReference =
        ReferenceFactor(input.units, source.referenceUnitId, LeadingDecimal(input.typed), parser);
    const double typedValue = EvaluateChain(input.typed);
    std::vector<std::optional<std::string>> rows(input.units.size());
    for (std::size_t i = 0; i < input.units.size(); ++i) {
        if (i == sourceRow) continue;
        const UnitRecord& unit = input.units[i];
        const double rowFactor = ChainFactor(unit);
        const std::optional<double> rowReference =
            ReferenceFactor(input.units, unit.referenceUnitId, rowFactor, parser);
        if (!sourceReference || !rowReference) {
            rows[i] = "Error";
            failures[i] = {true, kReferenceCycle};
            continue;
        }
        const double r = Converted(typedValue * *sourceReference, rowFactor / sourceFactor, source.IsReciprocal(),
                                   unit.IsReciprocal());
        rows[i] = FormatResult(r * *rowReference, FormatVariant::kFixedOnly, "", settings, locale);
    }
    return rows;
}

}  // namespace quantora
