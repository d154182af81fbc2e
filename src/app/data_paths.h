#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// The folder of the running executable (the platform call; empty when it cannot be determined).
std::filesystem::path ExecutableFolder();

// <folder>/data: where the data files are installed beside the program.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executableFolder);

// <folder>/help/<page>.
std::filesystem::path HelpPagePath(const std::filesystem::path& executableFolder, std::string_view page);

// Where this user's own copy of the data files goes when the program may not write beside itself:
// the platform's per-user application-data folder followed by "Quantora/data" (empty when the
// platform names none).
std::filesystem::path PerUserDataFolder();

// Whether the program can create files in `folder`, found by creating one: permissions alone do
// not tell (an administrator, a read-only mount, access control lists).
bool IsFolderWritable(const std::filesystem::path& folder);

struct DataFolderChoice {
    std::filesystem::path folder;
    std::optional<std::string> error;  // "<file>: <reason>" when the per-user copy could not be made
};

// The data folder to read and write: `installed` when it is writable; otherwise `perUser`, given
// every file of `installed` it does not hold yet, so that files the user changed stay as they are.
// When the per-user copy cannot be made, `installed` is read as it is and the error says why.
DataFolderChoice ChooseDataFolder(const std::filesystem::path& installed, const std::filesystem::path& perUser,
                                  bool installedWritable);

// The choice above for <executableFolder>/data and this user's folder: what the window and the
// command line both read, so they see the same units.
DataFolderChoice ChooseDataFolder(const std::filesystem::path& executableFolder);

}  // namespace quantora
