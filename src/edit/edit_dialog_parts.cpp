#include "edit/edit_dialog_parts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <string>

#include "app/qt_user_prompts.h"
#include "catalogue/cp1252.h"
#include "main/window_launchers.h"

namespace quantora {

void AddHelpKey(QWidget& window, WindowLaunchers& launchers, std::string_view page) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&window, &launchers, page] { launchers.ShowHelp(window, page); });
}

void ShowRefusal(QWidget& window, const std::string& refusal) {
    QtUserPrompts(&window).Message(refusal, window.windowTitle().toStdString());
}

}  // namespace quantora
