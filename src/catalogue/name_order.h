#pragma once

#include <string_view>

namespace quantora {

// The order of the category and unit lists: alphabetical without regard to letter case, accented
// Windows-1252 letters sorting with their base letter (Ångström beside Angstrom, not after Z).
// Returns <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);

// Windows-1252 lower case: ASCII, the accented capitals 0xC0-0xDE (not the multiplication sign),
// and the pairs S/Z with caron, OE and Y with diaeresis.
unsigned char CaseFold(unsigned char byte);

}  // namespace quantora
