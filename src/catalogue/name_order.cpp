#include "catalogue/name_order.h"

#include <array>

namespace quantora {

namespace {

// Primary sort letter of each byte from 0xC0 to 0xFF (lower case), or "." to keep the byte itself.
constexpr std::string_view kLatin1Base =
    "aaaaaaaceeeeiiii"   // C0-CF
    "dnooooo.ouuuuyts"   // D0-DF (D7 multiplication sign kept)
    "aaaaaaaceeeeiiii"   // E0-EF
    "dnooooo.ouuuuyty";  // F0-FF (F7 division sign kept)

unsigned char PrimaryKey(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte - 'A' + 'a');
    switch (byte) {
        case 0x8A:
        case 0x9A: return 's';
        case 0x8E:
        case 0x9E: return 'z';
        case 0x8C:
        case 0x9C: return 'o';
        case 0x9F: return 'y';
        default: break;
    }
    if (byte >= 0xC0) {
        const char base = kLatin1Base[byte - 0xC0];
        if (base != '.') return static_cast<unsigned char>(base);
    }
    return byte;
}

template <typename Key>
int CompareBy(std::string_view a, std::string_view b, Key key) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int ka = key(static_cast<unsigned char>(a[i]));
        const int kb = key(static_cast<unsigned char>(b[i]));
        if (ka != kb) return ka - kb;
    }
    return static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size());
}

}  // namespace

unsigned char CaseFold(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte + 32);
    switch (byte) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return byte;
    }
}

int CompareNames(std::string_view a, std::string_view b) {
    if (const int primary = CompareBy(a, b, PrimaryKey); primary != 0) return primary;
    return CompareBy(a, b, CaseFold);
}

}  // namespace quantora
