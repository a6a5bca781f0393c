#include "reportui/RLPrinting.h"

#include "report/RLPagedOutput.h"
#include "report/RLQtTexto.h"

#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace luvenor {
namespace {

std::string NomeDaImpressora(const QPrinter& printer) {
    const QString nome = printer.printerName();
    return nome.isEmpty() ? std::string("padrão") : "\"" + ParaUtf8(nome) + "\"";
}

}  // namespace

TRLConfigImpressao& ConfiguracaoImpressao() {
    static TRLConfigImpressao config;
    return config;
}

int ImprimirPaginas(const TRLGraphicStorage& paginas, QPrinter& printer, const TRLPedidoImpressao& pedido,
                    TRLProgress& progresso) {
    const int ate = std::min(pedido.Ate, paginas.Count());
    TRLPedidoSaida saida;
    saida.Paginas = PaginasAImprimir(paginas.Count(), {pedido.De, ate, pedido.ParImpar, pedido.Selecao, 1});
    saida.Copias = std::clamp(printer.copyCount(), 0, MaximoCopias);
    // The bar counts the whole range, skipped pages included.
    saida.Passos = std::max(0, ate - pedido.De + 1) * saida.Copias;
    printer.setCopyCount(1);
    printer.setDocName(ParaQString(TituloDaTarefa(paginas.Macros())));
    printer.setFullPage(false);
    try {
        return DesenharPaginas(paginas, printer, saida, progresso).Folhas;
    } catch (const ERLDispositivoRecusou& e) {
        if (e.FolhasFeitas == 0)
            throw std::runtime_error("A impressão não pôde ser iniciada na impressora " +
                                     NomeDaImpressora(printer));
        throw std::runtime_error("A impressão foi interrompida na impressora " + NomeDaImpressora(printer) +
                                 ": " + e.what());
    }
}

}  // namespace luvenor
