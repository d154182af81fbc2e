// Where QSettings keeps a user's INI profile outside Windows: $XDG_CONFIG_HOME, else ~/.config.
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/ini_profile_store.h"
#include "cli/window_profile.h"
#include "quantora_version.h"

namespace quantora {

namespace {

std::filesystem::path ConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome) {
        std::error_code error;
        return std::filesystem::absolute(configHome, error);
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/") / ".config";
}

}  // namespace

WindowProfile OpenWindowProfile() {
    auto store = std::make_unique<IniProfileStore>(ConfigFolder() / kProgramName / "quantora.conf");
    std::optional<std::string> problem = store->Problem();
    return {std::move(store), std::move(problem)};
}

}  // namespace quantora
