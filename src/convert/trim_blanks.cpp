#include "convert/trim_blanks.h"

namespace quantora {

namespace {

bool IsBlank(char c) { return c == ' ' || static_cast<unsigned char>(c) == 0xA0; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace quantora
