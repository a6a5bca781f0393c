#pragma once
// Shared by the windows' tests: the widget application they need (headless) and a notifier that
// captures the message boxes instead of showing them.
#include "report/RLFonts.h"
#include "util/Notificador.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace luvenor::teste {

// Widgets need a QApplication; it is made once, on the offscreen platform, for the whole test run.
inline void GarantirAplicacaoComJanelas() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "luvenor-tests";
    static char* argv[] = {nome, nullptr};
    new QApplication(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Luvenor"));
    // The windows' settings (recent files) go to a folder of the run, never to the user's own.
    static QTemporaryDir configuracoes;
    for (const auto formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, configuracoes.path());
    RegistrarFontes();
}

class MensagensCapturadas : public Notificador {
public:
    MensagensCapturadas() : instalado_(this) {}
    void Mostrar(const std::string& mensagem, bool) override { mensagens.push_back(mensagem); }
    void MostrarComo(const std::string& mensagem, bool bipe, Gravidade gravidade) override {
        gravidades.push_back(gravidade);
        Mostrar(mensagem, bipe);
    }
    std::vector<std::string> mensagens;
    std::vector<Gravidade> gravidades;

private:
    NotificadorInstalado instalado_;
};

}  // namespace luvenor::teste
