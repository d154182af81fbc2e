#include "masters/master_text.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "catalogue/cp1252.h"
#include "catalogue/file_error.h"
#include "catalogue/whole_file.h"

namespace quantora {

namespace {

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The range the byte after a lead byte must lie in: narrower than 80-BF after E0, ED, F0 and F4, so
// that overlong forms and surrogates (which could smuggle in a zero byte) are not taken as UTF-8.
std::pair<unsigned char, unsigned char> SecondByteRange(unsigned char lead) {
    switch (lead) {
        case 0xE0: return {0xA0, 0xBF};
        case 0xED: return {0x80, 0x9F};
        case 0xF0: return {0x90, 0xBF};
        case 0xF4: return {0x80, 0x8F};
        default: return {0x80, 0xBF};
    }
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto [low, high] =
                k == 1 ? SecondByteRange(lead) : std::pair<unsigned char, unsigned char>{0x80, 0xBF};
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < low || byte > high) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string MasterText::Fault(std::size_t index, std::string_view reason) const {
    return name + ":" + std::to_string(index + 1) + ": " + std::string(reason);
}

MasterTextRead SplitMasterText(std::string_view text, std::string name) {
    MasterTextRead result;
    result.text.name = std::move(name);
    const bool utf8 = IsUtf8(text);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!utf8) {
            result.text.lines.emplace_back(line);
            continue;
        }
        bool lossless = true;
        result.text.lines.push_back(Utf8ToCp1252(line, &lossless));
        if (!lossless && result.error.empty()) {
            result.error = result.text.Fault(result.text.lines.size() - 1, "a character without a Windows-1252 form");
        }
    }
    return result;
}

MasterTextRead ReadMasterText(std::istream& in, std::string name) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return SplitMasterText(text, std::move(name));
}

MasterTextRead ReadMasterText(const std::filesystem::path& path) {
    // Far above any master text a person keeps, far below what would exhaust the memory.
    constexpr std::uint64_t kMaxMasterTextBytes = std::uint64_t{64} << 20;
    const WholeFile file = ReadWholeFile(path, kMaxMasterTextBytes);
    if (!file.opened) {
        MasterTextRead result;
        result.text.name = PathText(path);
        result.error = file.error;
        return result;
    }
    return SplitMasterText(std::string(file.bytes.begin(), file.bytes.end()), PathText(path));
}

}  // namespace quantora
