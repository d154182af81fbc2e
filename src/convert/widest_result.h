#pragma once

#include <string>
#include <vector>

#include "convert/format_settings.h"
#include "convert/number_locale.h"

namespace quantora {

// The longest texts a converted value can show under `settings`: the largest negative number still
// printed in fixed notation, and a negative number in scientific notation. A list that makes room
// for these shows every value whole.
std::vector<std::string> WidestResultTexts(const FormatSettings& settings, const NumberLocale& locale);

}  // namespace quantora
