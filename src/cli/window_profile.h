#pragma once

#include <memory>

#include "app/profile_store.h"

namespace quantora {

// The window's profile, where QSettings keeps it for organization "Quantora" and application
// "quantora": the registry on Windows, an INI file elsewhere.
std::unique_ptr<ProfileStore> OpenWindowProfile();

}  // namespace quantora
