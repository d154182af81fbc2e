#include "catalogue/record_file.h"

#include <cerrno>
#include <system_error>

namespace quantora {

std::ifstream OpenForReading(const std::filesystem::path& path, std::string& error) {
    // A folder opens as a stream on some systems and then reads as an empty file.
    std::error_code kindUnknown;
    if (std::filesystem::is_directory(path, kindUnknown)) {
        error = PathText(path) + ": " + std::generic_category().message(EISDIR);
        std::ifstream unread;
        unread.setstate(std::ios::failbit);
        return unread;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::error_code ignored;
        error = std::filesystem::exists(path, ignored) ? FileError(path)
                                                       : PathText(path) + ": " + std::generic_category().message(ENOENT);
    }
    return file;
}

std::string FragmentWarning(const std::filesystem::path& path, std::size_t ignoredBytes, std::size_t recordSize) {
    if (ignoredBytes == 0) return {};
    return PathText(path) + ": ignored " + std::to_string(ignoredBytes) +
           " bytes at the end that do not make a whole record of " + std::to_string(recordSize) + " bytes";
}

}  // namespace quantora
