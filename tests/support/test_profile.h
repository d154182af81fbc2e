#pragma once

#include <memory>

#include "app/ini_profile_store.h"
#include "support/temp_folder.h"

namespace quantora::test {

// The real profile store over an INI file in a temporary folder of its own: the core store, which
// reads and writes the same file QSettings does.
class TestProfile {
public:
    TestProfile();

    IniProfileStore& Store() { return *store_; }
    const std::filesystem::path& File() const { return file_; }
    // A second store over the same file, as the next start of the program would see it.
    std::unique_ptr<IniProfileStore> Reopen() const;

private:
    TempFolder folder_;
    std::filesystem::path file_;
    std::unique_ptr<IniProfileStore> store_;
};

}  // namespace quantora::test
