#include "support/test_profile.h"

namespace quantora::test {

TestProfile::TestProfile() : file_(folder_ / "profile.ini"), store_(std::make_unique<IniProfileStore>(file_)) {}

std::unique_ptr<IniProfileStore> TestProfile::Reopen() const { return std::make_unique<IniProfileStore>(file_); }

}  // namespace quantora::test
