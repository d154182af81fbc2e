#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "masters/master_text.h"

namespace quantora {

// The records one import reads from a master text, the master line each came from (counted from
// 0), the lines the main window adds to its hidden list box, and the faults found on the way.
template <typename Record>
struct ImportResult {
    std::vector<Record> records;
    std::vector<std::size_t> lines;
    std::vector<std::string> listLines;
    std::vector<std::string> errors;

    bool Ok() const { return errors.empty(); }
};

// Stores `text` in a record field; a text too long for it is a fault naming the master line, and
// the field is left as it was rather than cut or overrun.
template <typename Field>
void AssignField(Field& field, std::string_view text, std::string_view fieldName, const MasterText& master,
                 std::size_t line, std::vector<std::string>& errors) {
    if (auto error = field.Assign(text, fieldName)) errors.push_back(master.Fault(line, *error));
}

}  // namespace quantora
