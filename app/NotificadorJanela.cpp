#include "app/NotificadorJanela.h"

#include <QApplication>
#include <QMessageBox>

namespace luvenor {

void TNotificadorJanela::Mostrar(const std::string& mensagem, bool bipe) {
    if (bipe) QApplication::beep();
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                             QString::fromStdString(mensagem));
}

}  // namespace luvenor
