#include "catalogue/record_file.h"

namespace quantora {

std::string FragmentWarning(const std::filesystem::path& path, std::size_t ignoredBytes, std::size_t recordSize) {
    if (ignoredBytes == 0) return {};
    return PathText(path) + ": ignored " + std::to_string(ignoredBytes) +
           " bytes at the end that do not make a whole record of " + std::to_string(recordSize) + " bytes";
}

}  // namespace quantora
