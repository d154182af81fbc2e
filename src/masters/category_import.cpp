#include "masters/category_import.h"

#include <string_view>

#include "app/settings.h"

namespace quantora {

namespace {

// The text before the first `separator` and the text after it (empty when there is none).
std::pair<std::string_view, std::string_view> SplitAtFirst(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) return {text, {}};
    return {text.substr(0, at), text.substr(at + 1)};
}

}  // namespace

ImportResult<CategoryRecord> ImportCategories(const MasterText& master) {
    ImportResult<CategoryRecord> result;
    for (std::size_t i = 0; i < master.lines.size(); ++i) {
        const std::string_view line = master.lines[i];
        if (line.find("[1]") != std::string_view::npos) break;
        if (line.find('=') == std::string_view::npos) continue;
        const auto [idText, definition] = SplitAtFirst(line, '=');
        const auto [name, defaults] = SplitAtFirst(definition, '|');
        const auto [sourceText, targetText] = SplitAtFirst(defaults, '|');
        CategoryRecord record;
        record.categoryId = LeadingInteger(idText);
        AssignField(record.name, name, "category name", master, i, result.errors);
        record.defaultSourceUnitId = LeadingInteger(sourceText);
        record.defaultTargetUnitId = LeadingInteger(targetText);
        record.visible = 1;
        result.listLines.emplace_back(name);
        result.records.push_back(record);
        result.lines.push_back(i);
    }
    return result;
}

}  // namespace quantora
