#pragma once

#include <QString>
#include <QWidget>

namespace quantora {

// A window that lacks one of its own controls is a programming error: this stops the program
// with a message that names the control's id and the window's class.
[[noreturn]] void StopForMissingControl(const QWidget& window, int controlId);

// The control that carries `controlId` as its objectName, anywhere inside `window`. It never
// returns without one: a missing control, or one of another kind, stops the program.
template <class W>
W& Control(QWidget& window, int controlId) {
    W* control = window.findChild<W*>(QString::number(controlId));
    if (control == nullptr) StopForMissingControl(window, controlId);
    return *control;
}

}  // namespace quantora
