#pragma once
// Qt's own texts (file dialogs, page setup, the context menus of fields, standard buttons) in the
// user's language, from the translations Qt installs with the system.
#include <QLocale>

class QCoreApplication;

namespace luvenor {

// Installs Qt's translations for `local` into the application; false when the system has none for
// that language (the texts then stay in English). The translator lives as long as the application.
bool InstalarTraducoesQt(QCoreApplication& aplicacao, const QLocale& local = QLocale());

}  // namespace luvenor
