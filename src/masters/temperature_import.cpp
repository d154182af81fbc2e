#include "masters/temperature_import.h"

#include <string_view>

#include "app/settings.h"

namespace quantora {

namespace {

constexpr std::size_t kFormulaStart = 9;

std::string_view Slice(std::string_view text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string_view();
}

}  // namespace

ImportResult<TemperatureRecord> ImportTemperatures(const MasterText& master) {
    ImportResult<TemperatureRecord> result;
    std::size_t i = 0;
    while (i < master.lines.size() && master.lines[i].find("[19c]") == std::string::npos) ++i;
    for (++i; i < master.lines.size(); ++i) {
        const std::string_view line = master.lines[i];
        if (line.empty()) continue;
        if (line.front() == '[') break;
        TemperatureRecord record;
        record.fromUnitId = LeadingInteger(Slice(line, 0, 3));
        record.toUnitId = LeadingInteger(Slice(line, 3, 3));
        AssignField(record.formula, Slice(line, kFormulaStart, std::string_view::npos), "temperature formula", master,
                    i, result.errors);
        record.visible = 1;
        result.records.push_back(record);
        result.lines.push_back(i);
    }
    return result;
}

}  // namespace quantora
