#include "main/catalogue_reload.h"

#include <algorithm>

#include "app/settings.h"

namespace quantora {

// The selected category is found again by its id: hiding or adding a category moves the lines.
CatalogueReload ReloadCatalogue(Catalogue& catalogue, const ProfileStore& store,
                                const std::filesystem::path& dataFolder, std::optional<std::size_t> selectedLine) {
    std::optional<std::int32_t> selectedId;
    if (selectedLine && *selectedLine < catalogue.CategoryCount()) {
        selectedId = catalogue.CategoryAt(*selectedLine).categoryId;
    }
    CatalogueReload reload{catalogue.Load(dataFolder, ReadSettingFlag(store, Setting::kCommonUnits)), std::nullopt};
    if (!selectedId) return reload;
    const auto categories = catalogue.Categories();
    const auto found = std::ranges::find(categories, *selectedId, &CategoryRecord::categoryId);
    if (found != categories.end()) reload.lineToSelect = static_cast<std::size_t>(found - categories.begin());
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
