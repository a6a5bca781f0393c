#include "app/TraducoesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace luvenor {

bool InstalarTraducoesQt(QCoreApplication& aplicacao, const QLocale& local) {
    auto* tradutor = new QTranslator(&aplicacao);
    // "qtbase" holds the widgets' and dialogs' texts; pt_BR falls back to pt when needed.
    if (!tradutor->load(local, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tradutor;
        return false;
    }
    return QCoreApplication::installTranslator(tradutor);
}

}  // namespace luvenor
