#pragma once

#include <span>
#include <vector>

#include "catalogue/records.h"

namespace quantora {

// Gives each fetched record the `visible` byte of the first installed record with the same
// `categoryId`; fetched records without one keep the server's value.
void CarryVisibleOver(std::span<const CategoryRecord> installed, std::vector<CategoryRecord>& fetched);
// The same for units, matched by `categoryId` and `unitId` together; only `visible` moves.
void CarryVisibleOver(std::span<const UnitRecord> installed, std::vector<UnitRecord>& fetched);

}  // namespace quantora
