#pragma once

#include <string>
#include <string_view>

namespace quantora {

// Record texts are Windows-1252 bytes; the windows and the command line speak UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 form become "?"; `lossless` (when given) tells whether any did.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

}  // namespace quantora
