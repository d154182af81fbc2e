#include "app/data_paths.h"

namespace quantora {

std::filesystem::path DataFilePath(const std::filesystem::path& executableFolder, std::string_view name) {
    return executableFolder / "data" / std::filesystem::path(name);
}

std::filesystem::path HelpPagePath(const std::filesystem::path& executableFolder, std::string_view page) {
    return executableFolder / "help" / std::filesystem::path(page);
}

}  // namespace quantora
