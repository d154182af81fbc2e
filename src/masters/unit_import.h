#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "catalogue/records.h"
#include "masters/import_result.h"
#include "masters/master_text.h"

namespace quantora {

// Units of a master text, with the conversion line each took its texts from (none when the
// conversion sections have no line for it).
struct UnitImport : ImportResult<UnitRecord> {
    std::vector<std::optional<std::size_t>> conversionLines;
};

// The unit sections after the first line holding "[1]", up to the first line holding "c]"; each
// unit's conversion text comes from the conversion section "[<category>c]" of its category.
// The list lines are "<category id> <name>".
UnitImport ImportUnits(const MasterText& master);

}  // namespace quantora
