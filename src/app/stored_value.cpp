#include "app/stored_value.h"

#include <charconv>

#include "app/utf16.h"

namespace quantora {

namespace {

constexpr std::u16string_view kByteArray = u"@ByteArray(";
constexpr std::u16string_view kString = u"@String(";

std::u16string_view Inner(std::u16string_view text, std::u16string_view opening) {
    return text.substr(opening.size(), text.size() - opening.size() - 1);
}

// Qt keeps the low byte of characters up to U+00FF and writes "?" for the others.
std::string Latin1Of(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) bytes += unit <= 0xFF ? static_cast<char>(unit) : '?';
    return bytes;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

}  // namespace

std::optional<StoredValue> DecodeStoredString(std::u16string_view text) {
    if (text.starts_with(u'@') && text.ends_with(u')')) {
        if (text.starts_with(kByteArray))
            return StoredValue{StoredValue::Kind::kBinary, Latin1Of(Inner(text, kByteArray))};
        if (text.starts_with(kString)) return StoredValue{StoredValue::Kind::kText, Utf16ToUtf8(Inner(text, kString))};
        if (text == u"@Invalid()") return std::nullopt;
        // "@Variant(", "@Rect(" and the like hold types the profile never stores.
        if (!text.starts_with(u"@@")) return StoredValue{StoredValue::Kind::kOther, {}};
    }
    if (text.starts_with(u"@@")) text.remove_prefix(1);
    return StoredValue{StoredValue::Kind::kText, Utf16ToUtf8(text)};
}

std::u16string StoredStringOfText(std::string_view utf8) {
    std::u16string text = Utf8ToUtf16(utf8);
    if (text.starts_with(u'@')) text.insert(text.begin(), u'@');
    return text;
}

std::u16string StoredStringOfBinary(std::span<const std::uint8_t> bytes) {
    std::u16string text(kByteArray);
    for (const std::uint8_t byte : bytes) text += static_cast<char16_t>(byte);
    return text += u')';
}

std::string TextOf(const StoredValue& value) {
    switch (value.kind) {
        case StoredValue::Kind::kText: return value.content;
        // Bytes that are no UTF-8 read as replacement characters, as Qt decodes them.
        case StoredValue::Kind::kBinary: return Utf16ToUtf8(Utf8ToUtf16(value.content));
        default: return {};
    }
}

std::vector<std::uint8_t> BytesOf(const StoredValue& value) {
    const bool readable = value.kind == StoredValue::Kind::kText || value.kind == StoredValue::Kind::kBinary;
    return readable ? std::vector<std::uint8_t>(value.content.begin(), value.content.end())
                    : std::vector<std::uint8_t>();
}

std::optional<std::int32_t> IntegerOf(const StoredValue& value) {
    const std::string content = TextOf(value);
    std::string_view text = content;
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

}  // namespace quantora
