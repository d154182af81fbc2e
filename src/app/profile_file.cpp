#include "app/profile_file.h"

#include "catalogue/whole_file.h"

namespace quantora {

ProfileFileRead ReadProfileFile(const std::filesystem::path& file) {
    const WholeFile read = ReadWholeFile(file, kMaxProfileBytes);
    if (read.missing) return {};
    if (!read.opened) {
        return {{}, read.error + ". The settings start from their defaults and are not saved."};
    }
    return {std::string(read.bytes.begin(), read.bytes.end()), std::nullopt};
}

}  // namespace quantora
