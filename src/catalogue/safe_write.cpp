#include "catalogue/safe_write.h"

#include <random>

#include "catalogue/file_error.h"
#include "catalogue/file_replace.h"

namespace quantora {

namespace {

void (*beforeReplace)() = nullptr;

// "<name>.<16 hex digits>.tmp" beside the target. The random part keeps two writers of one file
// apart; the temporary file is created only when no file of that name exists.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += "." + RandomFileTag() + ".tmp";
    return temporary;
}

// The file a write replaces: the target, or the regular file a link there leads to, so that the
// link stays a link. Nothing else is ever replaced: renaming over a device, a pipe or a folder
// would destroy what the user keeps there.
std::optional<std::filesystem::path> ReplaceableFile(const std::filesystem::path& target, std::string& refusal) {
    std::error_code error;
    const std::filesystem::file_status entry = std::filesystem::symlink_status(target, error);
    if (entry.type() == std::filesystem::file_type::not_found) return target;
    if (std::filesystem::is_regular_file(entry)) return target;
    if (std::filesystem::is_symlink(entry) && std::filesystem::is_regular_file(target, error)) {
        std::filesystem::path resolved = std::filesystem::canonical(target, error);
        if (!error) return resolved;
    }
    refusal = PathText(target) + ": not a regular file";
    return std::nullopt;
}

}  // namespace

std::string RandomFileTag() {
    std::random_device random;
    const std::uint64_t tag = static_cast<std::uint64_t>(random()) << 32 | random();
    constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    for (int shift = 60; shift >= 0; shift -= 4) digits += kDigits[(tag >> shift) & 0xF];
    return digits;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes) {
    std::string refusal;
    const std::optional<std::filesystem::path> replaced = ReplaceableFile(target, refusal);
    if (!replaced) return refusal;
    const std::filesystem::path temporary = TemporaryPathBeside(*replaced);
    if (auto reason = file_replace::WriteNewFileToDisk(temporary, bytes)) return PathText(target) + ": " + *reason;
    if (beforeReplace != nullptr) beforeReplace();
    if (auto reason = file_replace::MoveOver(temporary, *replaced)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return PathText(target) + ": " + *reason;
    }
    return std::nullopt;
}

void SetBeforeReplaceHook(void (*hook)()) { beforeReplace = hook; }

}  // namespace quantora
