#pragma once

#include <string>
#include <string_view>

#include "convert/number_locale.h"

namespace quantora {

// A typed value with every number in it written the one way the evaluator reads numbers: "." as
// the decimal mark and no group marks. `error` says why a number has no single reading; `text` is
// then empty.
struct TypedValue {
    std::string text;
    std::string error;
};

// Reads the numbers of a typed UTF-8 text (a value or an expression) the way the user's locale
// writes them, so that whatever the program prints reads back as the same number:
// - the locale's form first, its decimal mark and its group mark between groups of its size
//   (a space-like group mark also accepts the other spaces, an apostrophe the other apostrophe):
//   "1.234" is 1234 where "." groups thousands, as the program itself would print it;
// - then the plain form, "." as decimal mark and no groups ("1.5" where "," is the decimal mark);
// - then "," as a decimal mark where it cannot be a group mark ("1,5", "0,25").
// A number that no form reads ("1,234.5" where "," is the decimal mark) is an error, never a guess.
// Digits that follow a letter belong to a name ("log10") and are left alone.
TypedValue ReadTypedValue(std::string_view typed, const NumberLocale& locale);

}  // namespace quantora
