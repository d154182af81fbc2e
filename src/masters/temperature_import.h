#pragma once

#include "catalogue/records.h"
#include "masters/import_result.h"
#include "masters/master_text.h"

namespace quantora {

// The formulas after the first line holding "[19c]", up to the next line that begins with "[":
// three digits of the source unit, three of the destination unit, "=", two filler characters and
// the chain formula.
ImportResult<TemperatureRecord> ImportTemperatures(const MasterText& master);

}  // namespace quantora
