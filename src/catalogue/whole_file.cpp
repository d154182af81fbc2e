#include "catalogue/whole_file.h"

#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/file_replace.h"

namespace quantora {

WholeFile ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    using Status = file_replace::FileContent::Status;
    file_replace::FileContent content = file_replace::ReadRegularFile(path, maxBytes);
    WholeFile file;
    file.opened = content.status == Status::kRead;
    file.missing = content.status == Status::kMissing;
    switch (content.status) {
        case Status::kRead: file.bytes = std::move(content.bytes); break;
        case Status::kNotRegular: file.error = PathText(path) + ": not a regular file"; break;
        case Status::kTooLarge:
            file.error = PathText(path) + ": " + std::to_string(content.size) +
                         " bytes, too large for this kind of file (at most " + std::to_string(maxBytes) + " bytes)";
            break;
        case Status::kMissing:
        case Status::kFailed: file.error = PathText(path) + ": " + content.reason; break;
    }
    return file;
}

}  // namespace quantora
