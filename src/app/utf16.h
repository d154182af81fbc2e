#pragma once

#include <string>
#include <string_view>

namespace quantora {

// QSettings escapes keys and values per UTF-16 code unit, so reading and writing its formats
// needs the same units. Malformed input becomes U+FFFD, as Qt decodes it.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace quantora
