#include "update/file_operations.h"

#include <system_error>
#include <vector>

#include "catalogue/file_replace.h"
#include "catalogue/path_text.h"

namespace quantora {

namespace {

namespace fs = std::filesystem;

bool IsReadOnly(fs::perms permissions) { return (permissions & fs::perms::owner_write) == fs::perms::none; }

std::string FileNameText(const fs::path& path) { return PathText(path.filename().empty() ? path : path.filename()); }

}  // namespace

bool FileOperations::Fail(const std::error_code& error) {
    errorText_ = error.message();
    errorCode_ = static_cast<std::uint32_t>(error.value());
    return false;
}

FileOperations::Check FileOperations::CheckBeforeDelete(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (error) return Check::kRefuse;
    if (!IsReadOnly(status.permissions())) return Check::kAllow;
    if (askIfReadOnly_) {
        const std::string question = FileNameText(file) + " is read olny. Do you want delete it?";
        switch (prompts_.Question(question, "Warning", UserPrompts::Buttons::YesNoCancel)) {
            case UserPrompts::Answer::Yes: break;
            case UserPrompts::Answer::Cancel: return Check::kCancel;
            default: return Check::kRefuse;
        }
    }
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
    return error ? Check::kRefuse : Check::kAllow;
}

bool FileOperations::DeleteTree(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!error && !fs::is_directory(status)) {
        switch (CheckBeforeDelete(path)) {
            case Check::kCancel: aborted_ = true; return Fail(std::error_code(0, std::system_category()));
            case Check::kRefuse: aborted_ = true; return true;
            case Check::kAllow: break;
        }
        if (!fs::remove(path, error))
            return Fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
        return true;
    }
    // A folder, or a path whose kind cannot be read: its entries first, then the folder itself.
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        if (!DeleteTree(entry)) return false;
    }
    error.clear();
    if (fs::remove(path, error) || aborted_) return true;
    return Fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
}

bool FileOperations::Delete(const fs::path& path) {
    if (DeleteTree(path)) return true;
    return errorCode_ == 0;
}

bool FileOperations::Rename(const fs::path& source, const fs::path& target) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error))) return Fail(std::make_error_code(std::errc::file_exists));
    fs::rename(source, target, error);
    return error ? Fail(error) : true;
}

bool FileOperations::Replace(const fs::path& source, const fs::path& target) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error))) {
        switch (CheckBeforeDelete(target)) {
            case Check::kAllow: break;
            case Check::kCancel:
            case Check::kRefuse: aborted_ = true; return Fail(std::make_error_code(std::errc::permission_denied));
        }
    }
    if (std::optional<std::string> reason = file_replace::MoveOver(source, target)) {
        errorText_ = *reason;
        errorCode_ = static_cast<std::uint32_t>(std::errc::io_error);
        return false;
    }
    return true;
}

}  // namespace quantora
