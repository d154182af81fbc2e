// Feeds arbitrary bytes to the formula file reader as a file opened from anywhere would give them, and
// calculates what it holds as the window and `eval --file` do. Nothing may crash or read out of
// bounds, and however the variables multiply each other the substituted text stays within its bound.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "calc/formula_calculation.h"
#include "calc/formula_parser.h"
#include "catalogue/record_file.h"

namespace {

using namespace quantora;

FormulaInputs InputsOf(const FormulaRecord& record) {
    FormulaInputs inputs{record.x.Text(), record.formula.Text(), {}};
    for (std::size_t i = 0; i < inputs.variables.size(); ++i) inputs.variables[i] = record.variables[i].Text();
    return inputs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RecordFile<FormulaRecord> file =
        DecodeRecordFile<FormulaRecord>(std::span<const std::uint8_t>(data, size), "fuzz.xpq");
    static FormulaParser parser;
    for (const FormulaRecord& record : file.records) {
        const FormulaInputs inputs = InputsOf(record);
        const std::optional<std::string> substituted = SubstituteVariables(inputs.formula, inputs);
        if (substituted && substituted->size() > kMaxSubstitutedLength) std::abort();
        const CalculationOutcome outcome = CalculateFormula(parser, inputs, record.angleUnit);
        if (!outcome.failed && outcome.result.empty()) std::abort();
        if (!substituted && outcome.result != TooLongText()) std::abort();
    }
    return 0;
}
