#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace quantora::test {

// A window's control by the id its layout gave it. A missing one fails the test that asked,
// naming the id, where a null control would end the whole test program.
template <class W>
W& Get(QWidget& window, int controlId) {
    auto* control = window.findChild<W*>(QString::number(controlId));
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(controlId));
    return *control;
}

}  // namespace quantora::test
