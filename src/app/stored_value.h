#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// An entry as QSettings stores it in text form (in INI files, and in registry strings): texts that
// start with "@" get a second "@", binary blocks are "@ByteArray(...)" with one character per byte,
// "@Invalid()" stands for no value; an unquoted comma in an INI value makes a list.
struct StoredValue {
    enum class Kind { kText, kBinary, kList, kOther };
    Kind kind = Kind::kText;
    std::string content;  // UTF-8 for a text, the bytes of a binary block
};

// The value a stored string stands for; absent for "@Invalid()".
std::optional<StoredValue> DecodeStoredString(std::u16string_view text);

// The stored string of a text, and of a binary block (characters U+0000..U+00FF).
std::u16string StoredStringOfText(std::string_view utf8);
std::u16string StoredStringOfBinary(std::span<const std::uint8_t> bytes);

// What the windows' store reads from a value: a list reads as an empty text or binary block and as
// no integer; an integer is a decimal text in the 32-bit range, blanks around it allowed (Qt wraps a
// larger number around; here it reads as no integer).
std::string TextOf(const StoredValue& value);
std::vector<std::uint8_t> BytesOf(const StoredValue& value);
std::optional<std::int32_t> IntegerOf(const StoredValue& value);

}  // namespace quantora
