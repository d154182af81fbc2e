#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quantora {

// A file read whole. When it could not be: `opened` false, `missing` true when there is no file,
// and `error` names the file and the reason.
struct WholeFile {
    bool opened = false;
    bool missing = false;
    std::string error;
    std::vector<std::uint8_t> bytes;
};

// Reads `path` when it is a regular file, or a link to one, of at most `maxBytes`. Anything else
// found there (a folder, a device, a pipe, a file larger than any real one of its kind) is refused
// before a byte is read or allocated: such a file may come from anywhere.
WholeFile ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes);

}  // namespace quantora
