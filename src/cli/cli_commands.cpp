#include "cli/cli_commands.h"

#include <optional>
#include <vector>

#include "app/settings.h"
#include "calc/formula_calculation.h"
#include "calc/formula_parser.h"
#include "catalogue/cp1252.h"
#include "cli/cli_arguments.h"
#include "cli/constants_command.h"
#include "cli/elements_command.h"
#include "cli/eval_file_command.h"
#include "cli/unit_lookup.h"
#include "cli/update_command.h"
#include "convert/decimal_print.h"
#include "convert/format_settings.h"
#include "convert/leading_number.h"
#include "convert/typed_value.h"
#include "convert/unit_conversion.h"
#include "main/converter_model.h"
#include "main/result_line.h"

namespace quantora {

namespace {

// The four labels of the result line as one line of text, blank-separated like the window's labels.
std::string JoinResultLine(const ResultLine& line) {
    std::string text;
    for (std::string_view part : {line.sourceValue, line.sourceUnit, line.destinationValue, line.destinationUnit}) {
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

// Names the value and both units, and the reason when there is one; all texts UTF-8 but the unit names.
std::string ConversionError(std::string_view typed, const UnitRecord& from, const UnitRecord& to,
                            std::string_view reason) {
    std::string text = "quantora-cli: Error: cannot convert \"" + std::string(typed) + "\" from " +
                       Cp1252ToUtf8(from.name.Text()) + " to " + Cp1252ToUtf8(to.name.Text());
    while (!reason.empty() && reason.front() == ' ') reason.remove_prefix(1);
    if (!reason.empty()) text.append(": ").append(reason);
    return text;
}

CliOutcome Usage(const std::string& message) {
    return {cli_exit::kUsageError, "", "quantora-cli: " + message + "\nTry 'quantora-cli --help'.\n"};
}

CliOutcome Failure(int exitCode, std::string message) { return {exitCode, "", std::move(message) + "\n"}; }

CliOutcome Evaluate(const CliArguments& arguments, const CliEnvironment& environment) {
    // The formula and x are typed like the window's value, so their numbers are read the same way.
    const TypedValue formula = ReadTypedValue(arguments.operands[0], environment.locale);
    const TypedValue typedX = ReadTypedValue(arguments.x.value_or(""), environment.locale);
    for (const TypedValue* read : {&formula, &typedX}) {
        if (!read->error.empty()) return Failure(cli_exit::kCalculationError, "quantora-cli: Error: " + read->error);
    }
    const double x = LeadingDecimal(typedX.text);
    const AngleUnit angleUnit = arguments.angleUnit ? static_cast<AngleUnit>(*arguments.angleUnit)
                                                    : ReadAngleSetting(environment.profile, Setting::kDeg);
    FormulaParser parser;
    std::string error;
    const double value = parser.Evaluate(Utf8ToCp1252(formula.text), x, error, angleUnit);
    if (!error.empty()) return Failure(cli_exit::kCalculationError, Cp1252ToUtf8(error));
    return {cli_exit::kSuccess, PrintFixed(value, kFormulaResultDecimals) + "\n", ""};
}

class CatalogueCommands {
public:
    CatalogueCommands(const CliArguments& arguments, const CliEnvironment& environment)
        : arguments_(arguments), environment_(environment) {}

    CliOutcome Run() {
        const LoadReport report = catalogue_.Load(CommandDataFolder(arguments_, environment_),
                                                  ReadSettingFlag(environment_.profile, Setting::kCommonUnits));
        if (!report.complete) return Failure(cli_exit::kDataError, "quantora-cli: " + report.error);
        CliOutcome outcome = Command();
        // What the files lacked is said once, after the answer; a damaged data set is never a success.
        for (const std::string& warning : report.warnings) outcome.err += "quantora-cli: " + warning + "\n";
        if (!report.warnings.empty() && outcome.exitCode == cli_exit::kSuccess) outcome.exitCode = cli_exit::kDataError;
        return outcome;
    }

private:
    CliOutcome Command() const {
        switch (arguments_.command) {
            case CliCommand::kCategories: return Categories();
            case CliCommand::kUnits: return Units();
            default: return Convert();
        }
    }

    CliOutcome Categories() const {
        std::string out;
        for (const CategoryRecord& category : catalogue_.Categories()) out += Cp1252ToUtf8(category.name.Text()) + "\n";
        return {cli_exit::kSuccess, out, ""};
    }

    CliOutcome Units() const {
        const CategoryLookup found = FindCategory(catalogue_, Utf8ToCp1252(arguments_.operands[0]));
        if (!found.line) return Usage(Cp1252ToUtf8(found.error));
        std::string out;
        for (const UnitRecord& unit : UnitsOf(*found.line)) {
            out.append(Cp1252ToUtf8(unit.name.Text())).append("\t").append(Cp1252ToUtf8(unit.abbreviation.Text())) +=
                '\n';
        }
        return {cli_exit::kSuccess, out, ""};
    }

    CliOutcome Convert() const {
        const std::vector<std::string>& operands = arguments_.operands;
        if (operands[0].empty()) return Usage("convert: VALUE is empty");
        std::optional<std::size_t> category;
        if (arguments_.category) {
            const CategoryLookup found = FindCategory(catalogue_, Utf8ToCp1252(*arguments_.category));
            if (!found.line) return Usage(Cp1252ToUtf8(found.error));
            category = found.line;
        }
        const std::string from = Utf8ToCp1252(operands[1]);
        const std::optional<std::string> to =
            operands.size() > 2 ? std::optional(Utf8ToCp1252(operands[2])) : std::nullopt;
        if (from.empty() || (to && to->empty())) return Usage("convert: a unit is empty");
        const UnitLookup lookup = FindUnits(catalogue_, category, from, to);
        if (!lookup.choice) return Usage(Cp1252ToUtf8(lookup.error));
        return Converted(*lookup.choice, operands[0]);
    }

    CliOutcome Converted(const UnitChoice& choice, const std::string& typed) const {
        const std::int32_t categoryId = catalogue_.CategoryAt(choice.categoryLine).categoryId;
        const std::span<const UnitRecord> units = catalogue_.Units(categoryId);
        const ConversionInput input{.typed = typed,
                                    .categoryId = categoryId,
                                    .units = units,
                                    .sourceRow = choice.sourceRow,
                                    .angleMode = ReadAngleSetting(environment_.profile, Setting::kDegree),
                                    .temperatures = catalogue_.Temperatures(),
                                    .currencies = catalogue_.Currencies()};
        FormulaParser parser;
        const ConversionResult result =
            ConvertUnits(input, ReadFormatSettings(environment_.profile), environment_.locale, parser);
        // Values are UTF-8 already: the locale's separators and the profile's symbols, as the window shows them.
        const auto valueText = [&](std::size_t row) { return result.rows[row].value_or(""); };
        const std::string note = CurrencyNote(categoryId, units, choice);
        if (!choice.destinationRow) {
            std::string out;
            for (std::size_t row = 0; row < units.size(); ++row) {
                out.append(Cp1252ToUtf8(units[row].name.Text())).append("\t").append(valueText(row)) += '\n';
            }
            return {cli_exit::kSuccess, out, note};
        }
        const std::size_t destination = *choice.destinationRow;
        if (result.failures[destination].failed) {
            return Failure(cli_exit::kCalculationError,
                           ConversionError(typed, units[choice.sourceRow], units[destination],
                                           result.failures[destination].reason));
        }
        if (arguments_.valueOnly) return {cli_exit::kSuccess, valueText(destination) + "\n", note};
        std::vector<UnitRowTexts> rows;
        rows.reserve(units.size());
        for (std::size_t row = 0; row < units.size(); ++row) {
            rows.push_back(
                {Cp1252ToUtf8(units[row].name.Text()), Cp1252ToUtf8(units[row].abbreviation.Text()), valueText(row)});
        }
        const ResultLine line = BuildResultLine(categoryId, rows, choice.sourceRow, destination);
        return {cli_exit::kSuccess, JoinResultLine(line) + "\n", note};
    }

    // A currency value is only as good as the day of its rate, so the day goes to stderr with it.
    std::string CurrencyNote(std::int32_t categoryId, std::span<const UnitRecord> units,
                             const UnitChoice& choice) const {
        if (categoryId != category_id::kCurrency) return "";
        std::vector<std::string> names{units[choice.sourceRow].name.Text()};
        if (choice.destinationRow) names.push_back(units[*choice.destinationRow].name.Text());
        return Cp1252ToUtf8(catalogue_.CurrencyNote(names)) + "\n";
    }

    std::span<const UnitRecord> UnitsOf(std::size_t line) const {
        return catalogue_.Units(catalogue_.CategoryAt(line).categoryId);
    }

    const CliArguments& arguments_;
    const CliEnvironment& environment_;
    Catalogue catalogue_;
};

}  // namespace

CliOutcome RunCli(std::span<const std::string> args, const CliEnvironment& environment) {
    const ParsedCliArguments parsed = ParseCliArguments(args);
    if (!parsed.arguments) return Usage(parsed.error);
    const CliArguments& arguments = *parsed.arguments;
    switch (arguments.command) {
        case CliCommand::kHelp: return {cli_exit::kSuccess, CliUsage(), ""};
        case CliCommand::kEval:
            return arguments.formulaFile ? EvaluateFormulaFile(arguments, environment)
                                         : Evaluate(arguments, environment);
        case CliCommand::kConstants: return RunConstantsCommand(arguments, environment);
        case CliCommand::kElements: return RunElementsCommand(arguments, environment);
        case CliCommand::kUpdate: return RunUpdateCommand(arguments, environment);
        default: return CatalogueCommands(arguments, environment).Run();
    }
}

}  // namespace quantora
