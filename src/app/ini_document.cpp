#include "app/ini_document.h"

#include <algorithm>
#include <utility>

#include "app/ini_escaping.h"

namespace quantora {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

// Where the logical line from `at` starts and ends, as QSettings splits a file: a quoted value
// may run over line ends, a backslash takes the next character with it, ";" outside quotes starts
// a comment that runs to the end of the line.
struct LineBounds {
    std::size_t start = 0;
    std::size_t end = 0;
    std::optional<std::size_t> equals;
    bool openQuote = false;
};

LineBounds NextLine(std::string_view data, std::size_t at) {
    LineBounds line;
    while (at < data.size() && IsSpace(data[at])) ++at;
    line.start = at;
    bool inQuotes = false;
    std::size_t i = at;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && !line.equals) line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char escaped = data[i++];
                if (i < data.size() && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n'))) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == line.start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < data.size() && IsSpace(data[i])) ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    line.end = i;
    line.openQuote = inQuotes;
    return line;
}

bool EndsInLoneBackslash(std::string_view text) {
    const std::size_t lastOther = text.find_last_not_of('\\');
    const std::size_t backslashes = text.size() - (lastOther == std::string_view::npos ? 0 : lastOther + 1);
    return backslashes % 2 == 1;
}

// The line's text as written. A lone backslash at its end, which only the file's end can leave
// there, would take the next line's break (or the closing quote) with it and swallow what is
// written after it, so it is dropped; an open quote is closed. Outside quotes, a line break at the
// end is one such a backslash took, and it goes with it, as often as they alternate.
std::string WrittenText(std::string text, bool openQuote) {
    for (;;) {
        while (!openQuote && (text.ends_with('\r') || text.ends_with('\n'))) text.pop_back();
        if (!EndsInLoneBackslash(text)) break;
        text.pop_back();
    }
    return openQuote ? text + '"' : text;
}

std::string SectionOf(std::string_view header) {
    const std::size_t close = header.find(']');
    const std::string_view name = Trimmed(header.substr(1, close == std::string_view::npos ? header.npos : close - 1));
    if (EqualsIgnoringCase(name, "general")) return {};
    if (EqualsIgnoringCase(name, "%general")) return std::string(name.substr(1));
    return UnescapeIniKey(name);
}

std::string SectionHeader(std::string_view section) {
    if (section.empty()) return "[General]";
    const std::string name = EscapeIniKey(section);
    return "[" + (name == "General" ? "%" + name : name) + "]";
}

// Moves what follows a line on its own physical line (a comment) from `lead` to `trail`, so a new
// entry goes below the comment instead of between the line and it.
void TakeRestOfLine(std::string_view& lead, std::string& trail) {
    const std::size_t end = std::min(lead.find_first_of("\r\n"), lead.size());
    trail = lead.substr(0, end);
    lead.remove_prefix(end);
}

std::string EntryText(std::string_view key, std::string_view iniValue) {
    return EscapeIniKey(key) + "=" + std::string(iniValue);
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    const std::size_t bom = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::string section;
    std::size_t previousEnd = 0;
    for (std::size_t at = bom;;) {
        const LineBounds bounds = NextLine(text, at);
        if (bounds.end <= bounds.start) break;
        std::string_view lead = text.substr(previousEnd, bounds.start - previousEnd);
        if (!lines_.empty()) TakeRestOfLine(lead, lines_.back().trail);
        Line line{.lead = std::string(lead),
                  .text = std::string(text.substr(bounds.start, bounds.end - bounds.start)),
                  .trail = {},
                  .section = {},
                  .equals = std::nullopt,
                  .key = {},
                  .openQuote = bounds.openQuote};
        if (line.text.starts_with('[')) {
            section = SectionOf(line.text);
        } else if (bounds.equals) {
            line.equals = *bounds.equals - bounds.start;
            line.key = UnescapeIniKey(Trimmed(std::string_view(line.text).substr(0, *line.equals)));
        }
        line.section = section;
        lines_.push_back(std::move(line));
        previousEnd = at = bounds.end;
    }
    std::string_view tail = text.substr(previousEnd);
    if (!lines_.empty()) TakeRestOfLine(tail, lines_.back().trail);
    tail_ = std::string(tail);
}

const IniDocument::Line* IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto found = std::ranges::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) {
        return line.equals && line.section == section && line.key == key;
    });
    return found == lines_.rend() ? nullptr : &*found;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section, std::string_view key) const {
    const Line* line = Find(section, key);
    if (!line) return std::nullopt;
    return std::string_view(line->text).substr(*line->equals + 1);
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view iniValue) {
    std::string text = EntryText(key, iniValue);
    if (const Line* existing = Find(section, key)) {
        Line& line = lines_[static_cast<std::size_t>(existing - lines_.data())];
        line.text = std::move(text);
        line.equals = line.text.find('=');
        line.openQuote = false;
        return;
    }
    Line entry{.lead = "\n",
               .text = std::move(text),
               .trail = {},
               .section = std::string(section),
               .equals = {},
               .key = std::string(key),
               .openQuote = false};
    entry.equals = entry.text.find('=');
    const auto last =
        std::ranges::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) { return line.section == section; });
    if (last != lines_.rend()) {
        lines_.insert(last.base(), std::move(entry));
        return;
    }
    // A file of comments alone keeps them above the new section, on a line of their own: a header
    // written straight after a comment would become part of it.
    std::string lead = lines_.empty() ? std::exchange(tail_, "") : "\n\n";
    if (!lead.empty() && lead.back() != '\n' && lead.back() != '\r') lead += '\n';
    lines_.push_back({.lead = std::move(lead),
                      .text = SectionHeader(section),
                      .trail = {},
                      .section = std::string(section),
                      .equals = {},
                      .key = {},
                      .openQuote = false});
    lines_.push_back(std::move(entry));
    if (tail_.empty()) tail_ = "\n";
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        text.append(line.lead).append(WrittenText(line.text, line.openQuote)).append(line.trail);
    }
    return text + tail_;
}

}  // namespace quantora
