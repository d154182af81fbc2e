#pragma once

#include "convert/number_locale.h"

namespace quantora::test {

inline NumberLocale EnglishLocale() { return {".", ",", 3, true, NegativePattern::kLeadingMinus}; }
inline NumberLocale GermanLocale() { return {",", ".", 3, true, NegativePattern::kLeadingMinus}; }
inline NumberLocale UngroupedLocale() { return {".", "", 0, true, NegativePattern::kLeadingMinus}; }

}  // namespace quantora::test
