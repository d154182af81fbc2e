#pragma once

#include <functional>

class QWidget;

namespace quantora {

// Adds a separator and "&About Quantora..." (command 16) to the window's system menu and calls
// `onAbout` when the user chooses it. Only Windows gives windows a system menu a program can add
// to; elsewhere this does nothing and the About button and F1 remain the way to the About box.
void AddAboutToSystemMenu(QWidget& window, std::function<void()> onAbout);

}  // namespace quantora
