#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "support/controls.h"

namespace quantora::test {

// Runs `step` on the next modal window of type T as soon as it shows. Register the step before the
// click that opens the window: the click does not return until the window has closed.
template <class T>
void WhenShown(std::function<void(T&)> step) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        step(*window);
    });
    timer->start();
}

inline void Click(QWidget& window, int controlId) { Get<QAbstractButton>(window, controlId).click(); }

}  // namespace quantora::test
