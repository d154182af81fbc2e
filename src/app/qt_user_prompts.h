#pragma once

#include "app/user_prompts.h"

class QWidget;

namespace quantora {

// Message boxes over QMessageBox, parented to the window that asks.
class QtUserPrompts final : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    void Message(std::string_view text, std::string_view caption) override;
    Answer Question(std::string_view text, std::string_view caption, Buttons buttons) override;
    void Beep() override;

private:
    QWidget* parent_;
};

}  // namespace quantora
