// luvenor: the viewer's windows. An optional argument names an NF-e file to load at once.
#include "app/FrmVisuXmlNfe.h"
#include "app/NotificadorJanela.h"
#include "reportui/RLPreview.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLFonts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Luvenor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Luvenor"));
    if (!luvenor::RegistrarFontes())
        std::fprintf(stderr, "luvenor: warning: the Liberation Serif fonts could not be loaded\n");
    luvenor::TNotificadorJanela notificador;
    luvenor::NotificadorInstalado instalado(&notificador);

    luvenor::TFrmVisuXmlNfe* janela = nullptr;
    luvenor::TFrmVisuXmlNfe principal(
        [&janela](luvenor::TFrtDanfe& formulario) { luvenor::ShowPreview(formulario.RLReport1(), janela); });
    janela = &principal;
    principal.show();
    if (argc > 1) principal.Abrir(QString::fromLocal8Bit(argv[1]));
    return QApplication::exec();
}
