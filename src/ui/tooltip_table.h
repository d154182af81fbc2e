#pragma once

#include <span>

class QWidget;

namespace quantora {

// One line of a window's tooltip table: the control's id and its tip.
struct ControlTip {
    int controlId;
    const char* tip;  // UTF-8
};

// Gives every control of the table its tip; a control missing from the window stops the program.
void SetTooltips(QWidget& window, std::span<const ControlTip> tips);

}  // namespace quantora
