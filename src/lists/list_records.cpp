#include "lists/list_records.h"

#include <algorithm>

#include "catalogue/little_endian.h"

namespace quantora {

namespace {

template <typename Field>
void ReadField(Field& field, std::span<const std::uint8_t> bytes, std::size_t offset) {
    field.LoadBytes(bytes.subspan(offset, Field::kWidth));
}

template <typename Field>
void WriteField(const Field& field, std::span<std::uint8_t> bytes, std::size_t offset) {
    std::ranges::copy(field.Bytes(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

ConstantRecord ConstantRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    ConstantRecord record;
    ReadField(record.name, bytes, 0);
    ReadField(record.value, bytes, 80);
    ReadField(record.uncertainty, bytes, 160);
    return record;
}

void ConstantRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    WriteField(name, bytes, 0);
    WriteField(value, bytes, 80);
    WriteField(uncertainty, bytes, 160);
}

ElementRecord ElementRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    ElementRecord record;
    record.atomicNumber = le::ReadI32(bytes, 0);
    ReadField(record.name, bytes, 4);
    ReadField(record.atomicWeight, bytes, 19);
    ReadField(record.symbol, bytes, 29);
    ReadField(record.density, bytes, 33);
    ReadField(record.meltingPoint, bytes, 43);
    ReadField(record.boilingPoint, bytes, 54);
    ReadField(record.oxidationStates, bytes, 64);
    ReadField(record.description, bytes, 87);
    return record;
}

void ElementRecord::Encode(std::span<std::uint8_t, kSize> bytes) const {
    le::WriteI32(bytes, 0, atomicNumber);
    WriteField(name, bytes, 4);
    WriteField(atomicWeight, bytes, 19);
    WriteField(symbol, bytes, 29);
    WriteField(density, bytes, 33);
    WriteField(meltingPoint, bytes, 43);
    WriteField(boilingPoint, bytes, 54);
    WriteField(oxidationStates, bytes, 64);
    WriteField(description, bytes, 87);
}

}  // namespace quantora
