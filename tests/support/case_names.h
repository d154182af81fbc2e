#pragma once

#include <charconv>
#include <string>
#include <string_view>

// Pieces for the PrintTo of a parameterised test's case: CTest names each case after what PrintTo
// writes, so it must be readable, the same in every run, and free of line breaks and "#".
namespace quantora::test {

// The text in quotes, bytes outside printable ASCII as \xNN; a long text keeps its start and its length.
inline std::string CaseText(std::string_view text) {
    constexpr std::size_t kShown = 16;
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : text.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '#') {
            quoted += c;
        } else {
            quoted += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
        }
    }
    quoted += '"';
    if (text.size() > kShown) quoted += "... (" + std::to_string(text.size()) + " bytes)";
    return quoted;
}

// The shortest text that reads back as the same double.
inline std::string CaseNumber(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace quantora::test
