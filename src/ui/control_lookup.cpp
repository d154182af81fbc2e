#include "ui/control_lookup.h"

#include <QMetaObject>
#include <QtGlobal>

namespace quantora {

void StopForMissingControl(const QWidget& window, int controlId) {
    qFatal("Control %d is missing from window %s \"%s\"", controlId, window.metaObject()->className(),
           qPrintable(window.objectName()));
}

}  // namespace quantora
