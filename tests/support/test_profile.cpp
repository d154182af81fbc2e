#include "support/test_profile.h"

#include "app/ini_profile_store.h"

namespace quantora::test {

TestProfile::TestProfile() : file_(folder_ / "profile.ini"), store_(std::make_unique<IniProfileStore>(file_)) {}

std::unique_ptr<ProfileStore> TestProfile::Reopen() { return std::make_unique<IniProfileStore>(file_); }

}  // namespace quantora::test
