#include "cli/AplicacaoCli.h"

#include "report/RLAplicacao.h"
#include "report/RLFonts.h"

#include <QString>

#include <cstdio>

namespace luvenor::cli {
namespace {

bool mensagensQt = false;

// Qt's own notes (a missing runtime folder, font fallbacks) are not what the user asked for: they
// reach stderr only with --verbose; Qt's errors always do.
void FiltrarMensagensQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (mensagensQt || tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
}

}  // namespace

void IniciarQt(const char* comando, bool verbose) {
    mensagensQt = verbose;
    qInstallMessageHandler(FiltrarMensagensQt);
    if (!IniciarAplicacaoGrafica("luvenor-cli"))
        std::fprintf(stderr, "luvenor-cli %s: %s\n", comando, AvisoFonteAusente);
}

}  // namespace luvenor::cli
