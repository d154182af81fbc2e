#include "cli/constants_command.h"

#include "catalogue/cp1252.h"
#include "catalogue/data_file_names.h"
#include "catalogue/path_text.h"
#include "lists/list_filter.h"
#include "lists/list_table.h"

namespace quantora {

std::filesystem::path CommandDataFolder(const CliArguments& arguments, const CliEnvironment& environment) {
    return arguments.dataFolder ? PathFromUtf8(*arguments.dataFolder) : environment.dataFolder;
}

CliOutcome RunConstantsCommand(const CliArguments& arguments, const CliEnvironment& environment) {
    const RecordFile<ConstantRecord> file =
        LoadConstants(CommandDataFolder(arguments, environment) / data_file::kConstants);
    if (!file.opened) return {cli_exit::kDataError, "", "quantora-cli: " + file.error + "\n"};
    const std::string filter = arguments.operands.empty() ? "" : Utf8ToCp1252(arguments.operands[0]);
    CliOutcome outcome;
    for (std::size_t row : FilterRows(file.records, filter)) {
        const ConstantRecord& constant = file.records[row];
        outcome.out.append(Cp1252ToUtf8(constant.name.Text())).append("\t");
        outcome.out.append(Cp1252ToUtf8(constant.value.Text())).append("\t");
        outcome.out.append(Cp1252ToUtf8(constant.uncertainty.Text())).append("\n");
    }
    if (!file.error.empty()) outcome.err = "quantora-cli: " + file.error + "\n";
    return outcome;
}

}  // namespace quantora
