#pragma once

#include "catalogue/records.h"
#include "masters/import_result.h"
#include "masters/master_text.h"

namespace quantora {

// One currency a non-empty line: name;rate; with anything after the second ";" ignored. Two names
// of the rate source are renamed to the names the currency units carry. A line
// "#rates;YYYY-MM-DD;source" gives the file's rates stamp instead.
ImportResult<CurrencyRecord> ImportCurrencies(const MasterText& rates);

}  // namespace quantora
