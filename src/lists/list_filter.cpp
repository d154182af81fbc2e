#include "lists/list_filter.h"

namespace quantora {

namespace {

char LowerByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 32);
    switch (byte) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

}  // namespace

std::string LowerCp1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerByte(c);
    return lower;
}

bool MatchesListFilter(std::string_view name, std::string_view filter) {
    const std::string matchText = LowerCp1252(name) + ">";
    return matchText.find(LowerCp1252(filter)) != std::string::npos;
}

}  // namespace quantora
