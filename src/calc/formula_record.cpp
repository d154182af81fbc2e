#include "calc/formula_record.h"

#include "catalogue/record_file.h"
#include "catalogue/record_layout.h"

namespace quantora {

namespace {

// One field per line, in offset order, as the record is documented.
// clang-format off
constexpr RecordLayout kFormulaLayout{
    Field{0, &FormulaRecord::x},
    Field{240, &FormulaRecord::formula},
    Field{1480, &FormulaRecord::variables},
    Field{2880, &FormulaRecord::angleUnit},
};
static_assert(kFormulaLayout.Tiles(FormulaRecord::kSize));
// clang-format on

}  // namespace

FormulaRecord FormulaRecord::Decode(std::span<const std::uint8_t, kSize> bytes) { return kFormulaLayout.Decode(bytes); }

void FormulaRecord::Encode(std::span<std::uint8_t, kSize> bytes) const { kFormulaLayout.Write(*this, bytes); }

FormulaFile ReadFormulaFile(const std::filesystem::path& path) {
    RecordFile<FormulaRecord> file = ReadRecordFile<FormulaRecord>(path);
    FormulaFile result{file.opened, std::move(file.error), std::nullopt};
    if (!file.records.empty()) result.record = file.records.back();
    return result;
}

std::optional<std::string> WriteFormulaFile(const std::filesystem::path& path, const FormulaRecord& record) {
    return WriteRecordFile(path, std::span<const FormulaRecord>(&record, 1));
}

}  // namespace quantora
