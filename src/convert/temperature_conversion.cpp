#include "convert/temperature_conversion.h"

#include <algorithm>

#include "convert/evaluate_chain.h"
#include "convert/number_format.h"

namespace quantora {

std::vector<std::optional<std::string>> ConvertTemperature(const ConversionInput& input, std::size_t sourceRow,
                                                           const FormatSettings& settings, const NumberLocale& locale,
                                                           std::vector<RowFailure>& failures) {
    const std::int32_t sourceId = input.units[sourceRow].unitId;
    std::vector<std::optional<std::string>> rows(input.units.size());
    for (std::size_t i = 0; i < input.units.size(); ++i) {
        const std::int32_t targetId = input.units[i].unitId;
        const auto record = std::find_if(
            input.temperatures.begin(), input.temperatures.end(),
            [&](const TemperatureRecord& t) { return t.fromUnitId == sourceId && t.toUnitId == targetId; });
        // Without its formula the value is unknown, and an unchanged old value would pass for an answer.
        if (record == input.temperatures.end()) {
            if (i != sourceRow) {
                rows[i] = "Error";
                failures[i] = {true, "temp.dat holds no formula for this pair of units"};
            }
            continue;
        }
        std::string chain(input.typed);
        chain += record->formula.Text();
        const double r = EvaluateChain(chain);
        rows[i] = FormatResult(r, FormatVariant::kSymbolsFirst, "", settings, locale);
    }
    return rows;
}

}  // namespace quantora
