#include "update/fetched_file_check.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <utility>

#include "catalogue/rates_stamp.h"
#include "catalogue/records.h"
#include "lists/list_records.h"
#include "masters/data_checks.h"
#include "update/list_entry.h"

namespace quantora {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
// A record's text fields; a required one may not be empty, since every list shows it.
struct RecordText {
    std::string_view field;
    std::span<const std::uint8_t> bytes;
    bool required = false;
};
using TextList = std::vector<RecordText>;

TextList TextsOf(const CategoryRecord& r) { return {{"name", r.name.Bytes(), true}}; }
TextList TextsOf(const UnitRecord& r) {
    return {{"name", r.name.Bytes(), true},
            {"abbreviation", r.abbreviation.Bytes()},
            {"conversion text", r.conversionText.Bytes()},
            {"base formula", r.baseFormula.Bytes()}};
}
TextList TextsOf(const TemperatureRecord& r) { return {{"formula", r.formula.Bytes(), true}}; }
TextList TextsOf(const CurrencyRecord& r) { return {{"name", r.name.Bytes(), true}}; }
TextList TextsOf(const ConstantRecord& r) {
    return {{"name", r.name.Bytes(), true}, {"value", r.value.Bytes(), true}, {"uncertainty", r.uncertainty.Bytes()}};
}
TextList TextsOf(const ElementRecord& r) {
    return {{"name", r.name.Bytes(), true}, {"symbol", r.symbol.Bytes(), true}, {"description", r.description.Bytes()}};
}

// Windows-1252 leaves these five bytes undefined; below 0x20 and 0x7F are control characters.
bool IsTextCharacter(std::uint8_t c) {
    return c >= 0x20 && c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

std::optional<std::string> TextFault(std::span<const std::uint8_t> field, bool required) {
    const auto end = std::ranges::find(field, std::uint8_t{0});
    if (end == field.end()) return std::string("has no terminator");
    if (required && end == field.begin()) return std::string("is empty");
    const auto bad = std::find_if_not(field.begin(), end, IsTextCharacter);
    if (bad == end) return std::nullopt;
    return "holds the byte " + std::to_string(*bad) + ", which no record text may hold";
}

template <typename Record>
std::vector<Record> DecodeAll(const Bytes& bytes) {
    std::vector<Record> records;
    records.reserve(bytes.size() / Record::kSize);
    for (std::size_t at = 0; at + Record::kSize <= bytes.size(); at += Record::kSize) {
        records.push_back(Record::Decode(std::span(bytes).subspan(at).template first<Record::kSize>()));
    }
    return records;
}

template <typename Record>
std::optional<std::string> RecordTextFault(const Bytes& bytes) {
    const std::vector<Record> records = DecodeAll<Record>(bytes);
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (const RecordText& text : TextsOf(records[i])) {
            if (auto fault = TextFault(text.bytes, text.required)) {
                return "record " + std::to_string(i + 1) + ": the " + std::string(text.field) + " " + *fault;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> TextFaultOfStem(std::string_view stem, const Bytes& bytes) {
    if (stem == "cat") return RecordTextFault<CategoryRecord>(bytes);
    if (stem == "item") return RecordTextFault<UnitRecord>(bytes);
    if (stem == "temp") return RecordTextFault<TemperatureRecord>(bytes);
    if (stem == "curr") return RecordTextFault<CurrencyRecord>(bytes);
    if (stem == "consts") return RecordTextFault<ConstantRecord>(bytes);
    if (stem == "element") return RecordTextFault<ElementRecord>(bytes);
    return std::nullopt;
}

// The four unit files as they would stand after the run. A record's line is its place in the
// four files taken one after another, so that one number leads back to a file and a record.
class UnitFiles {
public:
    static constexpr std::array<std::string_view, 4> kStems{"cat", "item", "temp", "curr"};

    UnitFiles(const fs::path& folder, const std::map<std::string, Bytes>& bodies) {
        for (std::size_t k = 0; k < kStems.size(); ++k) {
            const auto fetched = bodies.find(std::string(kStems[k]));
            if (fetched != bodies.end()) {
                bytes_[k] = fetched->second;
            } else {
                bytes_[k] = Installed(folder / (std::string(kStems[k]) + ".dat"));
            }
        }
    }

    std::vector<std::string> Faults() const {
        UnitDataImport data;
        data.categories.records = DecodeAll<CategoryRecord>(bytes_[0]);
        data.units.records = DecodeAll<UnitRecord>(bytes_[1]);
        data.temperatures.records = DecodeAll<TemperatureRecord>(bytes_[2]);
        const std::vector<CurrencyRecord> rates = DecodeAll<CurrencyRecord>(bytes_[3]);
        starts_ = {0, data.categories.records.size(), data.units.records.size(), data.temperatures.records.size()};
        for (std::size_t k = 1; k < starts_.size(); ++k) starts_[k] += starts_[k - 1];
        data.categories.lines = Lines(0, data.categories.records.size());
        data.units.lines = Lines(1, data.units.records.size());
        data.units.conversionLines.assign(data.units.lines.begin(), data.units.lines.end());
        data.temperatures.lines = Lines(2, data.temperatures.records.size());
        const FaultPlace place = [this](std::size_t line, std::string_view reason) { return Place(line, reason); };
        std::vector<std::string> faults = CheckUnitData(data, place);
        const std::vector<std::size_t> rateLines = Lines(3, rates.size());
        for (std::string& fault : CheckCurrencyRates(data.units, rates, rateLines, place)) {
            faults.push_back(std::move(fault));
        }
        return faults;
    }

private:
    static Bytes Installed(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::vector<std::size_t> Lines(std::size_t file, std::size_t count) const {
        std::vector<std::size_t> lines(count);
        for (std::size_t i = 0; i < count; ++i) lines[i] = starts_[file] + i;
        return lines;
    }

    std::string Place(std::size_t line, std::string_view reason) const {
        std::size_t file = starts_.size() - 1;
        while (file > 0 && line < starts_[file]) --file;
        return std::string(kStems[file]) + ".dat record " + std::to_string(line - starts_[file] + 1) + ": " +
               std::string(reason);
    }

    std::array<Bytes, 4> bytes_;
    mutable std::array<std::size_t, 4> starts_{};
};

bool TouchesUnitFiles(const std::map<std::string, Bytes>& bodies) {
    return std::ranges::any_of(UnitFiles::kStems,
                               [&](std::string_view stem) { return bodies.contains(std::string(stem)); });
}

}  // namespace

std::optional<std::size_t> RecordSizeOfStem(std::string_view stem) {
    static constexpr std::array<std::pair<std::string_view, std::size_t>, 7> kSizes{{
        {"list", ListEntry::kSize},
        {"cat", CategoryRecord::kSize},
        {"item", UnitRecord::kSize},
        {"temp", TemperatureRecord::kSize},
        {"curr", CurrencyRecord::kSize},
        {"consts", ConstantRecord::kSize},
        {"element", ElementRecord::kSize},
    }};
    for (const auto& [name, size] : kSizes) {
        if (name == stem) return size;
    }
    return std::nullopt;
}

std::optional<std::string> RefuseFetchedBody(std::string_view fileName, std::size_t recordSize,
                                             const std::vector<std::uint8_t>& body) {
    const std::string name(fileName);
    if (body.empty()) return "The server sent an empty " + name + "; the installed file is kept";
    if (body.size() % recordSize != 0) {
        return "The server's " + name + " has " + std::to_string(body.size()) + " bytes, not a whole number of " +
               std::to_string(recordSize) + "-byte records; the installed file is kept";
    }
    return std::nullopt;
}

std::optional<std::string> RefuseFetchedData(const fs::path& dataFolder, const std::map<std::string, Bytes>& bodies) {
    for (const auto& [stem, body] : bodies) {
        const std::string name = stem + ".dat";
        const std::optional<std::size_t> recordSize = RecordSizeOfStem(stem);
        if (!recordSize) return "The server sent " + name + ", which is no data file of the program";
        if (auto refusal = RefuseFetchedBody(name, *recordSize, body)) return refusal;
        if (auto fault = TextFaultOfStem(stem, body)) return "The server's " + name + " is refused: " + *fault;
    }
    if (!TouchesUnitFiles(bodies)) return std::nullopt;
    const std::vector<std::string> before = UnitFiles(dataFolder, {}).Faults();
    const std::set<std::string> known(before.begin(), before.end());
    for (const std::string& fault : UnitFiles(dataFolder, bodies).Faults()) {
        if (!known.contains(fault)) return "The server's data is refused: " + fault;
    }
    return std::nullopt;
}

}  // namespace quantora
