#pragma once

#include <string_view>

namespace quantora {

// Message boxes, questions and the beep, as core asks for them.
class UserPrompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~UserPrompts() = default;
    virtual void Message(std::string_view text, std::string_view caption) = 0;
    virtual Answer Question(std::string_view text, std::string_view caption, Buttons buttons) = 0;
    virtual void Beep() = 0;
};

}  // namespace quantora
