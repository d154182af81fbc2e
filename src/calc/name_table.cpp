#include "calc/name_table.h"

#include "calc/ascii_case.h"
#include "calc/physical_constants.h"

namespace quantora {
namespace {

// The constants list ends at its marker; the table never reads past this many of them.
constexpr int kMaxConstants = 99;

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = ToUpperAscii(c);
    return upper;
}

}  // namespace

const NameTable& NameTable::Instance() {
    static const NameTable table;
    return table;
}

NameTable::NameTable() {
    entries_.push_back({});
    for (std::size_t i = 0; i < kFunctionNames.size(); ++i) {
        entries_.push_back({std::string(kFunctionNames[i]), false, static_cast<Function>(i), 0.0});
    }
    const PhysicalConstants constants;
    for (int i = 1; i <= kMaxConstants; ++i) {
        const std::string_view name = constants.NameAt(i);
        if (name == PhysicalConstants::kEndMarker || name.empty()) break;
        entries_.push_back({UpperCase(name), true, Function::Pi, constants.ConstantValue(name)});
    }
    for (std::size_t i = 1; i < entries_.size(); ++i) {
        const std::string& name = entries_[i].upperName;
        byFirstTwo_[Bucket(name[0], name[1])].push_back(static_cast<std::uint8_t>(i));
    }
}

constexpr std::size_t NameTable::Bucket(char first, char second) {
    const auto slot = [](char c) -> std::size_t {
        c = ToUpperAscii(c);
        if (c >= 'A' && c <= 'Z') return static_cast<std::size_t>(c - 'A');
        if (c >= '0' && c <= '9') return 26 + static_cast<std::size_t>(c - '0');
        return c == '_' ? 36 : 37;
    };
    return slot(first) * kAlphabet + slot(second);
}

const NameTable::Entry* NameTable::Match(std::string_view text, std::size_t at) const {
    const std::string_view rest = text.substr(at);
    if (rest.size() < 2) return nullptr;
    for (const std::uint8_t index : byFirstTwo_[Bucket(rest[0], rest[1])]) {
        const Entry& entry = entries_[index];
        if (rest.size() >= entry.upperName.size() &&
            EqualsIgnoringAsciiCase(rest.substr(0, entry.upperName.size()), entry.upperName)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace quantora
