#include "convert/general_conversion.h"

#include <limits>

#include "calc/formula_parser.h"
#include "convert/leading_number.h"
#include "convert/number_format.h"
#include "convert/reference_factor.h"

namespace quantora {

namespace {

constexpr auto kError = "Error";

// `front` followed by the unit's conversion text. A reciprocal unit's text ends in the "R" marker,
// which is no part of the formula.
std::string UnitFormula(std::string front, const UnitRecord& unit) {
    std::string text = unit.conversionText.Text();
    if (unit.IsReciprocal() && !text.empty()) text.pop_back();
    front += text;
    return front;
}

// A typed exponent (1.5e3) reaches the evaluator as a power of ten. Only the lower-case e: the
// evaluator reads an upper-case E itself.
std::string WithPowersOfTen(std::string_view typed) {
    std::string text;
    for (char c : typed) {
        if (c == 'e') {
            text += "*10^";
        } else {
            text += c;
        }
    }
    return text;
}

// Every category but the angle ones works in degrees, whatever the window's angle choice.
AngleUnit EffectiveAngleMode(const ConversionInput& input) {
    return UsesAngleMode(input.categoryId) ? input.angleMode : AngleUnit::kDegrees;
}

// The typed value in base units, or nullopt when the source's reference chain is a cycle.
std::optional<double> SourceValue(const ConversionInput& input, const UnitRecord& source, double x, AngleUnit angleMode,
                                  FormulaParser& parser) {
    std::string ignoredError;
    const double value = parser.Evaluate(UnitFormula(WithPowersOfTen(input.typed), source), x, ignoredError, angleMode);
    const std::optional<double> factor = ReferenceFactor(input.units, source.referenceUnitId, x, parser);
    if (!factor) return std::nullopt;
    const double v = value * *factor;
    return source.IsReciprocal() ? 1.0 / v : v;
}

struct RowContext {
    const ConversionInput& input;
    std::optional<double> v;  // source value in base units (ordinary categories)
    double b;                 // value the row formulas see as x
    AngleUnit angleMode;
    const FormatSettings& settings;
    const NumberLocale& locale;
    FormulaParser& parser;
};

std::string RowText(const RowContext& c, const UnitRecord& unit) {
    const bool expression = IsExpressionCategory(c.input.categoryId);
    std::string error;
    double f = c.b;
    if (!expression || unit.unitId != kBaseUnitId) {
        f = c.parser.Evaluate(UnitFormula("1", unit), c.b, error, c.angleMode);
    }
    const std::optional<double> factor = ReferenceFactor(c.input.units, unit.referenceUnitId, c.b, c.parser);
    if (!factor || (!expression && !c.v)) return kError;
    f *= *factor;
    double r = expression ? f : *c.v / f;
    if (unit.IsReciprocal()) r = 1.0 / r;
    return FormatResult(r, FormatVariant::kGeneral, error, c.settings, c.locale);
}

}  // namespace

std::vector<std::optional<std::string>> ConvertGeneral(const ConversionInput& input, std::size_t sourceRow,
                                                       const FormatSettings& settings, const NumberLocale& locale,
                                                       FormulaParser& parser) {
    const UnitRecord& source = input.units[sourceRow];
    const double x = LeadingDecimal(input.typed);
    const AngleUnit angleMode = EffectiveAngleMode(input);
    std::vector<std::optional<std::string>> rows(input.units.size());
    rows[sourceRow] = std::string(input.typed);

    RowContext context{input, std::nullopt, x, angleMode, settings, locale, parser};
    if (IsExpressionCategory(input.categoryId)) {
        std::string error;
        context.b = parser.Evaluate(source.baseFormula.Text(), x, error, angleMode);
        if (!error.empty() || context.b == std::numeric_limits<double>::infinity()) {
            rows.assign(input.units.size(), std::string(kError));
            return rows;
        }
    } else {
        context.v = SourceValue(input, source, x, angleMode, parser);
    }
    for (std::size_t i = 0; i < input.units.size(); ++i) {
        if (i != sourceRow) rows[i] = RowText(context, input.units[i]);
    }
    return rows;
}

}  // namespace quantora
