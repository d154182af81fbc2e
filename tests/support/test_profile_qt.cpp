#include "app/qt_profile_store.h"
#include "support/test_profile.h"

namespace quantora::test {

namespace {

QString IniFileName(const std::filesystem::path& file) {
    const std::u16string name = file.u16string();
    return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

TestProfile::TestProfile()
    : file_(folder_ / "profile.ini"), store_(std::make_unique<QtProfileStore>(IniFileName(file_))) {}

std::unique_ptr<ProfileStore> TestProfile::Reopen() {
    static_cast<QtProfileStore&>(*store_).Sync();
    return std::make_unique<QtProfileStore>(IniFileName(file_));
}

}  // namespace quantora::test
