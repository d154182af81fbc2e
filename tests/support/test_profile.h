#pragma once

#include <memory>

#include "app/profile_store.h"
#include "support/temp_folder.h"

namespace quantora::test {

// The real profile store over an INI file in a temporary folder of its own. Core tests get the core
// store; window tests get QSettings over the same format, as the windows use it
// (test_profile_qt.cpp is linked in their place).
class TestProfile {
public:
    TestProfile();

    ProfileStore& Store() { return *store_; }
    const std::filesystem::path& File() const { return file_; }
    // A second store over the same file, as the next start of the program would see it.
    std::unique_ptr<ProfileStore> Reopen();

private:
    TempFolder folder_;
    std::filesystem::path file_;
    std::unique_ptr<ProfileStore> store_;
};

}  // namespace quantora::test
