#include "app/qt_profile_store.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/profile_key.h"

namespace quantora {

namespace {

constexpr auto kOrganization = "Quantora";

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString KeyOf(std::string_view section, std::string_view entry) {
    return FromUtf8(section) + QLatin1Char('/') + QString::fromStdString(ProfileKeyOf(entry));
}

std::unique_ptr<QSettings> UserSettings(const QString& applicationName) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, applicationName);
}

}  // namespace

QString ProfileApplicationName() {
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) return QStringLiteral("quantora");
    return QFileInfo(path).completeBaseName();
}

QtProfileStore::QtProfileStore() : QtProfileStore(UserSettings(ProfileApplicationName())) {}

QtProfileStore QtProfileStore::OfApplication(const QString& applicationName) {
    return QtProfileStore(UserSettings(applicationName));
}

QtProfileStore::QtProfileStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QtProfileStore::QtProfileStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::string QtProfileStore::ReadText(std::string_view section, std::string_view entry,
                                     std::string_view fallback) const {
    const QVariant value = settings_->value(KeyOf(section, entry));
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

bool QtProfileStore::WriteText(std::string_view section, std::string_view entry, std::string_view value) {
    return Store(section, entry, FromUtf8(value));
}

std::int32_t QtProfileStore::ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const {
    bool ok = false;
    const int value = settings_->value(KeyOf(section, entry)).toInt(&ok);
    return ok ? value : fallback;
}

bool QtProfileStore::WriteInt(std::string_view section, std::string_view entry, std::int32_t value) {
    return Store(section, entry, value);
}

std::optional<std::vector<std::uint8_t>> QtProfileStore::ReadBinary(std::string_view section,
                                                                    std::string_view entry) const {
    const QVariant value = settings_->value(KeyOf(section, entry));
    if (!value.isValid()) return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool QtProfileStore::WriteBinary(std::string_view section, std::string_view entry,
                                 std::span<const std::uint8_t> bytes) {
    return Store(section, entry,
                 QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

void QtProfileStore::Sync() { settings_->sync(); }

bool QtProfileStore::Store(std::string_view section, std::string_view entry, const QVariant& value) {
    settings_->setValue(KeyOf(section, entry), value);
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

}  // namespace quantora
