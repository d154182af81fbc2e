// X11 and Wayland leave the window menu to the window manager, which offers no way to add to it.
#include "ui/system_menu.h"

namespace quantora {

void AddAboutToSystemMenu(QWidget&, std::function<void()>) {}

}  // namespace quantora
