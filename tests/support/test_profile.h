#pragma once

#include <memory>

#include "app/qt_profile_store.h"
#include "support/temp_folder.h"

namespace quantora::test {

// The real profile store over a QSettings file in a temporary folder of its own.
class TestProfile {
public:
    TestProfile();

    QtProfileStore& Store() { return *store_; }
    const std::filesystem::path& File() const { return file_; }
    // A second store over the same file, as the next start of the program would see it.
    std::unique_ptr<QtProfileStore> Reopen();

private:
    TempFolder folder_;
    std::filesystem::path file_;
    std::unique_ptr<QtProfileStore> store_;
};

}  // namespace quantora::test
