#include "masters/unit_import.h"

#include <map>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "convert/trim_blanks.h"

namespace quantora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != npos; }

// In the sections 251, 261 and 271 braces belong to the name itself, so their lines are not split.
bool TakesNameWhole(std::int32_t categoryId) { return categoryId == 251 || categoryId == 261 || categoryId == 271; }

struct NameAndAbbreviation {
    std::string name;
    std::string abbreviation;
};

// The closing brace is the second "}" when there are two, so one level of braces may sit inside an
// abbreviation. A brace left open runs to the end of the text.
NameAndAbbreviation SplitName(std::string_view text) {
    const std::size_t open = text.find('{');
    if (open == npos || open < 1) return {std::string(TrimBlanks(text)), {}};
    const std::size_t first = text.find('}');
    const std::size_t second = first == npos ? npos : text.find('}', first + 1);
    std::size_t close = second != npos ? second : first;
    if (close == npos || close < open) close = text.size();
    std::string rest(text.substr(0, open));
    if (close < text.size()) rest.append(text.substr(close + 1));
    return {std::string(TrimBlanks(rest)), std::string(text.substr(open + 1, close - open - 1))};
}

// Finds each unit's conversion line: after the first line that begins with "[<id>c]", the first
// line that begins with "<unit id>=", anywhere below it.
class ConversionLookup {
public:
    explicit ConversionLookup(const MasterText& master) : master_(master) {}

    std::optional<std::size_t> Find(std::int32_t categoryId, std::int32_t unitId) {
        const std::optional<std::size_t> header = SectionStart(categoryId);
        if (!header) return std::nullopt;
        const std::string key = std::to_string(unitId) + "=";
        for (std::size_t i = *header + 1; i < master_.lines.size(); ++i) {
            if (master_.lines[i].starts_with(key)) return i;
        }
        return std::nullopt;
    }

    // The text starts two characters after the "="; those two are filler and not read.
    std::string Text(std::optional<std::size_t> line, std::int32_t unitId) const {
        if (!line) return {};
        const std::size_t cut = std::to_string(unitId).size() + 3;
        const std::string& text = master_.lines[*line];
        return text.size() > cut ? text.substr(cut) : std::string();
    }

private:
    std::optional<std::size_t> SectionStart(std::int32_t categoryId) {
        const auto known = sections_.find(categoryId);
        if (known != sections_.end()) return known->second;
        const std::string header = "[" + std::to_string(categoryId) + "c]";
        std::optional<std::size_t> start;
        for (std::size_t i = 0; i < master_.lines.size() && !start; ++i) {
            if (master_.lines[i].starts_with(header)) start = i;
        }
        sections_.emplace(categoryId, start);
        return start;
    }

    const MasterText& master_;
    std::map<std::int32_t, std::optional<std::size_t>> sections_;
};

void SetConversion(UnitRecord& record, const std::string& text, const MasterText& master, std::size_t line,
                   std::vector<std::string>& errors) {
    record.reciprocal = Contains(text, "R") ? 1 : 0;
    const std::size_t ampersand = text.find('&');
    const bool split = ampersand != std::string::npos && ampersand >= 1;
    const std::string_view conversion = split ? std::string_view(text).substr(0, ampersand) : std::string_view(text);
    const std::string_view base = split ? std::string_view(text).substr(ampersand + 1) : std::string_view();
    AssignField(record.conversionText, conversion, "conversion text", master, line, errors);
    AssignField(record.baseFormula, base, "base formula", master, line, errors);
}

void AddUnit(const MasterText& master, std::size_t line, std::int32_t categoryId, std::string_view commonLine,
             ConversionLookup& conversions, UnitImport& result) {
    const std::string_view text = master.lines[line];
    const std::string_view idText = text.substr(0, 3);
    UnitRecord record;
    record.categoryId = categoryId;
    record.unitId = LeadingInteger(idText);
    // Deliberately a plain substring test, as the master files were written for it.
    record.common = Contains(commonLine, idText) ? 1 : 0;
    const std::size_t equals = text.find('=');
    const std::string_view definition = equals == npos ? std::string_view() : text.substr(equals + 1);
    const NameAndAbbreviation names = TakesNameWhole(categoryId)
                                          ? NameAndAbbreviation{std::string(TrimBlanks(definition)), {}}
                                          : SplitName(definition);
    AssignField(record.name, names.name, "unit name", master, line, result.errors);
    AssignField(record.abbreviation, names.abbreviation, "abbreviation", master, line, result.errors);
    const std::optional<std::size_t> conversionLine = conversions.Find(categoryId, record.unitId);
    SetConversion(record, conversions.Text(conversionLine, record.unitId), master, conversionLine.value_or(line),
                  result.errors);
    record.visible = 1;
    record.referenceUnitId = kBaseUnitId;
    result.listLines.push_back(std::to_string(categoryId) + " " + names.name);
    result.records.push_back(record);
    result.lines.push_back(line);
    result.conversionLines.push_back(conversionLine);
}

}  // namespace

UnitImport ImportUnits(const MasterText& master) {
    UnitImport result;
    ConversionLookup conversions(master);
    std::size_t i = 0;
    while (i < master.lines.size() && !Contains(master.lines[i], "[1]")) ++i;
    std::int32_t categoryId = 1;
    std::string commonLine;
    for (++i; i < master.lines.size(); ++i) {
        const std::string& line = master.lines[i];
        if (line.empty()) continue;
        if (Contains(line, "c]")) break;
        if (line.front() == '[') {
            categoryId = LeadingInteger(std::string_view(line).substr(1, line.find(']') - 1));
        } else if (Contains(line, "100=")) {
            commonLine = line;
        } else {
            AddUnit(master, i, categoryId, commonLine, conversions, result);
        }
    }
    return result;
}

}  // namespace quantora
