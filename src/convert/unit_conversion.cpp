#include "convert/unit_conversion.h"

#include <algorithm>

#include "convert/currency_conversion.h"
#include "convert/general_conversion.h"
#include "convert/number_systems.h"
#include "convert/reciprocal_conversion.h"
#include "convert/temperature_conversion.h"

namespace quantora {

namespace {

// The five written forms become the category's rows in their fixed order.
std::vector<std::optional<std::string>> ConvertNumberSystemRows(const ConversionInput& input, std::size_t sourceRow,
                                                                const FormatSettings& settings,
                                                                const NumberLocale& locale,
                                                                std::vector<std::string>& faults) {
    const NumberSystemTexts texts = ConvertNumberSystems(input.typed, sourceRow, settings.grouping, locale);
    std::vector<std::optional<std::string>> rows(input.units.size());
    const std::size_t count = std::min(rows.size(), texts.size());
    for (std::size_t i = 0; i < count; ++i) rows[i] = texts[i];
    if (sourceRow < kNumberSystemRowCount) {
        const std::string error = ReadWholeNumber(input.typed, sourceRow).error;
        for (std::size_t i = 0; i < count; ++i) faults[i] = error;
    }
    return rows;
}

}  // namespace

ConversionResult ConvertUnits(const ConversionInput& input, const FormatSettings& settings, const NumberLocale& locale,
                              FormulaParser& parser) {
    if (input.typed.empty() || !input.sourceRow || *input.sourceRow >= input.units.size()) return {};
    const std::size_t sourceRow = *input.sourceRow;
    ConversionResult result{.ran = true, .rows = {}, .faults = std::vector<std::string>(input.units.size())};
    switch (input.categoryId) {
        case category_id::kNumberSystems:
            result.rows = ConvertNumberSystemRows(input, sourceRow, settings, locale, result.faults);
            break;
        case category_id::kTemperature: result.rows = ConvertTemperature(input, sourceRow, settings, locale); break;
        case category_id::kReciprocalPair:
            result.rows = ConvertReciprocalPair(input, sourceRow, settings, locale, parser);
            break;
        case category_id::kCurrency: result.rows = ConvertCurrency(input, sourceRow, settings, locale); break;
        default: result.rows = ConvertGeneral(input, sourceRow, settings, locale, parser, result.faults); break;
    }
    return result;
}

}  // namespace quantora
