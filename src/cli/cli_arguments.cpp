#include "cli/cli_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quantora {

namespace {

struct CommandShape {
    std::string_view name;
    CliCommand command;
    std::size_t minOperands;
    std::size_t maxOperands;
};

constexpr std::array<CommandShape, 7> kCommands{{
    {"categories", CliCommand::kCategories, 0, 0},
    {"units", CliCommand::kUnits, 1, 1},
    {"convert", CliCommand::kConvert, 2, 3},
    {"eval", CliCommand::kEval, 1, 1},
    {"constants", CliCommand::kConstants, 0, 1},
    {"elements", CliCommand::kElements, 0, 1},
    {"update", CliCommand::kUpdate, 0, 0},
}};

std::optional<int> AngleUnitOf(std::string_view text) {
    if (text == "deg") return 1;
    if (text == "rad") return 2;
    if (text == "grad") return 3;
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(std::span<const std::string> args) : args_(args) {}

    ParsedCliArguments Run() {
        std::vector<std::string> words;
        bool optionsEnded = false;
        for (index_ = 0; index_ < args_.size() && error_.empty(); ++index_) {
            const std::string& word = args_[index_];
            if (optionsEnded || !word.starts_with("--")) {
                words.push_back(word);
            } else if (word == "--") {
                optionsEnded = true;
            } else {
                Option(word);
            }
        }
        if (error_.empty() && !help_) Shape(words);
        if (!error_.empty()) return {std::nullopt, error_};
        if (help_) parsed_.command = CliCommand::kHelp;
        return {parsed_, ""};
    }

private:
    void Option(std::string_view word) {
        const std::size_t equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        std::optional<std::string> inlineValue;
        if (equals != std::string_view::npos) inlineValue = std::string(word.substr(equals + 1));
        if (name == "--help") {
            help_ = true;
        } else if (name == "--value-only") {
            parsed_.valueOnly = true;
            seen_.push_back("--value-only");
        } else if (name == "--details") {
            parsed_.details = true;
            seen_.push_back("--details");
        } else if (name == "--data") {
            parsed_.dataFolder = Value(name, inlineValue);
        } else if (name == "--category") {
            parsed_.category = Value(name, inlineValue);
            seen_.push_back("--category");
        } else if (name == "--x") {
            parsed_.x = Value(name, inlineValue);
            seen_.push_back("--x");
        } else if (name == "--file") {
            parsed_.formulaFile = Value(name, inlineValue);
            seen_.push_back("--file");
        } else if (name == "--server") {
            parsed_.server = Value(name, inlineValue);
            seen_.push_back("--server");
        } else if (name == "--rates-url") {
            parsed_.ratesUrl = Value(name, inlineValue);
            seen_.push_back("--rates-url");
        } else if (name == "--angle") {
            const std::string value = Value(name, inlineValue);
            parsed_.angleUnit = AngleUnitOf(value);
            if (error_.empty() && !parsed_.angleUnit) {
                error_ = "--angle takes deg, rad or grad, not \"";
                error_.append(value).append("\"");
            }
            seen_.push_back("--angle");
        } else {
            error_ = "unknown option ";
            error_ += name;
        }
    }

    std::string Value(std::string_view name, const std::optional<std::string>& inlineValue) {
        if (inlineValue) return *inlineValue;
        if (index_ + 1 >= args_.size()) {
            error_ = std::string(name) + " needs a value";
            return {};
        }
        return args_[++index_];
    }

    void Shape(std::vector<std::string>& words) {
        if (words.empty()) {
            error_ = "no command given";
            return;
        }
        const auto shape = std::find_if(kCommands.begin(), kCommands.end(),
                                        [&](const CommandShape& s) { return s.name == words.front(); });
        if (shape == kCommands.end()) {
            error_ = "unknown command \"" + words.front() + "\"";
            return;
        }
        parsed_.command = shape->command;
        parsed_.operands.assign(words.begin() + 1, words.end());
        const std::size_t count = parsed_.operands.size();
        // A formula file stands in for the formula.
        const std::size_t given = parsed_.formulaFile && shape->command == CliCommand::kEval ? count + 1 : count;
        if (given < shape->minOperands || given > shape->maxOperands) {
            error_ = std::string(shape->name) + ": wrong number of operands";
            return;
        }
        CheckOptionsBelong(*shape);
    }

    void CheckOptionsBelong(const CommandShape& shape) {
        for (const std::string& option : seen_) {
            const bool forConvert = option == "--category" || option == "--value-only";
            const bool forEval = option == "--x" || option == "--angle" || option == "--file";
            const bool forElements = option == "--details";
            const bool forUpdate = option == "--server" || option == "--rates-url";
            if ((forConvert && shape.command != CliCommand::kConvert) ||
                (forEval && shape.command != CliCommand::kEval) ||
                (forElements && shape.command != CliCommand::kElements) ||
                (forUpdate && shape.command != CliCommand::kUpdate)) {
                error_ = option;
                error_.append(" does not apply to ").append(shape.name);
                return;
            }
        }
        if (parsed_.valueOnly && parsed_.operands.size() < 3) error_ = "--value-only needs a destination unit";
    }

    std::span<const std::string> args_;
    std::size_t index_ = 0;
    std::string error_;
    bool help_ = false;
    std::vector<std::string> seen_;
    CliArguments parsed_;
};

}  // namespace

ParsedCliArguments ParseCliArguments(std::span<const std::string> args) { return Parser(args).Run(); }

std::string CliUsage() {
    return R"(Usage: quantora-cli [--data DIR] COMMAND [OPTIONS]

Converts units with the data and settings of Quantora.

Commands:
  categories                  list the categories
  units CATEGORY              list the units of a category (name, abbreviation)
  convert VALUE FROM [TO]     convert VALUE from unit FROM; without TO every unit of
                              FROM's category is listed with its value, with TO the
                              result line "<value> <FROM> = <value> <TO>" is printed
      --category NAME         look for FROM and TO in this category only
      --value-only            print only the destination's value text
  eval FORMULA                evaluate a formula in x
      --x X                   the value of x (default 0)
      --angle deg|rad|grad    the angle unit (default: the formula window's setting)
  eval --file FILE            calculate a formula file (.xpq) as the formula window does,
                              with its x, variables and angle unit
  constants [FILTER]          list the physical constants (name, value, uncertainty)
  elements [FILTER]           list the chemical elements (name, symbol)
      --details               print every property of the one element FILTER names
  update                      bring the data files up to date from the update server and
                              the exchange rates from the rates source, as the window's
                              Download does; status and progress on stderr
      --server URL            ask this server instead of the profile's "Update Server"
      --rates-url URL         fetch the exchange rates (the European Central Bank's daily
                              reference format) from URL instead of the profile's
                              "Rates Source"; an empty URL fetches no rates

Units are found by name or abbreviation, without regard to letter case (an exact match
wins); VALUE is read exactly as the main window reads the value field. Values are
formatted by the options of the main window. FILTER keeps the names that contain it,
without regard to letter case; a FILTER ending in ">" keeps the names ending with the
text before it.

Options:
  --data DIR                  read the data files from DIR instead of the data folder
                              beside the program
  --help                      show this text
  --                          end of options (for a VALUE or FORMULA starting with --)

Exit codes: 0 success, 1 calculation error (its text on stderr), 2 usage error,
3 data error; update: 0 files updated, 4 already up to date, 5 update failed.
)";
}

}  // namespace quantora
