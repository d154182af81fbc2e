// X11 and Wayland leave the window menu to the window manager, which offers no way to add to it.
#include "ui/system_menu.h"

namespace quantora {

// By value, as the Windows menu keeps the function it is given.
void AddAboutToSystemMenu(QWidget&, std::function<void()>) {}  // NOLINT(performance-unnecessary-value-param)

}  // namespace quantora
