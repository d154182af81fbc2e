#include "edit/field_text.h"

#include "catalogue/cp1252.h"

namespace quantora {

namespace {

// The length of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The first character of `utf8` that Windows-1252 has no byte for, or empty when there is none.
std::string_view FirstUnstorable(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string_view character = utf8.substr(at, SequenceLength(static_cast<unsigned char>(utf8[at])));
        bool lossless = true;
        Utf8ToCp1252(character, &lossless);
        if (!lossless) return character;
        at += character.size();
    }
    return {};
}

}  // namespace

FieldText ToFieldText(std::string_view utf8, std::size_t maxLength, std::string_view fieldLabel) {
    FieldText field;
    const std::string_view unstorable = FirstUnstorable(utf8);
    if (!unstorable.empty()) {
        field.refusal = std::string(fieldLabel) + " \"" + std::string(unstorable) +
                        "\" cannot be stored: the data files hold Windows-1252 characters only.";
        return field;
    }
    field.bytes = Utf8ToCp1252(utf8);
    if (field.bytes.size() > maxLength) {
        field.refusal = std::string(fieldLabel) + " " + std::to_string(field.bytes.size()) +
                        " characters do not fit: at most " + std::to_string(maxLength) + ".";
        field.bytes.clear();
    }
    return field;
}

}  // namespace quantora
