#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/user_prompts.h"

namespace quantora {

// Deletes files and folders and renames files, keeping the last failure as a text and a system
// error code. A read-only file is deleted only when the user says so.
class FileOperations {
public:
    explicit FileOperations(UserPrompts& prompts) : prompts_(prompts) {}

    // Deletes a file, or a folder with everything in it, each folder after its contents.
    bool Delete(const std::filesystem::path& path);
    // Moves a file or folder; an existing target is never replaced.
    bool Rename(const std::filesystem::path& source, const std::filesystem::path& target);
    // Puts `source` in the place of `target` in one step, so that a reader, or a run stopped at
    // any moment, finds the old file or the new one and never neither. A read-only target is
    // asked about as a deletion is.
    bool Replace(const std::filesystem::path& source, const std::filesystem::path& target);

    const std::string& ErrorText() const { return errorText_; }
    std::uint32_t ErrorCode() const { return errorCode_; }
    bool Aborted() const { return aborted_; }

private:
    enum class Check { kAllow, kRefuse, kCancel };
    Check CheckBeforeDelete(const std::filesystem::path& file);
    // False when the whole delete must end (cancelled, or a failure recorded).
    bool DeleteTree(const std::filesystem::path& path);
    bool Fail(const std::error_code& error);

    UserPrompts& prompts_;
    std::string errorText_ = "No error";
    std::uint32_t errorCode_ = 0;
    bool askIfReadOnly_ = true;
    bool aborted_ = false;
};

}  // namespace quantora
