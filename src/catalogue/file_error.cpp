#include "catalogue/file_error.h"

#include <cerrno>
#include <system_error>

namespace quantora {

std::string FileError(const std::filesystem::path& path) {
    const int code = errno != 0 ? errno : EIO;
    return PathText(path) + ": " + std::generic_category().message(code);
}

}  // namespace quantora
