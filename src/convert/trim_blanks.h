#pragma once

#include <string_view>

namespace quantora {

// The text without its leading and trailing blanks: spaces and non-breaking spaces (byte 0xA0 of
// Windows-1252), which currency names in the data are padded with.
std::string_view TrimBlanks(std::string_view text);

}  // namespace quantora
