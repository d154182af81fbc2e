#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/profile_store.h"

namespace quantora {

// The profile over QSettings: the registry on Windows, a per-user file elsewhere, under the
// organization "Quantora" and the executable's name. Tests pass an explicit file instead.
class QtProfileStore final : public ProfileStore {
public:
    // The user's profile for this executable.
    QtProfileStore();
    // A profile kept in one INI file, for tests and portable use.
    explicit QtProfileStore(const QString& iniFile);
    // The user's profile of the program named `applicationName`: the command line reads the window's.
    static QtProfileStore OfApplication(const QString& applicationName);

    std::string ReadText(std::string_view section, std::string_view entry, std::string_view fallback) const override;
    bool WriteText(std::string_view section, std::string_view entry, std::string_view value) override;
    std::int32_t ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const override;
    bool WriteInt(std::string_view section, std::string_view entry, std::int32_t value) override;
    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view section,
                                                        std::string_view entry) const override;
    bool WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> bytes) override;

    // Writes pending changes to the medium.
    void Sync();

    // Why the profile's file is left alone and the settings kept in memory, when they are.
    const std::optional<std::string>& Problem() const { return problem_; }

    // Over the settings `make` gives, unless `file` cannot be used.
    QtProfileStore(const std::optional<std::filesystem::path>& file,
                   const std::function<std::unique_ptr<QSettings>()>& make);

private:
    QVariant Value(std::string_view section, std::string_view entry) const;
    bool Store(std::string_view section, std::string_view entry, const QVariant& value);

    std::optional<std::string> problem_;
    std::unique_ptr<QSettings> settings_;
    QHash<QString, QVariant> inMemory_;
};

// The application name the profile is kept under: the executable's file name without extension.
QString ProfileApplicationName();

}  // namespace quantora
