#pragma once

#include "catalogue/records.h"
#include "masters/import_result.h"
#include "masters/master_text.h"

namespace quantora {

// The category list of a master text: every line holding "=" before the first line holding "[1]",
// read as id=name|default source unit id|default destination unit id. The list lines are the names.
ImportResult<CategoryRecord> ImportCategories(const MasterText& master);

}  // namespace quantora
