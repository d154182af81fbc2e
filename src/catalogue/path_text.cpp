#include "catalogue/path_text.h"

namespace quantora {

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path PathFromUtf8(std::string_view utf8) { return std::u8string(utf8.begin(), utf8.end()); }

}  // namespace quantora
