// luvenor-cli danfe A.xml B.xml ... -o all.pdf: every DANFE drawn into one PDF as soon as it is
// prepared, so only one invoice's pages are in memory at a time.
#include "cli/CodigosSaida.h"
#include "cli/OpcoesComandoDanfe.h"

#include "report/RLGraphics.h"
#include "report/RLPdfUnido.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace luvenor::cli {

std::vector<std::string> EntradasDoComando(const OpcoesComandoDanfe& o) {
    std::vector<std::string> entradas = o.entradas;
    if (!o.logo.empty()) entradas.push_back(o.logo);
    return entradas;
}

namespace {

// Adds one input's DANFE; its exit code. A refused page ends the whole file: `falhou` tells.
int Acrescentar(TRLPdfUnido& pdf, const std::string& arquivo, const OpcoesComandoDanfe& o, const QImage& logo,
                bool& falhou) {
    std::string marcador;
    const EntradaDanfe entrada{arquivo, true, o.verbose, &marcador};
    return PrepararDanfe("danfe", entrada, o, logo,
                         [&](const char* disposicao, const TRLGraphicStorage& paginas) {
                             try {
                                 pdf.Acrescentar(paginas, marcador);
                             } catch (const std::exception& e) {
                                 std::fprintf(stderr, "luvenor-cli danfe: %s\n", e.what());
                                 falhou = true;
                                 return false;
                             }
                             if (o.verbose)
                                 std::fprintf(stderr, "%s -> %s: %s, %d page(s), \"%s\"\n", arquivo.c_str(),
                                              o.saida.c_str(), disposicao, paginas.Count(), marcador.c_str());
                             return true;
                         });
}

}  // namespace

int UnirDanfes(const OpcoesComandoDanfe& o, const QImage& logo) {
    std::unique_ptr<TRLPdfUnido> pdf;
    try {
        pdf = std::make_unique<TRLPdfUnido>(o.saida, EntradasDoComando(o));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "luvenor-cli danfe: %s\n", e.what());
        return SaidaNaoGravada;
    }
    int pior = SaidaOk;
    bool falhou = false;
    for (const std::string& arquivo : o.entradas) {
        pior = std::max(pior, Acrescentar(*pdf, arquivo, o, logo, falhou));
        if (falhou) return SaidaNaoGravada;  // the temporary file goes with the writer
    }
    try {
        pdf->Confirmar();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "luvenor-cli danfe: %s\n", e.what());
        return std::max(pior, SaidaNaoGravada);
    }
    if (o.verbose)
        std::fprintf(stderr, "%s: %d DANFE(s), %d page(s)\n", o.saida.c_str(), pdf->Documentos(),
                     pdf->Paginas());
    return pior;
}

}  // namespace luvenor::cli
