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
    std::random_device random;
    const std::uint64_t tag = static_cast<std::uint64_t>(random()) << 32 | random();
    constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int shift = 60; shift >= 0; shift -= 4) suffix += kDigits[(tag >> shift) & 0xF];
    suffix += ".tmp";
    std::filesystem::path temporary = target;
    temporary += suffix;
    return temporary;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes) {
    const std::filesystem::path temporary = TemporaryPathBeside(target);
    if (auto reason = file_replace::WriteNewFileToDisk(temporary, bytes)) return PathText(target) + ": " + *reason;
    if (beforeReplace != nullptr) beforeReplace();
    if (auto reason = file_replace::MoveOver(temporary, target)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return PathText(target) + ": " + *reason;
    }
    return std::nullopt;
}

void SetBeforeReplaceHook(void (*hook)()) { beforeReplace = hook; }

}  // namespace quantora
