#include "reportui/RLPrinting.h"

#include "report/RLPagedOutput.h"
#include "report/RLQtTexto.h"
#include "report/RLTexts.h"

#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace luvenor {
namespace {

// Where the job went, in the words of the message: the PDF file or the printer (the system's default
// when it has no name).
std::runtime_error ErroDeImpressao(const QPrinter& printer, bool iniciada, const std::string& motivo) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const std::string arquivo = ParaUtf8(printer.outputFileName());
        if (!iniciada) return std::runtime_error(LSTextoCom(TextoRL::ImpressaoNaoIniciadaNoArquivo, arquivo));
        return std::runtime_error(LSTextoCom(TextoRL::ImpressaoInterrompidaNoArquivo, arquivo) + ": " +
                                  motivo);
    }
    const QString nome = printer.printerName();
    const std::string impressora = nome.isEmpty() ? LSTexto(TextoRL::Padrao) : "\"" + ParaUtf8(nome) + "\"";
    if (!iniciada)
        return std::runtime_error(LSTextoCom(TextoRL::ImpressaoNaoIniciadaNaImpressora, impressora));
    return std::runtime_error(LSTextoCom(TextoRL::ImpressaoInterrompidaNaImpressora, impressora) + ": " +
                              motivo);
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
        throw ErroDeImpressao(printer, e.FolhasFeitas > 0, e.what());
    }
}

}  // namespace luvenor
