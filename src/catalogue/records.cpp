#include "catalogue/records.h"

#include <algorithm>

#include "catalogue/little_endian.h"

namespace quantora {

namespace {

template <std::size_t N>
void ReadText(TextField<N>& field, std::span<const std::uint8_t> bytes, std::size_t offset) {
    field.LoadBytes(bytes.subspan(offset, N));
}

template <std::size_t N>
void WriteText(const TextField<N>& field, std::span<std::uint8_t> bytes, std::size_t offset) {
    std::ranges::copy(field.Bytes(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <std::size_t N>
void ReadBytes(std::array<std::uint8_t, N>& field, std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), N, field.begin());
}

template <std::size_t N>
void WriteBytes(const std::array<std::uint8_t, N>& field, std::span<std::uint8_t> bytes, std::size_t offset) {
    std::ranges::copy(field, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

CategoryRecord CategoryRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    CategoryRecord record;
    record.categoryId = le::ReadI32(bytes, 0);
    ReadText(record.name, bytes, 4);
    record.defaultSourceUnitId = le::ReadI32(bytes, 84);
    record.defaultTargetUnitId = le::ReadI32(bytes, 88);
    record.visible = bytes[92];
    ReadBytes(record.reserved, bytes, 93);
    return record;
}

void CategoryRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    le::WriteI32(bytes, 0, categoryId);
    WriteText(name, bytes, 4);
    le::WriteI32(bytes, 84, defaultSourceUnitId);
    le::WriteI32(bytes, 88, defaultTargetUnitId);
    bytes[92] = visible;
    WriteBytes(reserved, bytes, 93);
}

UnitRecord UnitRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    UnitRecord record;
    record.categoryId = le::ReadI32(bytes, 0);
    record.unitId = le::ReadI32(bytes, 4);
    record.reciprocal = bytes[8];
    ReadText(record.name, bytes, 9);
    ReadText(record.abbreviation, bytes, 89);
    ReadText(record.conversionText, bytes, 119);
    ReadText(record.baseFormula, bytes, 299);
    record.common = bytes[479];
    record.visible = bytes[480];
    ReadBytes(record.reserved, bytes, 481);
    record.referenceUnitId = le::ReadI32(bytes, 484);
    return record;
}

void UnitRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    le::WriteI32(bytes, 0, categoryId);
    le::WriteI32(bytes, 4, unitId);
    bytes[8] = reciprocal;
    WriteText(name, bytes, 9);
    WriteText(abbreviation, bytes, 89);
    WriteText(conversionText, bytes, 119);
    WriteText(baseFormula, bytes, 299);
    bytes[479] = common;
    bytes[480] = visible;
    WriteBytes(reserved, bytes, 481);
    le::WriteI32(bytes, 484, referenceUnitId);
}

TemperatureRecord TemperatureRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    TemperatureRecord record;
    record.fromUnitId = le::ReadI32(bytes, 0);
    record.toUnitId = le::ReadI32(bytes, 4);
    ReadText(record.formula, bytes, 8);
    record.visible = bytes[188];
    ReadBytes(record.reserved, bytes, 189);
    return record;
}

void TemperatureRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    le::WriteI32(bytes, 0, fromUnitId);
    le::WriteI32(bytes, 4, toUnitId);
    WriteText(formula, bytes, 8);
    bytes[188] = visible;
    WriteBytes(reserved, bytes, 189);
}

CurrencyRecord CurrencyRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    CurrencyRecord record;
    ReadText(record.name, bytes, 0);
    record.rate = le::ReadF64(bytes, 104);
    record.visible = bytes[112];
    ReadBytes(record.reserved, bytes, 113);
    return record;
}

void CurrencyRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    WriteText(name, bytes, 0);
    le::WriteF64(bytes, 104, rate);
    bytes[112] = visible;
    WriteBytes(reserved, bytes, 113);
}

}  // namespace quantora
