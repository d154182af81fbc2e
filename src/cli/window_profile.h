#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/profile_store.h"

namespace quantora {

// The window's profile, where QSettings keeps it for organization "Quantora" and application
// "quantora": the registry on Windows, an INI file elsewhere. `problem` says why the profile is
// kept in memory only, when it is.
struct WindowProfile {
    std::unique_ptr<ProfileStore> store;
    std::optional<std::string> problem;
};

WindowProfile OpenWindowProfile();

}  // namespace quantora
