#include "convert/unit_conversion.h"

#include <algorithm>

#include "convert/currency_conversion.h"
#include "convert/general_conversion.h"
#include "convert/number_systems.h"
#include "convert/reciprocal_conversion.h"
#include "convert/roman_numerals.h"
#include "convert/temperature_conversion.h"
#include "convert/typed_value.h"

namespace quantora {

namespace {

// The five written forms become the category's rows in their fixed order.
std::vector<std::optional<std::string>> ConvertNumberSystemRows(const ConversionInput& input, std::size_t sourceRow,
                                                                const FormatSettings& settings,
                                                                const NumberLocale& locale,
                                                                std::vector<RowFailure>& failures) {
    const NumberSystemTexts texts = ConvertNumberSystems(input.typed, sourceRow, settings.grouping, locale);
    std::vector<std::optional<std::string>> rows(input.units.size());
    const std::size_t count = std::min(rows.size(), texts.size());
    for (std::size_t i = 0; i < count; ++i) rows[i] = texts[i];
    if (sourceRow < kNumberSystemRowCount) {
        const WholeNumber number = ReadWholeNumber(input.typed, sourceRow);
        if (!number.error.empty()) {
            for (std::size_t i = 0; i < count; ++i) failures[i] = {true, number.error};
        } else if ((number.value < 1 || number.value > kLargestRoman) && number_system_row::kRoman < count) {
            failures[number_system_row::kRoman] = {true, "Roman numerals run from 1 to 3999999"};
        }
    }
    return rows;
}

// Every row but the source fails for the same reason.
void FailOtherRows(ConversionResult& result, std::size_t sourceRow, const std::string& reason) {
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        if (i == sourceRow) continue;
        result.rows[i] = "Error";
        result.failures[i] = {true, reason};
    }
}

}  // namespace

ConversionResult ConvertUnits(const ConversionInput& input, const FormatSettings& settings, const NumberLocale& locale,
                              FormulaParser& parser) {
    if (input.typed.empty() || !input.sourceRow || *input.sourceRow >= input.units.size()) return {};
    const std::size_t sourceRow = *input.sourceRow;
    ConversionResult result{.ran = true,
                            .rows = std::vector<std::optional<std::string>>(input.units.size()),
                            .failures = std::vector<RowFailure>(input.units.size())};
    if (input.categoryId == category_id::kNumberSystems) {
        result.rows = ConvertNumberSystemRows(input, sourceRow, settings, locale, result.failures);
        return result;
    }
    const TypedValue value = ReadTypedValue(input.typed, locale);
    if (!value.error.empty()) {
        FailOtherRows(result, sourceRow, value.error);
    } else {
        // The methods compute from the numbers as read; the source row shows what was typed.
        ConversionInput read = input;
        read.typed = value.text;
        switch (input.categoryId) {
            case category_id::kTemperature:
                result.rows = ConvertTemperature(read, sourceRow, settings, locale, result.failures);
                break;
            case category_id::kReciprocalPair:
                result.rows = ConvertReciprocalPair(read, sourceRow, settings, locale, parser, result.failures);
                break;
            case category_id::kCurrency:
                result.rows = ConvertCurrency(read, sourceRow, settings, locale, result.failures);
                break;
            default: result.rows = ConvertGeneral(read, sourceRow, settings, locale, parser, result.failures); break;
        }
    }
    if (!result.rows[sourceRow]) result.rows[sourceRow] = std::string(input.typed);
    return result;
}

}  // namespace quantora
