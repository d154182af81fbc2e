// One typed value converted into every unit of a 200-unit general category, each row formatted with
// digit grouping, as the main window does on every keystroke.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/formula_parser.h"
#include "convert/unit_conversion.h"

namespace {

using namespace quantora;

constexpr int kUnitCount = 200;
constexpr std::int32_t kCategory = 1;

// Factors of the kinds the data holds: plain numbers, quotients and powers of ten.
std::string ConversionText(int i) {
    std::string text;
    switch (i % 3) {
        case 0: text.append("*").append(std::to_string(i + 1)).append(".25"); break;
        case 1: text.append("/").append(std::to_string(i + 7)); break;
        default: text.append("*10^").append(std::to_string(i % 11 - 5)); break;
    }
    return text;
}

std::vector<UnitRecord> MakeUnits() {
    std::vector<UnitRecord> units(kUnitCount);
    for (int i = 0; i < kUnitCount; ++i) {
        UnitRecord& unit = units[static_cast<std::size_t>(i)];
        unit.categoryId = kCategory;
        unit.unitId = kBaseUnitId + i;
        unit.name.Assign(std::string("unit ").append(std::to_string(i)), "name");
        unit.conversionText.Assign(i == 0 ? "*1" : ConversionText(i), "conversionText");
    }
    return units;
}

void BM_ConvertGeneralCategory(benchmark::State& state) {
    const std::vector<UnitRecord> units = MakeUnits();
    const FormatSettings settings = DefaultFormatSettings();
    const NumberLocale locale;
    FormulaParser parser;
    const ConversionInput input{.typed = "1234.5",
                                .categoryId = kCategory,
                                .units = units,
                                .sourceRow = 17,
                                .angleMode = AngleUnit::kDegrees,
                                .temperatures = {},
                                .currencies = {}};
    for (auto _ : state) {
        ConversionResult result = ConvertUnits(input, settings, locale, parser);
        benchmark::DoNotOptimize(result);
    }
    // Seconds per row, which the report prints with an SI prefix (n for nanoseconds).
    state.counters["time_per_row"] =
        benchmark::Counter(kUnitCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConvertGeneralCategory);

}  // namespace

BENCHMARK_MAIN();
