#include "danfe/LogoPadrao.h"

#include <QtCore/qglobal.h>

// A resource compiled into a static library is registered only when something names it.
static void RegistrarRecursosDanfe() {
    Q_INIT_RESOURCE(danfe);
}

namespace luvenor {

QImage LogoPadrao() {
    // Decoded once: every form gets a shallow copy of the same picture.
    static const QImage logo = [] {
        RegistrarRecursosDanfe();
        return QImage(QStringLiteral(":/danfe/logo.png")).convertToFormat(QImage::Format_RGB32);
    }();
    return logo;
}

}  // namespace luvenor
