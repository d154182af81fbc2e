#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "app/window_placement.h"
#include "calc/formula_record.h"
#include "catalogue/records.h"
#include "lists/list_records.h"
#include "update/list_entry.h"

namespace quantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One record type: its size and one decode-then-encode pass from `in` into `out`.
struct RecordType {
    std::string name;
    std::size_t size;
    std::function<void(std::span<const std::uint8_t> in, std::span<std::uint8_t> out)> decodeEncode;
};

void PrintTo(const RecordType& type, std::ostream* out) { *out << type.name; }

template <typename Record>
RecordType Plain(std::string name) {
    return {std::move(name), Record::kSize, [](std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
                Record::Decode(in.first<Record::kSize>()).Encode(out.first<Record::kSize>());
            }};
}

RecordType Placement() {
    return {"WindowPlacementRecord", WindowPlacementRecord::kSize,
            [](std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
                const auto bytes = WindowPlacementRecord::Decode(in).value().Encode();
                std::copy(bytes.begin(), bytes.end(), out.begin());
            }};
}

// Random bytes everywhere, with a zero every seventh byte: every text field wider than that then
// has a terminator with random bytes after it, and the reserved bytes and padding are random too.
Bytes CarelessCodecBait(std::size_t size) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(size));
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = i % 7 == 3 ? 0 : static_cast<std::uint8_t>(random() % 255 + 1);
    return bytes;
}

class RecordRoundTrip : public testing::TestWithParam<RecordType> {};

// Decoding and encoding again gives every byte back, and the encoding writes every byte: the
// target is filled with other bytes first, so a byte that no field covers would show.
TEST_P(RecordRoundTrip, DecodeEncodeDecodeKeepsEveryByte) {
    const RecordType& type = GetParam();
    const Bytes original = CarelessCodecBait(type.size);
    Bytes encoded(type.size);
    Bytes again(type.size);
    for (std::size_t i = 0; i < type.size; ++i) {
        encoded[i] = static_cast<std::uint8_t>(~original[i]);
        again[i] = static_cast<std::uint8_t>(~original[i]);
    }
    type.decodeEncode(original, encoded);
    EXPECT_EQ(encoded, original);
    type.decodeEncode(encoded, again);
    EXPECT_EQ(again, original);
}

INSTANTIATE_TEST_SUITE_P(EveryRecord, RecordRoundTrip,
                         testing::Values(Plain<CategoryRecord>("CategoryRecord"), Plain<UnitRecord>("UnitRecord"),
                                         Plain<TemperatureRecord>("TemperatureRecord"),
                                         Plain<CurrencyRecord>("CurrencyRecord"), Plain<ListEntry>("ListEntry"),
                                         Plain<ConstantRecord>("ConstantRecord"), Plain<ElementRecord>("ElementRecord"),
                                         Plain<FormulaRecord>("FormulaRecord"), Placement()));

}  // namespace
}  // namespace quantora
