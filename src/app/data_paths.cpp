#include "app/data_paths.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/safe_write.h"

namespace quantora {

namespace {

std::filesystem::path& ChosenDataFolder() {
    static std::filesystem::path folder;
    return folder;
}

std::optional<std::vector<std::uint8_t>> ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::string> CopyMissingFile(const std::filesystem::path& file, const std::filesystem::path& to) {
    std::error_code error;
    const std::filesystem::path target = to / file.filename();
    if (!std::filesystem::is_regular_file(file, error) || std::filesystem::exists(target, error)) return std::nullopt;
    const auto bytes = ReadWhole(file);
    if (!bytes) return FileError(file);
    return WriteFileAtomically(target, *bytes);
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

std::filesystem::path DataFilePath(const std::filesystem::path& executableFolder, std::string_view name) {
    const std::filesystem::path& chosen = ChosenDataFolder();
    if (!chosen.empty()) return chosen / std::filesystem::path(name);
    return executableFolder / "data" / std::filesystem::path(name);
}

std::filesystem::path HelpPagePath(const std::filesystem::path& executableFolder, std::string_view page) {
    return executableFolder / "help" / std::filesystem::path(page);
}

bool IsFolderWritable(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / ".quantora-write-check";
    bool writable = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        writable = out.good();
    }
    std::error_code ignored;
    if (writable) std::filesystem::remove(probe, ignored);
    return writable;
}

DataFolderChoice ChooseDataFolder(const std::filesystem::path& installed, const std::filesystem::path& perUser,
                                  bool installedWritable) {
    if (installedWritable || perUser.empty()) return {installed, std::nullopt};
    if (auto failed = CopyMissingFiles(installed, perUser)) return {installed, std::move(failed)};
    return {perUser, std::nullopt};
}

DataFolderChoice ChooseDataFolder(const std::filesystem::path& executableFolder) {
    const std::filesystem::path installed = executableFolder / "data";
    return ChooseDataFolder(installed, PerUserDataFolder(), IsFolderWritable(installed));
}

void UseDataFolder(std::filesystem::path folder) { ChosenDataFolder() = std::move(folder); }

}  // namespace quantora
