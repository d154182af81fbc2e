#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "app/profile_store.h"
#include "catalogue/catalogue.h"

namespace quantora {

// What a reload hands back to the window: the load's report and the category line to select again
// (the line of the category that was selected before, when the new list still has it).
struct CatalogueReload {
    LoadReport report;
    std::optional<std::size_t> lineToSelect;
};

// Reload in the mode "Common Units" holds: at the window's start, after the Options window's OK
// or an update that replaced files.
CatalogueReload ReloadCatalogue(Catalogue& catalogue, const ProfileStore& store,
                                const std::filesystem::path& dataFolder, std::optional<std::size_t> selectedLine);
// The "All Units" and "Common Units" choices: store the mode, then reload.
CatalogueReload ShowAllUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                             std::optional<std::size_t> selectedLine);
CatalogueReload ShowCommonUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                                std::optional<std::size_t> selectedLine);

}  // namespace quantora
