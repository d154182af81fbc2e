#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "catalogue/text_field.h"

namespace quantora {

// Category ids select one of this many unit tables.
inline constexpr std::int32_t kCategoryIdCount = 2000;
inline constexpr bool IsValidCategoryId(std::int32_t id) { return id >= 0 && id < kCategoryIdCount; }

// Fixed ids shared by program and data.
namespace category_id {
inline constexpr std::int32_t kNumberSystems = 17;
inline constexpr std::int32_t kTemperature = 19;
inline constexpr std::int32_t kReciprocalPair = 23;
inline constexpr std::int32_t kFirstExpression = 25;
inline constexpr std::int32_t kLastExpression = 27;
inline constexpr std::int32_t kCurrency = 28;
}  // namespace category_id
inline constexpr std::int32_t kBaseUnitId = 101;

inline constexpr bool IsExpressionCategory(std::int32_t id) {
    return id >= category_id::kFirstExpression && id <= category_id::kLastExpression;
}
// The expression categories after the first convert angles, so they follow the chosen angle unit.
inline constexpr bool UsesAngleMode(std::int32_t id) {
    return IsExpressionCategory(id) && id != category_id::kFirstExpression;
}

struct CategoryRecord {
    static constexpr std::size_t kSize = 96;
    // Ids stop at 1999; hidden and repeated records are tolerated twice over.
    static constexpr std::size_t kMaxRecords = 4000;

    std::int32_t categoryId = 0;
    TextField<80> name;
    std::int32_t defaultSourceUnitId = 0;
    std::int32_t defaultTargetUnitId = 0;
    std::uint8_t visible = 1;
    std::array<std::uint8_t, 3> reserved{};

    bool IsVisible() const { return visible == 1; }
    bool operator==(const CategoryRecord&) const = default;

    static CategoryRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

struct UnitRecord {
    static constexpr std::size_t kSize = 488;
    // Some 32 units for each of the 2000 categories.
    static constexpr std::size_t kMaxRecords = 65536;

    std::int32_t categoryId = 0;
    std::int32_t unitId = 0;
    std::uint8_t reciprocal = 0;
    TextField<80> name;
    TextField<30> abbreviation;
    TextField<180> conversionText;
    TextField<180> baseFormula;
    std::uint8_t common = 0;
    std::uint8_t visible = 1;
    std::array<std::uint8_t, 3> reserved{};
    std::int32_t referenceUnitId = kBaseUnitId;

    bool IsVisible() const { return visible == 1; }
    bool IsCommon() const { return common == 1; }
    bool IsReciprocal() const { return reciprocal == 1; }
    bool operator==(const UnitRecord&) const = default;

    static UnitRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

struct TemperatureRecord {
    static constexpr std::size_t kSize = 192;
    static constexpr std::size_t kMaxRecords = 4000;

    std::int32_t fromUnitId = 0;
    std::int32_t toUnitId = 0;
    TextField<180> formula;
    std::uint8_t visible = 1;
    std::array<std::uint8_t, 3> reserved{};

    bool IsVisible() const { return visible == 1; }
    bool operator==(const TemperatureRecord&) const = default;

    static TemperatureRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

struct CurrencyRecord {
    static constexpr std::size_t kSize = 120;
    static constexpr std::size_t kMaxRecords = 4000;

    TextField<104> name;
    double rate = 0.0;
    std::uint8_t visible = 1;
    // 1 when the rate was kept from before the day the file's rates stamp names (rates_stamp.h);
    // files written before the mark existed hold 0 here, which reads as "of the stamp's day".
    std::uint8_t olderRate = 0;
    std::array<std::uint8_t, 6> reserved{};

    bool IsVisible() const { return visible == 1; }
    bool operator==(const CurrencyRecord&) const = default;

    static CurrencyRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

}  // namespace quantora
