#include "cli/eval_file_command.h"

#include "app/settings.h"
#include "calc/formula_calculation.h"
#include "calc/formula_files.h"
#include "catalogue/cp1252.h"
#include "catalogue/path_text.h"
#include "catalogue/record_file.h"

namespace quantora {

namespace {

FormulaInputs InputsOf(const FormulaRecord& record) {
    FormulaInputs inputs{record.x.Text(), record.formula.Text(), {}};
    for (std::size_t i = 0; i < inputs.variables.size(); ++i) inputs.variables[i] = record.variables[i].Text();
    return inputs;
}

int AngleUnitFor(const FormulaRecord& record, const CliArguments& arguments, const ProfileStore& profile) {
    if (arguments.angleUnit) return *arguments.angleUnit;
    if (IsKnownAngleUnit(static_cast<AngleUnit>(record.angleUnit))) return record.angleUnit;
    return LeadingInteger(ReadSetting(profile, Setting::kDeg));
}

CliOutcome Refused(int exitCode, const std::string& message) {
    return {exitCode, "", "quantora-cli: " + message + "\n"};
}

}  // namespace

CliOutcome EvaluateFormulaFile(const CliArguments& arguments, const CliEnvironment& environment) {
    const std::filesystem::path path = PathFromUtf8(*arguments.formulaFile);
    const RecordFile<FormulaRecord> file = ReadRecordFile<FormulaRecord>(path);
    if (!file.opened) return Refused(cli_exit::kDataError, file.error);
    if (file.records.empty()) return Refused(cli_exit::kDataError, *arguments.formulaFile + " is not a formula file");
    // As the window loads it: a later record overwrites the texts, and its angle unit when it has one.
    FormulaRecord state = file.records.front();
    for (const FormulaRecord& record : file.records) {
        const std::int32_t unit =
            IsKnownAngleUnit(static_cast<AngleUnit>(record.angleUnit)) ? record.angleUnit : state.angleUnit;
        state = record;
        state.angleUnit = unit;
    }
    FormulaParser parser;
    const CalculationOutcome outcome =
        CalculateFormula(parser, InputsOf(state), AngleUnitFor(state, arguments, environment.profile));
    if (!outcome.failed) return {cli_exit::kSuccess, outcome.result + "\n", ""};
    if (outcome.result != kCalculationErrorText) return {cli_exit::kCalculationError, "", outcome.result + "\n"};
    return {cli_exit::kCalculationError, "",
            Cp1252ToUtf8(outcome.result) + " " + std::to_string(outcome.errorPosition) + ": " +
                Cp1252ToUtf8(outcome.marked.text) + "\n"};
}

}  // namespace quantora
