#include "reportui/RLPrinting.h"

#include "report/RLQtTexto.h"
#include "report/RLPagePainter.h"
#include "report/RLTexts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace luvenor {
namespace {

void DefinirPapel(QPrinter& printer, const TRLMacros& macros) {
    const TRLPapel papel = PapelDoArmazem(macros);
    if (papel.LarguraMm > 0 && papel.AlturaMm > 0) {
        const QSizeF mm(std::min(papel.LarguraMm, papel.AlturaMm), std::max(papel.LarguraMm, papel.AlturaMm));
        printer.setPageSize(QPageSize(mm, QPageSize::Millimeter));
    }
    printer.setPageOrientation(papel.Paisagem ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace

TRLConfigImpressao& ConfiguracaoImpressao() {
    static TRLConfigImpressao config;
    return config;
}

TRLGeometriaImpressora GeometriaDa(QPrinter& printer) {
    const int dpi = printer.resolution();
    if (dpi <= 0) return TRLGeometriaImpressora::Padrao();
    const QRect papel = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (papel.isEmpty()) return TRLGeometriaImpressora::Padrao();
    const int dpiX = printer.logicalDpiX() > 0 ? printer.logicalDpiX() : dpi;
    const int dpiY = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : dpi;
    return {dpiX, dpiY, area.left() - papel.left(), area.top() - papel.top(), papel.width(), papel.height()};
}

int ImprimirPaginas(const TRLGraphicStorage& paginas, QPrinter& printer, const TRLPedidoImpressao& pedido,
                    TRLProgress& progresso) {
    TRLPedidoImpressao p = pedido;
    p.Ate = std::min(p.Ate, paginas.Count());
    p.Copias = std::clamp(printer.copyCount(), 0, MaximoCopias);
    printer.setCopyCount(1);
    const std::vector<int> umaCopia =
        PaginasAImprimir(paginas.Count(), {p.De, p.Ate, p.ParImpar, p.Selecao, 1});
    const TRLProgressoAberto aberto(progresso, LSTexto(TextoRL::SalvandoRelatorio),
                                    std::max(0, p.Ate - p.De + 1) * p.Copias);
    if (umaCopia.empty() || p.Copias == 0) return 0;

    DefinirPapel(printer, paginas.Macros());
    printer.setDocName(ParaQString(TituloDaTarefa(paginas.Macros())));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("the print job could not be started on \"" +
                                 printer.printerName().toStdString() + "\"");
    const TRLGeometriaImpressora g = GeometriaDa(printer);
    TRLPagePainter desenhista;
    int impressas = 0;
    for (int copia = 0; copia < p.Copias; ++copia) {
        for (int numero : umaCopia) {
            if (impressas > 0 && !printer.newPage()) {
                painter.end();
                throw std::runtime_error("the printer refused a new page after " + std::to_string(impressas) +
                                         " pages");
            }
            const auto pagina = paginas.Page(numero - 1);
            const TRLAlvo alvo = AlvoDaPagina(pagina->Width(), pagina->Height(), g);
            desenhista.Desenhar(*pagina, paginas.Macros(), painter,
                                QRectF(alvo.X, alvo.Y, alvo.Largura, alvo.Altura));
            ++impressas;
            progresso.DefinirPasso(LSTexto(TextoRL::Pagina) + " " + std::to_string(numero));
            progresso.Avancar();
            if (progresso.Cancelado()) break;
        }
    }
    painter.end();
    return impressas;
}

}  // namespace luvenor
