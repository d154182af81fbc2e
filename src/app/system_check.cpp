#include "app/system_check.h"

namespace quantora {

std::optional<std::string> UnsupportedSystemMessage(unsigned major, unsigned minor, std::string_view versionName) {
    if (major != 4 || minor != 5) return std::nullopt;
    return "Sorry Cannot run on " + std::string(versionName);
}

}  // namespace quantora
