#include "app/data_paths.h"

#include <system_error>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/file_replace.h"
#include "catalogue/safe_write.h"
#include "catalogue/whole_file.h"

namespace quantora {

namespace {

// Above every data file's largest sensible size; the readers refuse a copy that is too large for its kind.
constexpr std::uint64_t kMaxCopiedBytes = std::uint64_t{64} << 20;

std::optional<std::string> CopyMissingFile(const std::filesystem::path& file, const std::filesystem::path& to) {
    std::error_code error;
    const std::filesystem::path target = to / file.filename();
    if (!std::filesystem::is_regular_file(file, error) || std::filesystem::exists(target, error)) return std::nullopt;
    const WholeFile read = ReadWholeFile(file, kMaxCopiedBytes);
    if (!read.opened) return read.error;
    return WriteFileAtomically(target, read.bytes);
}

std::optional<std::string> CopyMissingFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::create_directories(to, error);
    if (error) return PathText(to) + ": " + error.message();
    for (std::filesystem::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        if (auto failed = CopyMissingFile(it->path(), to)) return failed;
    }
    if (error) return PathText(from) + ": " + error.message();
    return std::nullopt;
}

}  // namespace

std::filesystem::path InstalledDataFolder(const std::filesystem::path& executableFolder) {
    return executableFolder / "data";
}

std::filesystem::path HelpPagePath(const std::filesystem::path& executableFolder, std::string_view page) {
    return executableFolder / "help" / std::filesystem::path(page);
}

// A fixed name would meet whatever a user or another program put there: a link, a pipe, a folder.
bool IsFolderWritable(const std::filesystem::path& folder) {
    return file_replace::CanCreateNewFile(folder / (".quantora-write-check." + RandomFileTag()));
}

DataFolderChoice ChooseDataFolder(const std::filesystem::path& installed, const std::filesystem::path& perUser,
                                  bool installedWritable) {
    if (installedWritable || perUser.empty()) return {installed, std::nullopt};
    if (auto failed = CopyMissingFiles(installed, perUser)) return {installed, std::move(failed)};
    return {perUser, std::nullopt};
}

DataFolderChoice ChooseDataFolder(const std::filesystem::path& executableFolder) {
    const std::filesystem::path installed = InstalledDataFolder(executableFolder);
    return ChooseDataFolder(installed, PerUserDataFolder(), IsFolderWritable(installed));
}

}  // namespace quantora
