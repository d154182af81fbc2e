#include "cli/elements_command.h"

#include <algorithm>

#include "catalogue/cp1252.h"
#include "catalogue/data_file_names.h"
#include "catalogue/name_order.h"
#include "cli/constants_command.h"
#include "lists/list_filter.h"
#include "lists/list_table.h"

namespace quantora {

namespace {

std::string Details(const ElementRecord& element) {
    const std::pair<const char*, std::string> lines[] = {
        {"Element:", element.name.Text()},
        {"Abbr.:", element.symbol.Text()},
        {"Atomic Number:", std::to_string(element.atomicNumber)},
        {"Atomic Weight:", element.atomicWeight.Text()},
        {"Density (in g/cm³ at 20 °C) :", element.density.Text()},
        {"Melting Point  in  °C :", element.meltingPoint.Text()},
        {"Boiling Point  in  °C :", element.boilingPoint.Text()},
        {"Oxidation State :", element.oxidationStates.Text()},
        {"Description :", element.description.Text()},
    };
    std::string out;
    for (const auto& [label, text] : lines) out.append(label).append(" ").append(Cp1252ToUtf8(text)).append("\n");
    return out;
}

// The row --details shows: an exact name first, so "Tin" is not lost among the names containing it.
std::optional<std::size_t> DetailsRow(const std::vector<ElementRecord>& table, const std::vector<std::size_t>& rows,
                                      std::string_view filter) {
    const auto exact =
        std::ranges::find_if(rows, [&](std::size_t row) { return CompareNames(table[row].name.Text(), filter) == 0; });
    if (exact != rows.end()) return *exact;
    if (rows.size() == 1) return rows.front();
    return std::nullopt;
}

}  // namespace

CliOutcome RunElementsCommand(const CliArguments& arguments, const CliEnvironment& environment) {
    const RecordFile<ElementRecord> file =
        LoadElements(CommandDataFolder(arguments, environment) / data_file::kElements);
    if (!file.opened) return {cli_exit::kDataError, "", "quantora-cli: " + file.error + "\n"};
    const std::string filter = arguments.operands.empty() ? "" : Utf8ToCp1252(arguments.operands[0]);
    const std::vector<std::size_t> rows = FilterRows(file.records, filter);
    CliOutcome outcome;
    if (!file.error.empty()) outcome.err = "quantora-cli: " + file.error + "\n";
    if (arguments.details) {
        const std::optional<std::size_t> row = DetailsRow(file.records, rows, filter);
        if (!row) {
            outcome.exitCode = cli_exit::kUsageError;
            outcome.err += "quantora-cli: elements --details: \"" + Cp1252ToUtf8(filter) + "\" names " +
                           std::to_string(rows.size()) + " elements, not one\n";
            return outcome;
        }
        outcome.out = Details(file.records[*row]);
        return outcome;
    }
    for (std::size_t row : rows) {
        const ElementRecord& element = file.records[row];
        outcome.out.append(Cp1252ToUtf8(element.name.Text())).append("\t");
        outcome.out.append(Cp1252ToUtf8(element.symbol.Text())).append("\n");
    }
    return outcome;
}

}  // namespace quantora
