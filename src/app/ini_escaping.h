#pragma once

#include <string>
#include <string_view>

namespace quantora {

// Keys and values as QSettings writes them in its INI format. Keys keep ASCII letters, digits and
// "_-." and write "/" as "\"; every other character is "%XX" (up to U+00FF) or "%UXXXX".
std::string EscapeIniKey(std::string_view utf8Key);
std::string UnescapeIniKey(std::string_view iniKey);

// A stored string (see stored_value.h) as the text after "=": C escapes for control characters,
// "\xHH" for the bytes of a binary block from 0x7F up, UTF-8 otherwise; quoted when it holds
// ";", "," or "=" or starts or ends with a blank.
std::string EscapeIniValue(std::u16string_view stored);

// The text after "=" read back: quotes, escapes and line continuations resolved, blanks outside
// quotes trimmed. An unquoted comma makes the value a list.
struct UnescapedIniValue {
    std::u16string text;
    bool isList = false;
};
UnescapedIniValue UnescapeIniValue(std::string_view iniValue);

}  // namespace quantora
