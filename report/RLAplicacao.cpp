#include "report/RLAplicacao.h"

#include "report/RLFonts.h"

#include <QGuiApplication>

#include <cstdlib>

namespace luvenor {

bool IniciarAplicacaoGrafica(const char* nomePrograma) {
    if (!QCoreApplication::instance()) {
        const char* x = std::getenv("DISPLAY");
        const char* w = std::getenv("WAYLAND_DISPLAY");
        if ((!x || !*x) && (!w || !*w)) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(nomePrograma), nullptr};
        new QGuiApplication(argc, argv);
    }
    return RegistrarFontes();
}

}  // namespace luvenor
