#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// The per-user profile: named sections of text, 32-bit integer and binary entries.
// Texts are UTF-8. Reading a missing entry gives the caller's default.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::string ReadText(std::string_view section, std::string_view entry, std::string_view fallback) const = 0;
    virtual bool WriteText(std::string_view section, std::string_view entry, std::string_view value) = 0;

    virtual std::int32_t ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const = 0;
    virtual bool WriteInt(std::string_view section, std::string_view entry, std::int32_t value) = 0;

    // Absent when the entry does not exist.
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view section,
                                                                std::string_view entry) const = 0;
    virtual bool WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace quantora
