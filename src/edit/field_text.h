#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quantora {

// A text typed into an editor, made ready for a record field: `bytes` in Windows-1252 when it
// fits, else `refusal` says, naming the field, why it was not taken. Nothing is ever cut or
// replaced, since a stored unit that silently lost a character would convert differently.
struct FieldText {
    std::string bytes;
    std::string refusal;

    bool Refused() const { return !refusal.empty(); }
};

FieldText ToFieldText(std::string_view utf8, std::size_t maxLength, std::string_view fieldLabel);

}  // namespace quantora
