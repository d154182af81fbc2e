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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An upper-case E written as an exponent: after a digit or a decimal point, before the exponent's
// digits, with or without their sign.
bool IsExponentE(std::string_view typed, std::size_t at) {
    if (typed[at] != 'E' || at == 0 || at + 1 >= typed.size()) return false;
    const char before = typed[at - 1];
    if (!IsDigit(before) && before != '.') return false;
    std::size_t next = at + 1;
    if ((typed[next] == '+' || typed[next] == '-') && next + 1 < typed.size()) ++next;
    return IsDigit(typed[next]);
}

// A typed exponent (1.5e3, 1.5E3) reaches the evaluator as a power of ten. Every lower-case e
// counts; an upper-case E only where it stands as an exponent, since elsewhere it may belong to
// a name the evaluator knows.
std::string WithPowersOfTen(std::string_view typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == 'e' || IsExponentE(typed, i)) {
            text += "*10^";
        } else {
            text += typed[i];
        }
    }
    return text;
}

// Every category but the angle ones works in degrees, whatever the window's angle choice.
AngleUnit EffectiveAngleMode(const ConversionInput& input) {
    return UsesAngleMode(input.categoryId) ? input.angleMode : AngleUnit::kDegrees;
}

// The typed value in base units: nullopt when the source's reference chain is a cycle, and
// `error` holds the evaluator's fault when the typed text cannot be read.
std::optional<double> SourceValue(const ConversionInput& input, const UnitRecord& source, double x, AngleUnit angleMode,
                                  FormulaParser& parser, std::string& error) {
    const double value = parser.Evaluate(UnitFormula(WithPowersOfTen(input.typed), source), x, error, angleMode);
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

std::string RowText(const RowContext& c, const UnitRecord& unit, RowFailure& failure) {
    const bool expression = IsExpressionCategory(c.input.categoryId);
    double f = c.b;
    std::string error;
    if (!expression || unit.unitId != kBaseUnitId) {
        f = c.parser.Evaluate(UnitFormula("1", unit), c.b, error, c.angleMode);
    }
    const std::optional<double> factor = ReferenceFactor(c.input.units, unit.referenceUnitId, c.b, c.parser);
    if (!factor || (!expression && !c.v)) {
        failure = {true, kReferenceCycle};
        return kError;
    }
    if (!error.empty()) failure = {true, error};
    f *= *factor;
    double r = expression ? f : *c.v / f;
    if (unit.IsReciprocal()) r = 1.0 / r;
    return FormatResult(r, FormatVariant::kGeneral, error, c.settings, c.locale);
}

}  // namespace

std::vector<std::optional<std::string>> ConvertGeneral(const ConversionInput& input, std::size_t sourceRow,
                                                       const FormatSettings& settings, const NumberLocale& locale,
                                                       FormulaParser& parser, std::vector<RowFailure>& failures) {
    const UnitRecord& source = input.units[sourceRow];
    const double x = LeadingDecimal(input.typed);
    const AngleUnit angleMode = EffectiveAngleMode(input);
    std::vector<std::optional<std::string>> rows(input.units.size());

    RowContext context{input, std::nullopt, x, angleMode, settings, locale, parser};
    if (IsExpressionCategory(input.categoryId)) {
        std::string error;
        context.b = parser.Evaluate(source.baseFormula.Text(), x, error, angleMode);
        if (!error.empty() || context.b == std::numeric_limits<double>::infinity()) {
            rows.assign(input.units.size(), std::string(kError));
            failures.assign(input.units.size(), {true, error});
            return rows;
        }
    } else {
        // A value the evaluator cannot read has no conversions: any number shown would be made up.
        std::string error;
        context.v = SourceValue(input, source, x, angleMode, parser, error);
        if (!error.empty()) {
            for (std::size_t i = 0; i < input.units.size(); ++i) {
                if (i == sourceRow) continue;
                rows[i] = std::string(kError);
                failures[i] = {true, error};
            }
            return rows;
        }
    }
    for (std::size_t i = 0; i < input.units.size(); ++i) {
        if (i != sourceRow) rows[i] = RowText(context, input.units[i], failures[i]);
    }
    return rows;
}

}  // namespace quantora
