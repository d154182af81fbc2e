#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>

#include "catalogue/little_endian.h"

namespace quantora {

// How a member's bytes look in a record. Each kind has a width and reads and writes exactly that
// many bytes, so a field never touches its neighbours.
template <typename T>
struct FieldKind;

// 32-bit two's complement, little-endian.
template <>
struct FieldKind<std::int32_t> {
    static constexpr std::size_t Width() { return 4; }
    static void Read(std::int32_t& value, std::span<const std::uint8_t> bytes) { value = le::ReadI32(bytes, 0); }
    static void Write(std::int32_t value, std::span<std::uint8_t> bytes) { le::WriteI32(bytes, 0, value); }
};

// IEEE-754 double, little-endian; every bit pattern, NaN payloads included, comes back as it was.
template <>
struct FieldKind<double> {
    static constexpr std::size_t Width() { return 8; }
    static void Read(double& value, std::span<const std::uint8_t> bytes) { value = le::ReadF64(bytes, 0); }
    static void Write(double value, std::span<std::uint8_t> bytes) { le::WriteF64(bytes, 0, value); }
};

template <>
struct FieldKind<std::uint8_t> {
    static constexpr std::size_t Width() { return 1; }
    static void Read(std::uint8_t& value, std::span<const std::uint8_t> bytes) { value = bytes[0]; }
    static void Write(std::uint8_t value, std::span<std::uint8_t> bytes) { bytes[0] = value; }
};

// Text fields (bounded or zero-padded) hold their bytes as stored, so the bytes after a
// terminator travel through a rewrite.
template <typename T>
concept StoredBytesField = requires(T& field, const T& stored, std::span<const std::uint8_t> source) {
    { T::kWidth } -> std::convertible_to<std::size_t>;
    field.LoadBytes(source);
    { stored.Bytes() } -> std::convertible_to<std::span<const std::uint8_t>>;
};

template <StoredBytesField T>
struct FieldKind<T> {
    static constexpr std::size_t Width() { return T::kWidth; }
    static void Read(T& field, std::span<const std::uint8_t> bytes) { field.LoadBytes(bytes); }
    static void Write(const T& field, std::span<std::uint8_t> bytes) {
        const auto stored = field.Bytes();
        std::copy(stored.begin(), stored.end(), bytes.begin());
    }
};

// N elements of one kind back to back: reserved bytes, or a run of equal text fields.
template <typename T, std::size_t N>
struct FieldKind<std::array<T, N>> {
    static constexpr std::size_t Width() { return N * FieldKind<T>::Width(); }
    static void Read(std::array<T, N>& values, std::span<const std::uint8_t> bytes) {
        for (std::size_t i = 0; i < N; ++i) FieldKind<T>::Read(values[i], ElementBytes(bytes, i));
    }
    static void Write(const std::array<T, N>& values, std::span<std::uint8_t> bytes) {
        for (std::size_t i = 0; i < N; ++i) FieldKind<T>::Write(values[i], ElementBytes(bytes, i));
    }

private:
    template <typename Byte>
    static std::span<Byte> ElementBytes(std::span<Byte> bytes, std::size_t index) {
        return bytes.subspan(index * FieldKind<T>::Width(), FieldKind<T>::Width());
    }
};

// One member of `Record` at a byte offset. `Kind` is how its bytes look; a nested structure passes
// its own RecordLayout.
template <typename Record, typename Member, typename Kind = FieldKind<Member>>
struct Field {
    std::size_t offset;
    Member Record::*member;
    Kind kind{};

    constexpr std::size_t End() const { return offset + kind.Width(); }
    void Read(Record& record, std::span<const std::uint8_t> bytes) const {
        kind.Read(record.*member, bytes.subspan(offset, kind.Width()));
    }
    void Write(const Record& record, std::span<std::uint8_t> bytes) const {
        kind.Write(record.*member, bytes.subspan(offset, kind.Width()));
    }
};

template <typename Record, typename Member>
Field(std::size_t, Member Record::*) -> Field<Record, Member>;
template <typename Record, typename Member, typename Kind>
Field(std::size_t, Member Record::*, Kind) -> Field<Record, Member, Kind>;

// A record's fields, stated once in offset order; decoding and encoding both follow from it.
template <typename Record, typename... Fields>
class RecordLayout {
public:
    constexpr explicit RecordLayout(Fields... fields) : fields_(fields...) {}

    constexpr std::size_t Width() const {
        return std::apply([](const auto&... field) { return std::max({std::size_t{0}, field.End()...}); }, fields_);
    }

    // True when the fields follow one another from byte 0 without gap or overlap and end at
    // `size`: then every byte of a record belongs to a member and survives decode and encode.
    constexpr bool Tiles(std::size_t size) const {
        std::size_t next = 0;
        bool adjacent = true;
        std::apply(
            [&](const auto&... field) { ((adjacent = adjacent && field.offset == next, next = field.End()), ...); },
            fields_);
        return adjacent && next == size;
    }

    void Read(Record& record, std::span<const std::uint8_t> bytes) const {
        std::apply([&](const auto&... field) { (field.Read(record, bytes), ...); }, fields_);
    }
    void Write(const Record& record, std::span<std::uint8_t> bytes) const {
        std::apply([&](const auto&... field) { (field.Write(record, bytes), ...); }, fields_);
    }

    Record Decode(std::span<const std::uint8_t> bytes) const {
        Record record;
        Read(record, bytes);
        return record;
    }

private:
    std::tuple<Fields...> fields_;
};

template <typename Record, typename... Members, typename... Kinds>
RecordLayout(Field<Record, Members, Kinds>...) -> RecordLayout<Record, Field<Record, Members, Kinds>...>;

}  // namespace quantora
