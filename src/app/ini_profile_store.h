#pragma once

#include <filesystem>
#include <optional>

#include "app/ini_document.h"
#include "app/profile_file.h"
#include "app/profile_store.h"
#include "app/stored_value.h"

namespace quantora {

// The profile in a QSettings INI file, read and written without Qt: what one writes the other
// reads. The file is read once; every write rewrites it at once, keeping the entries it does not set.
class IniProfileStore final : public ProfileStore {
public:
    // A missing file reads as an empty profile and is created by the first write. A file that cannot
    // be used (see ReadProfileFile) reads as empty too, and writes then stay in memory.
    explicit IniProfileStore(const std::filesystem::path& file);

    // Why the file is left alone, when it is.
    const std::optional<std::string>& Problem() const { return problem_; }

    std::string ReadText(std::string_view section, std::string_view entry, std::string_view fallback) const override;
    bool WriteText(std::string_view section, std::string_view entry, std::string_view value) override;
    std::int32_t ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const override;
    bool WriteInt(std::string_view section, std::string_view entry, std::int32_t value) override;
    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view section,
                                                        std::string_view entry) const override;
    bool WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> bytes) override;

private:
    IniProfileStore(std::filesystem::path file, ProfileFileRead read);

    std::optional<StoredValue> Read(std::string_view section, std::string_view entry) const;
    bool Store(std::string_view section, std::string_view entry, std::u16string_view stored);

    std::filesystem::path file_;
    std::optional<std::string> problem_;
    IniDocument document_;
};

}  // namespace quantora
