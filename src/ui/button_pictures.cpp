#include "ui/button_pictures.h"

#include <QtGlobal>

// Qt's resource initialiser must be named from the global namespace.
static void RegisterButtonPictures() { Q_INIT_RESOURCE(pictures); }

namespace quantora {

QString ButtonPicturePath(int bitmapId) {
    static const bool registered = (RegisterButtonPictures(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/bitmaps/%1.png").arg(bitmapId);
}

}  // namespace quantora
