#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/angle_unit.h"
#include "catalogue/records.h"
#include "convert/format_settings.h"
#include "convert/number_locale.h"

namespace quantora {

class FormulaParser;

// Everything one conversion run reads. Rows are the entries of the current category's unit table.
struct ConversionInput {
    std::string_view typed;  // the value field, as typed, in UTF-8
    std::int32_t categoryId = 0;
    std::span<const UnitRecord> units;     // the category's unit table, in list order
    std::optional<std::size_t> sourceRow;  // the selected source row
    AngleUnit angleMode = AngleUnit::kDegrees;
    std::span<const TemperatureRecord> temperatures;
    std::span<const CurrencyRecord> currencies;
};

// A row whose value could not be computed, and why (UTF-8; empty when no reason is known). Its text
// is "Error", or the symbol that the display rules put in its place.
struct RowFailure {
    bool failed = false;
    std::string reason;
};

// The outcome of a run: `ran` is false when nothing was computed (empty text, no source row);
// otherwise `rows` has one entry per unit, the text to show or nullopt for a row that keeps its text,
// and `failures` one entry per unit.
struct ConversionResult {
    bool ran = false;
    std::vector<std::optional<std::string>> rows;
    std::vector<RowFailure> failures;
};

// Converts the typed value from the source row into every row of the category, by the method its
// id selects (number systems, temperature, reciprocal pair, currency or the general method). Outside
// the number systems the typed numbers are read by ReadTypedValue first; a number it cannot read
// fails every row but the source, which shows the text as typed.
ConversionResult ConvertUnits(const ConversionInput& input, const FormatSettings& settings, const NumberLocale& locale,
                              FormulaParser& parser);

}  // namespace quantora
