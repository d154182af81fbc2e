#include "lists/list_sources.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <set>

#include "catalogue/cp1252.h"

namespace quantora {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string Where(std::string_view sourceName, std::size_t line) {
    return std::string(sourceName) + ":" + std::to_string(line) + ": ";
}

// Converts to Windows-1252 and stores the text; a character the code page lacks or a text too
// long for its field is a fault of that line.
template <typename Field>
void Store(Field& field, std::string_view utf8, std::string_view fieldName, const std::string& where,
           std::vector<std::string>& errors) {
    bool lossless = true;
    const std::string bytes = Utf8ToCp1252(utf8, &lossless);
    if (!lossless) {
        errors.push_back(where + std::string(fieldName) + ": \"" + std::string(utf8) +
                         "\" holds characters that Windows-1252 cannot represent");
        return;
    }
    if (auto error = field.Assign(bytes, fieldName)) errors.push_back(where + *error);
}

struct Entry {
    std::string text;
    std::size_t line = 0;
};

struct Stanza {
    std::size_t firstLine = 0;
    std::map<std::string, Entry, std::less<>> entries;
};

constexpr std::array<std::string_view, 9> kElementKeys{"number",  "name",    "symbol",    "weight",     "density",
                                                       "melting", "boiling", "oxidation", "description"};

std::vector<Stanza> SplitStanzas(const std::vector<std::string_view>& lines, std::string_view sourceName,
                                 std::vector<std::string>& errors) {
    std::vector<Stanza> stanzas;
    bool open = false;
    Entry* description = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        const std::string_view line = Trim(lines[i]);
        if (line.empty()) {
            open = false;
            description = nullptr;
            continue;
        }
        if (description != nullptr) {
            if (!description->text.empty()) description->text += ' ';
            description->text += line;
            continue;
        }
        if (line.front() == '#') continue;
        if (!open) {
            stanzas.push_back(Stanza{lineNumber, {}});
            open = true;
        }
        const auto colon = line.find(':');
        const std::string_view key = Trim(line.substr(0, colon));
        if (colon == std::string_view::npos || std::ranges::find(kElementKeys, key) == kElementKeys.end()) {
            errors.push_back(Where(sourceName, lineNumber) + "expected one of the keys number, name, symbol, " +
                             "weight, density, melting, boiling, oxidation, description followed by \":\"");
            continue;
        }
        auto [entry, added] = stanzas.back().entries.try_emplace(std::string(key));
        if (!added) {
            errors.push_back(Where(sourceName, lineNumber) + "\"" + std::string(key) + "\" given twice");
            continue;
        }
        entry->second = Entry{std::string(Trim(line.substr(colon + 1))), lineNumber};
        if (key == "description") description = &entry->second;
    }
    return stanzas;
}

ElementRecord ToElement(const Stanza& stanza, std::string_view sourceName, std::set<std::int32_t>& numbers,
                        std::vector<std::string>& errors) {
    ElementRecord record;
    const auto text = [&stanza](std::string_view key) -> Entry {
        const auto found = stanza.entries.find(key);
        return found == stanza.entries.end() ? Entry{"", stanza.firstLine} : found->second;
    };
    const auto store = [&](auto& field, std::string_view key) {
        const Entry entry = text(key);
        Store(field, entry.text, key, Where(sourceName, entry.line), errors);
    };
    const Entry number = text("number");
    const char* end = number.text.data() + number.text.size();
    const auto [parsedEnd, fault] = std::from_chars(number.text.data(), end, record.atomicNumber);
    if (fault != std::errc{} || parsedEnd != end || record.atomicNumber <= 0) {
        errors.push_back(Where(sourceName, number.line) + "number: \"" + number.text +
                         "\" is not a positive atomic number");
    } else if (!numbers.insert(record.atomicNumber).second) {
        errors.push_back(Where(sourceName, number.line) + "number: atomic number " + number.text + " given twice");
    }
    if (text("name").text.empty()) errors.push_back(Where(sourceName, stanza.firstLine) + "name: missing");
    if (text("symbol").text.empty()) errors.push_back(Where(sourceName, stanza.firstLine) + "symbol: missing");
    store(record.name, "name");
    store(record.symbol, "symbol");
    store(record.atomicWeight, "weight");
    store(record.density, "density");
    store(record.meltingPoint, "melting");
    store(record.boilingPoint, "boiling");
    store(record.oxidationStates, "oxidation");
    store(record.description, "description");
    return record;
}

}  // namespace

ListSource<ConstantRecord> ParseConstantsSource(std::string_view utf8, std::string_view sourceName) {
    ListSource<ConstantRecord> result;
    const auto lines = SplitLines(utf8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Trim(line).empty() || line.front() == '#') continue;
        const std::string where = Where(sourceName, i + 1);
        const auto firstTab = line.find('\t');
        const auto secondTab = firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string_view::npos || line.find('\t', secondTab + 1) != std::string_view::npos) {
            result.errors.push_back(where + "expected name, value and uncertainty separated by two tabs");
            continue;
        }
        ConstantRecord record;
        Store(record.name, Trim(line.substr(0, firstTab)), "name", where, result.errors);
        Store(record.value, Trim(line.substr(firstTab + 1, secondTab - firstTab - 1)), "value", where, result.errors);
        Store(record.uncertainty, Trim(line.substr(secondTab + 1)), "uncertainty", where, result.errors);
        result.records.push_back(record);
    }
    return result;
}

ListSource<ElementRecord> ParseElementsSource(std::string_view utf8, std::string_view sourceName) {
    ListSource<ElementRecord> result;
    std::set<std::int32_t> numbers;
    for (const Stanza& stanza : SplitStanzas(SplitLines(utf8), sourceName, result.errors)) {
        result.records.push_back(ToElement(stanza, sourceName, numbers, result.errors));
    }
    return result;
}

}  // namespace quantora
