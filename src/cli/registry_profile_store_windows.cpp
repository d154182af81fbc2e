// The window's profile as QSettings keeps it in the registry: one key per section under
// HKEY_CURRENT_USER\Software\Quantora\quantora, texts as REG_SZ, integers as REG_DWORD, and binary
// blocks as "@ByteArray(...)" strings, stored as REG_BINARY UTF-16 when they hold a zero.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "app/profile_key.h"
#include "app/stored_value.h"
#include "app/utf16.h"
#include "cli/window_profile.h"
#include "quantora_version.h"

namespace quantora {

namespace {

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

// QSettings' key for organization kProgramName and application "quantora".
std::wstring ProfileKey() { return L"Software\\" + Wide(kProgramName) + L"\\quantora\\"; }

std::u16string Units(const wchar_t* text, std::size_t count) { return std::u16string(text, text + count); }

class RegistryProfileStore final : public ProfileStore {
public:
    std::string ReadText(std::string_view section, std::string_view entry, std::string_view fallback) const override {
        const std::optional<StoredValue> value = Read(section, entry);
        return value ? TextOf(*value) : std::string(fallback);
    }
    bool WriteText(std::string_view section, std::string_view entry, std::string_view value) override {
        return WriteString(section, entry, StoredStringOfText(value));
    }
    std::int32_t ReadInt(std::string_view section, std::string_view entry, std::int32_t fallback) const override {
        const std::optional<StoredValue> value = Read(section, entry);
        return value ? IntegerOf(*value).value_or(fallback) : fallback;
    }
    bool WriteInt(std::string_view section, std::string_view entry, std::int32_t value) override {
        return Write(section, entry, REG_DWORD, &value, sizeof value);
    }
    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view section,
                                                        std::string_view entry) const override {
        const std::optional<StoredValue> value = Read(section, entry);
        if (!value) return std::nullopt;
        return BytesOf(*value);
    }
    bool WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> bytes) override {
        return WriteString(section, entry, StoredStringOfBinary(bytes));
    }

private:
    static std::wstring SectionKey(std::string_view section) { return ProfileKey() + Wide(section); }

    static std::optional<StoredValue> Read(std::string_view section, std::string_view entry) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        const std::wstring name = Wide(ProfileKeyOf(entry));
        DWORD type = 0;
        DWORD size = 0;
        std::vector<BYTE> data;
        LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
            data.resize(size);
        }
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) return std::nullopt;
        return Decode(type, data);
    }

    static std::optional<StoredValue> Decode(DWORD type, const std::vector<BYTE>& data) {
        std::wstring text(data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        switch (type) {
            case REG_DWORD: {
                std::int32_t number = 0;
                if (data.size() != sizeof number) return std::nullopt;
                std::memcpy(&number, data.data(), sizeof number);
                return StoredValue{StoredValue::Kind::kText, std::to_string(number)};
            }
            case REG_SZ:
            case REG_EXPAND_SZ:
                // A registry string ends at its terminator, which the size includes.
                return DecodeStoredString(Units(text.c_str(), std::wcslen(text.c_str())));
            case REG_BINARY: return DecodeStoredString(Units(text.data(), text.size()));
            default: return StoredValue{StoredValue::Kind::kOther, {}};
        }
    }

    static bool WriteString(std::string_view section, std::string_view entry, const std::u16string& stored) {
        const bool hasZero = stored.find(u'\0') != std::u16string::npos;
        const std::size_t units = stored.size() + (hasZero ? 0 : 1);
        return Write(section, entry, hasZero ? REG_BINARY : REG_SZ, stored.c_str(), units * sizeof(char16_t));
    }

    static bool Write(std::string_view section, std::string_view entry, DWORD type, const void* data,
                      std::size_t size) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const LSTATUS status = RegSetValueExW(key, Wide(ProfileKeyOf(entry)).c_str(), 0, type,
                                              static_cast<const BYTE*>(data), static_cast<DWORD>(size));
        RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }
};

}  // namespace

WindowProfile OpenWindowProfile() { return {std::make_unique<RegistryProfileStore>(), std::nullopt}; }

}  // namespace quantora
