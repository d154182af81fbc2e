#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/text_field.h"

namespace quantora {

// A fixed-width 8-bit text field that is zero-padded rather than zero-terminated: a text of the
// field's full reading width has no zero byte after it, so reading stops at `MaxText` characters
// and never runs into the field that follows. `Width` may exceed `MaxText` (the melting point has
// an eleventh byte that is never part of the text).
template <std::size_t Width, std::size_t MaxText = Width>
class PaddedField {
    static_assert(MaxText <= Width);

public:
    static constexpr std::size_t kWidth = Width;
    static constexpr std::size_t kMaxText = MaxText;

    std::string Text() const {
        const auto limit = bytes_.begin() + static_cast<std::ptrdiff_t>(MaxText);
        return std::string(bytes_.begin(), std::find(bytes_.begin(), limit, std::uint8_t{0}));
    }

    // Stores `text` and zeroes the rest of the field. A text longer than the reading width is
    // refused: the error names the field.
    std::optional<std::string> Assign(std::string_view text, std::string_view fieldName) {
        if (text.size() > MaxText) return TextTooLong(text, MaxText, fieldName);
        bytes_.fill(0);
        std::copy(text.begin(), text.end(), bytes_.begin());
        return std::nullopt;
    }

    std::span<const std::uint8_t, Width> Bytes() const { return bytes_; }
    void LoadBytes(std::span<const std::uint8_t> source) { std::copy_n(source.begin(), Width, bytes_.begin()); }

    bool operator==(const PaddedField&) const = default;

private:
    std::array<std::uint8_t, Width> bytes_{};
};

}  // namespace quantora
