#include "catalogue/records.h"

#include "catalogue/record_layout.h"

namespace quantora {

namespace {

// One field per line, in offset order, as the record is documented.
// clang-format off
constexpr RecordLayout kCategoryLayout{
    Field{0, &CategoryRecord::categoryId},
    Field{4, &CategoryRecord::name},
    Field{84, &CategoryRecord::defaultSourceUnitId},
    Field{88, &CategoryRecord::defaultTargetUnitId},
    Field{92, &CategoryRecord::visible},
    Field{93, &CategoryRecord::reserved},
};
static_assert(kCategoryLayout.Tiles(CategoryRecord::kSize));

constexpr RecordLayout kUnitLayout{
    Field{0, &UnitRecord::categoryId},
    Field{4, &UnitRecord::unitId},
    Field{8, &UnitRecord::reciprocal},
    Field{9, &UnitRecord::name},
    Field{89, &UnitRecord::abbreviation},
    Field{119, &UnitRecord::conversionText},
    Field{299, &UnitRecord::baseFormula},
    Field{479, &UnitRecord::common},
    Field{480, &UnitRecord::visible},
    Field{481, &UnitRecord::reserved},
    Field{484, &UnitRecord::referenceUnitId},
};
static_assert(kUnitLayout.Tiles(UnitRecord::kSize));

constexpr RecordLayout kTemperatureLayout{
    Field{0, &TemperatureRecord::fromUnitId},
    Field{4, &TemperatureRecord::toUnitId},
    Field{8, &TemperatureRecord::formula},
    Field{188, &TemperatureRecord::visible},
    Field{189, &TemperatureRecord::reserved},
};
static_assert(kTemperatureLayout.Tiles(TemperatureRecord::kSize));

constexpr RecordLayout kCurrencyLayout{
    Field{0, &CurrencyRecord::name},
    Field{104, &CurrencyRecord::rate},
    Field{112, &CurrencyRecord::visible},
    Field{113, &CurrencyRecord::olderRate},
    Field{114, &CurrencyRecord::reserved},
};
static_assert(kCurrencyLayout.Tiles(CurrencyRecord::kSize));
// clang-format on

}  // namespace

CategoryRecord CategoryRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return kCategoryLayout.Decode(bytes);
}

void CategoryRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kCategoryLayout.Write(*this, bytes); }

UnitRecord UnitRecord::Decode(std::span<const std::uint8_t, kSize> bytes) { return kUnitLayout.Decode(bytes); }

void UnitRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kUnitLayout.Write(*this, bytes); }

TemperatureRecord TemperatureRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return kTemperatureLayout.Decode(bytes);
}

void TemperatureRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kTemperatureLayout.Write(*this, bytes); }

CurrencyRecord CurrencyRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return kCurrencyLayout.Decode(bytes);
}

void CurrencyRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kCurrencyLayout.Write(*this, bytes); }

}  // namespace quantora
