// luvenor: the viewer's windows. An optional argument names an NF-e file to load at once;
// --version prints the version without opening a window.
#include "app/FrmVisuXmlNfe.h"
#include "app/NotificadorJanela.h"
#include "app/TraducoesQt.h"
#include "reportui/RLPreview.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLFonts.h"

#include "LuvenorPrograma.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("luvenor %s\n", luvenor::VersaoPrograma);
        return 0;
    }
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Luvenor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Luvenor"));
    QApplication::setApplicationVersion(QString::fromLatin1(luvenor::VersaoPrograma));
    luvenor::InstalarTraducoesQt(aplicacao);
    // The desktop shows the installed entry's name and icon for these windows.
    QApplication::setDesktopFileName(QString::fromLatin1(luvenor::IdAplicacao));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(luvenor::IdAplicacao)));
    if (!luvenor::RegistrarFontes()) std::fprintf(stderr, "luvenor: %s\n", luvenor::AvisoFonteAusente);
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
