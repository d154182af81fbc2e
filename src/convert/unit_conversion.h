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
    std::string_view typed;                       // the value field, as typed
    std::int32_t categoryId = 0;
    std::span<const UnitRecord> units;            // the category's unit table, in list order
    std::optional<std::size_t> sourceRow;         // the selected source row
    AngleUnit angleMode = AngleUnit::kDegrees;
    std::span<const TemperatureRecord> temperatures;
    std::span<const CurrencyRecord> currencies;
};

// The outcome of a run: `ran` is false when nothing was computed (empty text, no source row);
// otherwise `rows` has one entry per unit, the text to show or nullopt for a row that keeps its text,
// and `faults` one entry per unit: the evaluator's or the number reader's message when that row's
// computation faulted, else empty.
struct ConversionResult {
    bool ran = false;
    std::vector<std::optional<std::string>> rows;
    std::vector<std::string> faults;
};

// Converts the typed value from the source row into every row of the category, by the method its
// id selects (number systems, temperature, reciprocal pair, currency or the general method).
ConversionResult ConvertUnits(const ConversionInput& input, const FormatSettings& settings, const NumberLocale& locale,
                              FormulaParser& parser);

}  // namespace quantora
