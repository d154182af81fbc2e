// Feeds arbitrary bytes to the six unit files as a data folder copied from anywhere would give them:
// through the record decoding, the catalogue build in both modes and a conversion in every category.
// The input is six little-endian 16-bit lengths (cat, catcust, item, itemcust, temp, curr), then the
// files one after the other. Nothing may crash, hang or read out of bounds, every record must keep
// all its bytes, and every table must hold only records the files had.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "calc/formula_parser.h"
#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"
#include "convert/unit_conversion.h"

namespace {

using namespace quantora;

constexpr std::size_t kFiles = 6;

template <typename Record>
void Fill(RecordSet<Record>& set, std::span<const std::uint8_t> bytes) {
    RecordFile<Record> file = DecodeRecordFile<Record>(bytes, "fuzz.dat");
    if (file.records.size() != bytes.size() / Record::kSize) std::abort();
    if ((file.ignoredTrailingBytes != 0) == file.error.empty()) std::abort();
    std::vector<std::uint8_t> again(file.records.size() * Record::kSize);
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        file.records[i].Encode(std::span(again).subspan(i * Record::kSize).template first<Record::kSize>());
    }
    if (!std::equal(again.begin(), again.end(), bytes.begin())) std::abort();
    set.Records() = std::move(file.records);
}

void ConvertEveryCategory(const Catalogue& catalogue) {
    FormulaParser parser;
    FormatSettings settings;
    settings.decimals = 6;
    for (const CategoryRecord& category : catalogue.Categories()) {
        const std::span<const UnitRecord> units = catalogue.Units(category.categoryId);
        if (units.empty()) continue;
        const ConversionInput input{.typed = "12.5",
                                    .categoryId = category.categoryId,
                                    .units = units,
                                    .sourceRow = 0,
                                    .temperatures = catalogue.Temperatures(),
                                    .currencies = catalogue.Currencies()};
        const ConversionResult result = ConvertUnits(input, settings, NumberLocale{}, parser);
        if (result.ran && (result.rows.size() != units.size() || result.failures.size() != units.size())) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * kFiles) return 0;
    std::span<const std::uint8_t> rest(data + 2 * kFiles, size - 2 * kFiles);
    std::array<std::span<const std::uint8_t>, kFiles> files;
    for (std::size_t i = 0; i < kFiles; ++i) {
        const std::size_t length = std::min<std::size_t>(data[2 * i] | data[2 * i + 1] << 8, rest.size());
        files[i] = rest.first(length);
        rest = rest.subspan(length);
    }
    UnitDataSets sets;
    Fill(sets.categories, files[0]);
    Fill(sets.customCategories, files[1]);
    Fill(sets.units, files[2]);
    Fill(sets.customUnits, files[3]);
    Fill(sets.temperatures, files[4]);
    Fill(sets.currencies, files[5]);
    for (const bool commonUnitsMode : {false, true}) {
        LoadReport report;
        const Catalogue catalogue = Catalogue::Build(sets, commonUnitsMode, report);
        if (catalogue.CategoryCount() > sets.categories.Records().size() + sets.customCategories.Records().size()) {
            std::abort();
        }
        std::size_t units = 0;
        for (std::int32_t id = 0; id < 2000; ++id) units += catalogue.UnitCount(id);
        if (units > sets.units.Records().size() + sets.customUnits.Records().size()) std::abort();
        ConvertEveryCategory(catalogue);
    }
    return 0;
}
