#include "app/ini_profile_store.h"

#include <span>
#include <string>
#include <system_error>

#include "app/ini_escaping.h"
#include "app/profile_key.h"
#include "catalogue/safe_write.h"

namespace quantora {

IniProfileStore::IniProfileStore(const std::filesystem::path& file) : IniProfileStore(file, ReadProfileFile(file)) {}

IniProfileStore::IniProfileStore(std::filesystem::path file, ProfileFileRead read)
    : file_(std::move(file)), problem_(std::move(read.problem)), document_(read.text) {}

std::optional<StoredValue> IniProfileStore::Read(std::string_view section, std::string_view entry) const {
    const std::optional<std::string_view> raw = document_.Value(section, ProfileKeyOf(entry));
    if (!raw) return std::nullopt;
    const UnescapedIniValue value = UnescapeIniValue(*raw);
    if (value.isList) return StoredValue{StoredValue::Kind::kList, {}};
    return DecodeStoredString(value.text);
}

bool IniProfileStore::Store(std::string_view section, std::string_view entry, std::u16string_view stored) {
    document_.SetValue(section, ProfileKeyOf(entry), EscapeIniValue(stored));
    if (problem_) return false;
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    const std::string text = document_.Text();
    return !WriteFileAtomically(file_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string IniProfileStore::ReadText(std::string_view section, std::string_view entry,
                                      std::string_view fallback) const {
    const std::optional<StoredValue> value = Read(section, entry);
    return value ? TextOf(*value) : std::string(fallback);
}

bool IniProfileStore::WriteText(std::string_view section, std::string_view entry, std::string_view value) {
    return Store(section, entry, StoredStringOfText(value));
}

std::int32_t IniProfileStore::ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const {
    const std::optional<StoredValue> value = Read(section, entry);
    return value ? IntegerOf(*value).value_or(fallback) : fallback;
}

bool IniProfileStore::WriteInt(std::string_view section, std::string_view entry, std::int32_t value) {
    const std::string digits = std::to_string(value);
    return Store(section, entry, std::u16string(digits.begin(), digits.end()));
}

std::optional<std::vector<std::uint8_t>> IniProfileStore::ReadBinary(std::string_view section,
                                                                     std::string_view entry) const {
    const std::optional<StoredValue> value = Read(section, entry);
    if (!value) return std::nullopt;
    return BytesOf(*value);
}

bool IniProfileStore::WriteBinary(std::string_view section, std::string_view entry,
                                  std::span<const std::uint8_t> bytes) {
    return Store(section, entry, StoredStringOfBinary(bytes));
}

}  // namespace quantora
