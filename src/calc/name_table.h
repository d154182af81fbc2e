#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/formula_functions.h"

namespace quantora {

// The names a formula may use where an operand is expected: the built-in functions, then the named
// physical constants, tried in that order; the first that matches wins.
class NameTable {
public:
    struct Entry {
        std::string upperName;
        bool isConstant = false;
        Function function = Function::Pi;
        double constantValue = 0.0;
    };

    // Built once and never changed, so every parser may read it at the same time.
    static const NameTable& Instance();

    // The first entry that the text starting at `at` begins with, ignoring case; null when none.
    const Entry* Match(std::string_view text, std::size_t at) const;

    // All entries in the order they are tried; the empty entry 0 is never matched.
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    NameTable();

    // Every name is two characters long at least and written with letters, digits and "_"; the
    // lookup goes straight to the few names that share the first two characters.
    static constexpr std::size_t kAlphabet = 38;
    static constexpr std::size_t Bucket(char first, char second);

    std::vector<Entry> entries_;
    // Indexes into entries_, by the upper-cased first two characters, in table order.
    // On the heap: as a static array the table's first use faulted in nine pages one by one.
    std::vector<std::vector<std::uint8_t>> byFirstTwo_ = std::vector<std::vector<std::uint8_t>>(kAlphabet * kAlphabet);
};

}  // namespace quantora
