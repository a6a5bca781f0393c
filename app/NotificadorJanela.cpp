#include "app/NotificadorJanela.h"

#include <QApplication>
#include <QMessageBox>

namespace luvenor {

void TNotificadorJanela::Mostrar(const std::string& mensagem, bool bipe) {
    MostrarComo(mensagem, bipe, Gravidade::Aviso);
}

void TNotificadorJanela::MostrarComo(const std::string& mensagem, bool bipe, Gravidade gravidade) {
    if (bipe) QApplication::beep();
    QMessageBox caixa(gravidade == Gravidade::Aviso ? QMessageBox::Warning : QMessageBox::Information,
                      QApplication::applicationDisplayName(), QString::fromStdString(mensagem),
                      QMessageBox::Ok, QApplication::activeWindow());
    caixa.setObjectName(QStringLiteral("mensagem"));
    caixa.exec();
}

}  // namespace luvenor
