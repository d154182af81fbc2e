#include "app/profile_key.h"

namespace quantora {

std::string ProfileKeyOf(std::string_view entry) {
    std::string key;
    key.reserve(entry.size());
    for (const char c : entry) {
        if (c == '%') {
            key += "%25";
        } else if (c == '/') {
            key += "%2F";
        } else if (c == '\\') {
            key += "%5C";
        } else {
            key += c;
        }
    }
    return key;
}

}  // namespace quantora
