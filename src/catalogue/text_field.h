#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quantora {

// The refusal of a text longer than a field holds, naming the field. Callers compare the length
// themselves, so the optimiser sees the bound before the copy that follows.
inline std::string TextTooLong(std::string_view text, std::size_t maxLength, std::string_view fieldName) {
    return std::string(fieldName) + ": text of " + std::to_string(text.size()) + " characters does not fit (at most " +
           std::to_string(maxLength) + ")";
}

// A fixed-width, zero-terminated 8-bit text field of a record. It keeps all N bytes, so the bytes
// after the terminator travel unchanged through every rewrite of the record.
template <std::size_t N>
class TextField {
public:
    static constexpr std::size_t kWidth = N;

    // The text up to the first zero byte, never more than the field's width.
    std::string Text() const {
        const auto end = std::find(bytes_.begin(), bytes_.end(), std::uint8_t{0});
        return std::string(bytes_.begin(), end);
    }

    // Stores `text` and its terminator, leaving the bytes after it as they were. A text that does
    // not leave room for the terminator is refused: the error names the field.
    std::optional<std::string> Assign(std::string_view text, std::string_view fieldName) {
        if (text.size() > N - 1) return TextTooLong(text, N - 1, fieldName);
        std::copy(text.begin(), text.end(), bytes_.begin());
        bytes_[text.size()] = 0;
        return std::nullopt;
    }

    std::span<const std::uint8_t, N> Bytes() const { return bytes_; }
    void LoadBytes(std::span<const std::uint8_t> source) { std::copy_n(source.begin(), N, bytes_.begin()); }

    bool operator==(const TextField&) const = default;

private:
    std::array<std::uint8_t, N> bytes_{};
};

}  // namespace quantora
