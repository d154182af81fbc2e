#pragma once

#include <string>

namespace quantora {

// r printed with `decimals` places, with "." as the decimal mark whatever the process locale.
// The value is rounded half up from its shortest round-trip decimal form, so it rounds the way
// the number reads: 5e-7 gives 0.000001 with six places and 0.125 gives 0.13 with two, where a
// rounding of the exact binary value would give 0.000000 and 0.12. Scientific notation writes
// the exponent with its sign and at least three digits (1.500000e+012). Infinities and
// not-a-number print as "inf", "-inf" and "nan" on every platform. A fixed text that rounds to
// zero has no minus sign.
std::string PrintFixed(double r, int decimals);
std::string PrintScientific(double r, int decimals);

}  // namespace quantora
