#include "app/ini_escaping.h"

#include <array>
#include <charconv>
#include <utility>

#include "app/utf16.h"

namespace quantora {

namespace {

constexpr char kHexUpper[] = "0123456789ABCDEF";

bool IsHexDigit(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }
bool IsAsciiAlnum(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string LowerHex(unsigned value) {
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    return std::string(digits.data(), end);
}

void AppendHexUpper(std::string& out, unsigned value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kHexUpper[(value >> shift) & 0xF];
}

// The character a C escape letter stands for, or 0 when the letter is not one.
char SimpleEscape(char letter) {
    constexpr std::array<std::pair<char, char>, 11> kEscapes = {{{'a', '\a'},
                                                                 {'b', '\b'},
                                                                 {'f', '\f'},
                                                                 {'n', '\n'},
                                                                 {'r', '\r'},
                                                                 {'t', '\t'},
                                                                 {'v', '\v'},
                                                                 {'"', '"'},
                                                                 {'?', '?'},
                                                                 {'\'', '\''},
                                                                 {'\\', '\\'}}};
    for (const auto& [code, character] : kEscapes) {
        if (code == letter) return character;
    }
    return 0;
}

const char* ControlEscape(char16_t c) {
    switch (c) {
        case '\a': return "\\a";
        case '\b': return "\\b";
        case '\f': return "\\f";
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        case '\v': return "\\v";
        default: return nullptr;
    }
}

// Reads the digits of a "\x" or octal escape into one UTF-16 unit, which wraps as Qt's does.
char16_t ReadEscapeDigits(std::string_view value, std::size_t& at, int base, char16_t unit) {
    const auto isDigit = [base](char c) {
        return base == 16 ? IsHexDigit(static_cast<unsigned char>(c)) : c >= '0' && c <= '7';
    };
    while (at < value.size() && isDigit(value[at])) {
        unit = static_cast<char16_t>(unit * base + HexValue(value[at]));
        ++at;
    }
    return unit;
}

void ChopTrailingBlanks(std::u16string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.pop_back();
}

}  // namespace

std::string EscapeIniKey(std::string_view utf8Key) {
    std::string out;
    for (const char16_t c : Utf8ToUtf16(utf8Key)) {
        if (c == u'/') {
            out += '\\';
        } else if (IsAsciiAlnum(c) || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            AppendHexUpper(out, c, 2);
        } else {
            out += "%U";
            AppendHexUpper(out, c, 4);
        }
    }
    return out;
}

std::string UnescapeIniKey(std::string_view iniKey) {
    const std::u16string key = Utf8ToUtf16(iniKey);
    std::u16string out;
    for (std::size_t i = 0; i < key.size();) {
        const char16_t c = key[i];
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        const std::size_t first = i + 1 < key.size() && key[i + 1] == u'U' ? i + 2 : i + 1;
        const std::size_t digits = first == i + 2 ? 4 : 2;
        bool hex = c == u'%' && i + 1 < key.size() && first + digits <= key.size();
        for (std::size_t d = first; hex && d < first + digits; ++d) hex = IsHexDigit(key[d]);
        if (!hex) {
            out += c;
            ++i;
            continue;
        }
        char16_t unit = 0;
        for (std::size_t d = first; d < first + digits; ++d)
            unit = static_cast<char16_t>(unit * 16 + HexValue(static_cast<char>(key[d])));
        out += unit;
        i = first + digits;
    }
    return Utf16ToUtf8(out);
}

std::string EscapeIniValue(std::u16string_view stored) {
    const bool binary = stored.starts_with(u"@ByteArray(") || stored.starts_with(u"@Variant(");
    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char16_t c = stored[i];
        if (c == u';' || c == u',' || c == u'=') needsQuotes = true;
        if (escapeNextIfDigit && IsHexDigit(c)) {
            out += "\\x" + LowerHex(c);
            continue;
        }
        escapeNextIfDigit = false;
        if (const char* escape = ControlEscape(c)) {
            out += escape;
        } else if (c == u'\0') {
            out += "\\0";
            escapeNextIfDigit = true;
        } else if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c <= 0x1F || (c >= 0x7F && binary)) {
            out += "\\x" + LowerHex(c);
            escapeNextIfDigit = true;
        } else if (c >= 0x80) {
            std::size_t end = i;
            while (end < stored.size() && stored[end] >= 0x80) ++end;
            out += Utf16ToUtf8(stored.substr(i, end - i));
            i = end - 1;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

UnescapedIniValue UnescapeIniValue(std::string_view value) {
    UnescapedIniValue result;
    std::u16string& text = result.text;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t chopLimit = 0;
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < value.size() && (value[at] == ' ' || value[at] == '\t')) ++at;
        chopLimit = text.size();
    };
    skipBlanks();
    while (at < value.size()) {
        const char c = value[at];
        if (c == '\\') {
            if (++at >= value.size()) break;
            const char letter = value[at++];
            if (const char plain = SimpleEscape(letter)) {
                text += static_cast<char16_t>(plain);
                chopLimit = text.size();
                continue;
            }
            if (letter == 'x') {
                if (at < value.size() && IsHexDigit(static_cast<unsigned char>(value[at]))) {
                    text += ReadEscapeDigits(value, at, 16, 0);
                    chopLimit = text.size();
                    continue;
                }
            } else if (letter >= '0' && letter <= '7') {
                text += ReadEscapeDigits(value, at, 8, static_cast<char16_t>(letter - '0'));
                chopLimit = text.size();
                continue;
            } else if ((letter == '\n' || letter == '\r') && at < value.size()) {
                // A backslash at the end of a line continues the value on the next one.
                const char next = value[at];
                if ((next == '\n' || next == '\r') && next != letter) ++at;
            }
            chopLimit = text.size();
        } else if (c == '"') {
            ++at;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted) ChopTrailingBlanks(text, chopLimit);
            result.isList = true;
            text.clear();
            quoted = false;
            ++at;
            skipBlanks();
        } else {
            std::size_t end = at + 1;
            while (end < value.size() && value[end] != '\\' && value[end] != '"' && value[end] != ',') ++end;
            text += Utf8ToUtf16(value.substr(at, end - at));
            at = end;
        }
    }
    if (!quoted) ChopTrailingBlanks(text, chopLimit);
    return result;
}

}  // namespace quantora
