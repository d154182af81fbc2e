#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// The warning start-up shows before it goes on anyway: for version 4.5 only, which no Windows
// release the version table knows reports, so in practice no system gets it.
std::optional<std::string> UnsupportedSystemMessage(unsigned major, unsigned minor, std::string_view versionName);

}  // namespace quantora
