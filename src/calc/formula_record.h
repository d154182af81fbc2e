#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/text_field.h"

namespace quantora {

// The one record of a formula file: the formula window's texts and its angle unit.
struct FormulaRecord {
    static constexpr std::size_t kSize = 2884;
    // A formula file holds one record; a few more are read as the window reads them.
    static constexpr std::size_t kMaxRecords = 16;
    // The window's variables in the order the record stores them.
    static constexpr std::string_view kVariableNames = "FJKMUVZ";

    TextField<240> x;
    TextField<1240> formula;
    std::array<TextField<200>, kVariableNames.size()> variables;
    // 1 degrees, 2 radians, 3 grads; 0 when the setting was unset.
    std::int32_t angleUnit = 0;

    bool operator==(const FormulaRecord&) const = default;

    static FormulaRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> bytes) const;
};

// What reading a formula file gives: a file that cannot be opened has `opened` false and an
// error. Later records overwrite earlier ones, so the last whole record is the file's state; it is
// absent for an empty file. A trailing fragment is left unread and reported in `error`.
struct FormulaFile {
    bool opened = false;
    std::string error;
    std::optional<FormulaRecord> record;
};

FormulaFile ReadFormulaFile(const std::filesystem::path& path);
// Replaces the file by one record; a failed write leaves the old file as it was.
std::optional<std::string> WriteFormulaFile(const std::filesystem::path& path, const FormulaRecord& record);

}  // namespace quantora
