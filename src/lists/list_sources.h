#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lists/list_records.h"

namespace quantora {

// Records read from a UTF-8 master text, or the faults found in it; each fault starts with
// "<source name>:<line>: " so the build names the line to fix.
template <typename Record>
struct ListSource {
    std::vector<Record> records;
    std::vector<std::string> errors;
    bool Ok() const { return errors.empty(); }
};

// One constant a line: name<TAB>value<TAB>uncertainty. Blank lines and lines starting with "#"
// are skipped.
ListSource<ConstantRecord> ParseConstantsSource(std::string_view utf8, std::string_view sourceName);

// Stanzas separated by blank lines, one "key: text" a line, with the keys number, name, symbol,
// weight, density, melting, boiling, oxidation and description. The description comes last and
// runs on over the following lines up to the blank line, joined by single spaces, so a text of
// several sentences stays readable. Lines starting with "#" outside a description are skipped; a
// key left out is an empty text. Atomic numbers are positive and unique.
ListSource<ElementRecord> ParseElementsSource(std::string_view utf8, std::string_view sourceName);

}  // namespace quantora
