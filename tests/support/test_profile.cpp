#include "support/test_profile.h"

namespace quantora::test {

TestProfile::TestProfile()
    : file_(folder_ / "profile.ini"),
      store_(std::make_unique<QtProfileStore>(QString::fromStdString(file_.string()))) {}

std::unique_ptr<QtProfileStore> TestProfile::Reopen() {
    store_->Sync();
    return std::make_unique<QtProfileStore>(QString::fromStdString(file_.string()));
}

}  // namespace quantora::test
