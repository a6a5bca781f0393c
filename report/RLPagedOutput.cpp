#include "report/RLPagedOutput.h"

#include "report/RLPagePainter.h"
#include "report/RLPdfCairo.h"
#include "report/RLQtTexto.h"
#include "report/RLTexts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace luvenor {
namespace {

// Gives the device the sheet for its next page; false when it refuses. A sheet without a size
// (a page of no size) leaves the device's own.
bool AplicarFolha(QPagedPaintDevice& device, const TRLFolha& folha) {
    if (folha.LarguraMm <= 0 || folha.AlturaMm <= 0) return true;
    const QPageSize tamanho(
        QSizeF(std::min(folha.LarguraMm, folha.AlturaMm), std::max(folha.LarguraMm, folha.AlturaMm)),
        QPageSize::Millimeter);
    const auto orientacao = folha.LarguraMm > folha.AlturaMm ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QPageLayout atual = device.pageLayout();
    if (atual.pageSize().isEquivalentTo(tamanho) && atual.orientation() == orientacao) return true;
    return device.setPageSize(tamanho) && device.setPageOrientation(orientacao);
}

// Opens the sheet of the next page: the first one starts the job, later ones a new page. A device
// that will not change the sheet in the middle of a job gets a new job on that sheet.
void AbrirFolha(QPainter& painter, QPagedPaintDevice& device, const TRLFolha& folha, int feitas) {
    if (feitas > 0 && AplicarFolha(device, folha)) {
        if (!device.newPage())
            throw ERLDispositivoRecusou(
                "o dispositivo recusou uma nova página depois de " + std::to_string(feitas) + " páginas",
                feitas);
        return;
    }
    if (painter.isActive()) painter.end();
    AplicarFolha(device, folha);  // refused before the job starts: the device's own sheet it is
    if (!painter.begin(&device)) throw ERLDispositivoRecusou("o trabalho não pôde ser iniciado", feitas);
}

}  // namespace

TRLPedidoSaida TodasAsPaginas(const TRLGraphicStorage& store) {
    TRLPedidoSaida pedido;
    for (int i = 1; i <= store.Count(); ++i) pedido.Paginas.push_back(i);
    return pedido;
}

TRLGeometriaImpressora GeometriaDoDispositivo(const QPagedPaintDevice& device) {
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    if (dpiX <= 0 || dpiY <= 0) return TRLGeometriaImpressora::Padrao();
    const QPageLayout layout = device.pageLayout();
    const QRect papelX = layout.fullRectPixels(dpiX);
    const QRect papelY = layout.fullRectPixels(dpiY);
    if (papelX.isEmpty() || papelY.isEmpty()) return TRLGeometriaImpressora::Padrao();
    // The painter's origin is the paint area's corner: the margins, or the sheet's corner on a
    // device that paints the full page.
    const QRect areaX = layout.paintRectPixels(dpiX);
    const QRect areaY = layout.paintRectPixels(dpiY);
    // A sheet as large as a damaged page asks spans the whole int range: QRect's width() would overflow.
    const auto extensao = [](int primeiro, int ultimo) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{ultimo} - primeiro + 1, 0, INT32_MAX));
    };
    return {dpiX,
            dpiY,
            areaX.left() - papelX.left(),
            areaY.top() - papelY.top(),
            extensao(papelX.left(), papelX.right()),
            extensao(papelY.top(), papelY.bottom())};
}

TRLResultadoSaida DesenharPaginas(const TRLGraphicStorage& store, QPagedPaintDevice& device,
                                  const TRLPedidoSaida& pedido, TRLProgress& progress) {
    const int copias = std::clamp(pedido.Copias, 0, MaximoCopias);
    const int passos = pedido.Passos >= 0 ? pedido.Passos : static_cast<int>(pedido.Paginas.size()) * copias;
    const TRLProgressoAberto aberto(progress, LSTexto(TextoRL::SalvandoRelatorio), passos);
    const TRLPapel papel = PapelDoArmazem(store.Macros());
    TRLResultadoSaida r;
    QPainter painter;
    TRLPagePainter desenhista;
    for (int copia = 0; copia < copias; ++copia) {
        for (const int numero : pedido.Paginas) {
            const auto pagina = store.Page(numero - 1);
            AbrirFolha(painter, device, FolhaDaPagina(papel, pagina->Width(), pagina->Height()), r.Folhas);
            progress.DefinirPasso(PassoDaPagina(numero));
            const TRLAlvo alvo =
                AlvoDaPagina(pagina->Width(), pagina->Height(), GeometriaDoDispositivo(device));
            desenhista.Desenhar(*pagina, store.Macros(), painter,
                                QRectF(alvo.X, alvo.Y, alvo.Largura, alvo.Altura));
            ++r.Folhas;
            progress.Avancar();
            if (progress.Cancelado()) {
                r.Cancelada = true;
                break;
            }
        }
    }
    if (painter.isActive()) painter.end();
    return r;
}

TRLResultadoSaida GravarPdf(const TRLGraphicStorage& store, QIODevice& destino, const TRLPedidoSaida& pedido,
                            TRLProgress& progress) {
    TRLDispositivoPdf pdf(destino);
    pdf.DefinirCriador("Luvenor");
    pdf.DefinirTitulo(store.Macros().Value("Title"));
    const TRLResultadoSaida r = DesenharPaginas(store, pdf, pedido, progress);
    const std::string erro = pdf.Concluir();
    if (!erro.empty()) throw ERLDispositivoRecusou("o PDF não pôde ser gravado: " + erro, r.Folhas);
    return r;
}

TRLResultadoSaida GravarPdfQt(const TRLGraphicStorage& store, QIODevice& destino,
                              const TRLPedidoSaida& pedido, TRLProgress& progress) {
    QPdfWriter pdf(&destino);
    pdf.setCreator(QStringLiteral("Luvenor"));
    pdf.setTitle(ParaQString(store.Macros().Value("Title")));
    // The paper comes page by page from the loop; a PDF page has no unprintable edge.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    return DesenharPaginas(store, pdf, pedido, progress);
}

std::runtime_error ErroAoGravar(const std::string& arquivo, const std::string& motivo) {
    return std::runtime_error("Não foi possível gravar " + arquivo + ": " + motivo);
}

}  // namespace luvenor
