#include "app/qt_profile_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/profile_file.h"
#include "app/profile_key.h"
#include "quantora_version.h"

namespace quantora {

namespace {

constexpr auto kOrganization = kProgramName;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString KeyOf(std::string_view section, std::string_view entry) {
    return FromUtf8(section) + QLatin1Char('/') + QString::fromStdString(ProfileKeyOf(entry));
}

std::filesystem::path PathOf(const QString& file) { return std::filesystem::path(file.toStdU16String()); }

// Where QSettings keeps the user's file outside Windows; on Windows the registry, which needs no check.
std::optional<std::filesystem::path> UserSettingsFile(const QString& applicationName) {
#ifdef Q_OS_WIN
    Q_UNUSED(applicationName);
    return std::nullopt;
#else
    return PathOf(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                  QLatin1String(kOrganization) + QLatin1Char('/') + applicationName + QStringLiteral(".conf"));
#endif
}

}  // namespace

// QSettings reads its file as it is made and later replaces whatever the name leads to, so the file
// is looked at first; one that cannot be used leaves the settings in memory only.
QtProfileStore::QtProfileStore(const std::optional<std::filesystem::path>& file,
                               const std::function<std::unique_ptr<QSettings>()>& make) {
    if (file) problem_ = ReadProfileFile(*file).problem;
    if (!problem_) settings_ = make();
}

namespace {

QtProfileStore UserSettings(const QString& applicationName) {
    return QtProfileStore(UserSettingsFile(applicationName), [&] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization,
                                           applicationName);
    });
}

}  // namespace

QString ProfileApplicationName() {
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) return QStringLiteral("quantora");
    return QFileInfo(path).completeBaseName();
}

QtProfileStore::QtProfileStore() : QtProfileStore(UserSettings(ProfileApplicationName())) {}

QtProfileStore QtProfileStore::OfApplication(const QString& applicationName) { return UserSettings(applicationName); }

QtProfileStore::QtProfileStore(const QString& iniFile)
    : QtProfileStore(PathOf(iniFile), [&] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }) {}

QVariant QtProfileStore::Value(std::string_view section, std::string_view entry) const {
    const QString key = KeyOf(section, entry);
    return settings_ ? settings_->value(key) : inMemory_.value(key);
}

std::string QtProfileStore::ReadText(std::string_view section, std::string_view entry,
                                     std::string_view fallback) const {
    const QVariant value = Value(section, entry);
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

bool QtProfileStore::WriteText(std::string_view section, std::string_view entry, std::string_view value) {
    return Store(section, entry, FromUtf8(value));
}

std::int32_t QtProfileStore::ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const {
    bool ok = false;
    const int value = Value(section, entry).toInt(&ok);
    return ok ? value : fallback;
}

bool QtProfileStore::WriteInt(std::string_view section, std::string_view entry, std::int32_t value) {
    return Store(section, entry, value);
}

std::optional<std::vector<std::uint8_t>> QtProfileStore::ReadBinary(std::string_view section,
                                                                    std::string_view entry) const {
    const QVariant value = Value(section, entry);
    if (!value.isValid()) return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool QtProfileStore::WriteBinary(std::string_view section, std::string_view entry,
                                 std::span<const std::uint8_t> bytes) {
    return Store(section, entry,
                 QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

void QtProfileStore::Sync() {
    if (settings_) settings_->sync();
}

bool QtProfileStore::Store(std::string_view section, std::string_view entry, const QVariant& value) {
    if (!settings_) {
        inMemory_.insert(KeyOf(section, entry), value);
        return false;
    }
    settings_->setValue(KeyOf(section, entry), value);
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

}  // namespace quantora
