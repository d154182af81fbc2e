#include "main/master_text.h"

#include <fstream>
#include <iterator>

#include "catalogue/cp1252.h"
#include "catalogue/record_file.h"

namespace quantora {

namespace {

bool IsBlank(char c) { return c == ' ' || static_cast<unsigned char>(c) == 0xA0; }

}  // namespace

std::string MasterText::Fault(std::size_t index, std::string_view reason) const {
    return name + ":" + std::to_string(index + 1) + ": " + std::string(reason);
}

MasterTextRead SplitMasterText(std::string_view utf8, std::string name) {
    MasterTextRead result;
    result.text.name = std::move(name);
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        bool lossless = true;
        result.text.lines.push_back(Utf8ToCp1252(line, &lossless));
        if (!lossless && result.error.empty()) {
            result.error = result.text.Fault(result.text.lines.size() - 1,
                                             "not UTF-8, or a character without a Windows-1252 form");
        }
    }
    return result;
}

MasterTextRead ReadMasterText(std::istream& in, std::string name) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return SplitMasterText(text, std::move(name));
}

MasterTextRead ReadMasterText(const std::filesystem::path& path) {
    std::string error;
    std::ifstream in = OpenForReading(path, error);
    if (!in) {
        MasterTextRead result;
        result.text.name = path.string();
        result.error = error;
        return result;
    }
    return ReadMasterText(in, path.string());
}

std::string TrimMasterBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

}  // namespace quantora
