#include "calc/formula_files.h"

#include "app/setting_keys.h"
#include "app/settings.h"
#include "catalogue/path_text.h"

namespace quantora {

namespace {

constexpr std::array<Setting, 4> kRecentSettings{Setting::kMru1, Setting::kMru2, Setting::kMru3, Setting::kMru4};

std::string WithoutExtension(std::string name) {
    for (std::size_t at = name.find(kFormulaFileExtension); at != std::string::npos;
         at = name.find(kFormulaFileExtension, at)) {
        name.erase(at, kFormulaFileExtension.size());
    }
    return name;
}

}  // namespace

std::filesystem::path FormulaSavePath(const std::filesystem::path& chosen) {
    return chosen.parent_path() / PathFromUtf8(FormulaFileTitle(chosen) + std::string(kFormulaFileExtension));
}

std::string FormulaFileTitle(const std::filesystem::path& path) { return WithoutExtension(PathText(path.filename())); }

RecentFiles ReadRecentFiles(const ProfileStore& store) {
    RecentFiles files;
    for (std::size_t i = 0; i < files.size(); ++i) files[i] = ReadSetting(store, kRecentSettings[i]);
    return files;
}

void AddRecentFile(ProfileStore& store, std::string_view path) {
    RecentFiles files = ReadRecentFiles(store);
    if (files[0] == path) return;
    std::size_t found = 1;
    while (found < files.size() && files[found] != path) ++found;
    if (found < files.size()) {
        std::swap(files[0], files[found]);
    } else {
        for (std::size_t i = files.size() - 1; i > 0; --i) files[i] = files[i - 1];
        files[0] = path;
    }
    for (std::size_t i = 0; i < files.size(); ++i) WriteSetting(store, kRecentSettings[i], files[i]);
}

}  // namespace quantora
