#include "reportui/RLPrinting.h"

#include "report/RLPagedOutput.h"
#include "report/RLQtTexto.h"
#include "report/RLSaidaSegura.h"
#include "report/RLTexts.h"

#include <QPrinter>

#include <algorithm>
#include <optional>
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

// A job printed to a PDF file writes a temporary file beside it, put in place only when whole: a
// failure halfway leaves an older file of that name as it was.
class TRLPdfDaImpressora {
public:
    explicit TRLPdfDaImpressora(QPrinter& printer) : printer_(printer), destino_(printer.outputFileName()) {
        if (printer.outputFormat() != QPrinter::PdfFormat || destino_.isEmpty()) return;
        try {
            saida_.emplace(ParaUtf8(destino_));
        } catch (const std::runtime_error&) {
            throw ErroDeImpressao(printer, false, {});
        }
        printer.setOutputFileName(ParaQString(saida_->Temporario()));
    }
    // The messages and the caller see the file that was asked for.
    ~TRLPdfDaImpressora() { printer_.setOutputFileName(destino_); }
    TRLPdfDaImpressora(const TRLPdfDaImpressora&) = delete;
    TRLPdfDaImpressora& operator=(const TRLPdfDaImpressora&) = delete;

    // A job that printed no sheet makes no file.
    void Confirmar(int folhas) {
        if (!saida_) return;
        if (folhas == 0) return Abandonar();
        printer_.setOutputFileName(destino_);
        try {
            saida_->Confirmar();
        } catch (const std::runtime_error& e) {
            throw ErroDeImpressao(printer_, folhas > 0, e.what());
        }
    }

    // Removes the temporary file; the message that follows names the file asked for.
    void Abandonar() {
        saida_.reset();
        printer_.setOutputFileName(destino_);
    }

private:
    QPrinter& printer_;
    QString destino_;
    std::optional<TRLSaidaSegura> saida_;
};

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
    TRLPdfDaImpressora pdf(printer);
    int folhas = 0;
    try {
        folhas = DesenharPaginas(paginas, printer, saida, progresso).Folhas;
    } catch (const ERLDispositivoRecusou& e) {
        pdf.Abandonar();
        throw ErroDeImpressao(printer, e.FolhasFeitas > 0, e.what());
    }
    pdf.Confirmar(folhas);
    return folhas;
}

}  // namespace luvenor
