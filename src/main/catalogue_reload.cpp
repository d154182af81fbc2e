#include "main/catalogue_reload.h"

#include "app/settings.h"

namespace quantora {

CatalogueReload ReloadCatalogue(Catalogue& catalogue, const ProfileStore& store,
                                const std::filesystem::path& dataFolder, std::optional<std::size_t> selectedLine) {
    CatalogueReload reload{catalogue.Load(dataFolder, ReadSettingFlag(store, Setting::kCommonUnits)), std::nullopt};
    if (selectedLine && *selectedLine < catalogue.CategoryCount()) reload.lineToSelect = selectedLine;
    return reload;
}

CatalogueReload ShowAllUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                             std::optional<std::size_t> selectedLine) {
    WriteSettingFlag(store, Setting::kCommonUnits, false);
    return ReloadCatalogue(catalogue, store, dataFolder, selectedLine);
}

CatalogueReload ShowCommonUnits(Catalogue& catalogue, ProfileStore& store, const std::filesystem::path& dataFolder,
                                std::optional<std::size_t> selectedLine) {
    WriteSettingFlag(store, Setting::kCommonUnits, true);
    return ReloadCatalogue(catalogue, store, dataFolder, selectedLine);
}

}  // namespace quantora
