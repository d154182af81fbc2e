#pragma once

#include <optional>

class QButtonGroup;

namespace quantora {

// Checks the group's button with `buttonId` and unchecks the others; with no id, or an id the
// group lacks, none stays checked, which an exclusive group alone would refuse.
void CheckOnly(QButtonGroup& group, std::optional<int> buttonId);

}  // namespace quantora
