#pragma once

#include <string>
#include <string_view>

namespace quantora {

// The key of an entry inside its section. Entry names come from data (category names); "/" and
// "\" would open subkeys in QSettings, so they are escaped, and "%" with them.
std::string ProfileKeyOf(std::string_view entry);

}  // namespace quantora
