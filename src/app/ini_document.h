#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// The text of an INI file as QSettings reads it, kept line for line: a rewrite changes only the
// entries set through it and leaves comments, unknown entries and their layout as they were.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The raw text after "=" of `key` in `section` (both unescaped, UTF-8); the last one wins, as in
    // QSettings. Section "" holds the keys before any section and those of "[General]".
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    // Sets the raw text after "="; a new key goes after the last line of its section, a new section
    // at the end.
    void SetValue(std::string_view section, std::string_view key, std::string_view iniValue);

    std::string Text() const;

private:
    // One logical line with the blanks and comments before it and a comment after it on the same
    // line; an entry's value is the text after `equals`.
    struct Line {
        std::string lead;
        std::string text;
        std::string trail;
        std::string section;
        std::optional<std::size_t> equals;
        std::string key;
        // The file ended inside a quote opened on this line: closed when written, or every line
        // written after it would become part of its value.
        bool openQuote = false;
    };

    const Line* Find(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
    std::string tail_;
};

}  // namespace quantora
