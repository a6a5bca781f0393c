#pragma once
// The one loop that puts prepared pages on a paged device (a PDF writer, a printer): the pages
// chosen, each page's sheet from the store (per page, so pages of another size keep theirs), the
// mapping of design pixels onto the sheet's corner, the progress and one cancel rule. PDF export,
// printing and the clipboard's vector picture all go through it.
#include "report/RLGraphics.h"
#include "report/RLPrintPages.h"
#include "report/RLProgress.h"

#include <stdexcept>
#include <string>
#include <vector>

class QIODevice;
class QPagedPaintDevice;

namespace luvenor {

struct TRLPedidoSaida {
    std::vector<int> Paginas;  // 1-based page numbers of one copy, in drawing order
    int Copias = 1;            // the whole list that many times in a row (collated)
    int Passos = -1;           // the progress bar's steps; negative: one per page drawn
};
// Every page of the store, once.
TRLPedidoSaida TodasAsPaginas(const TRLGraphicStorage& store);

struct TRLResultadoSaida {
    int Folhas = 0;          // pages drawn
    bool Cancelada = false;  // a cancel ended a copy early
};

// The device would not start (FolhasFeitas 0) or would not take one more page.
class ERLDispositivoRecusou : public std::runtime_error {
public:
    ERLDispositivoRecusou(const std::string& motivo, int folhasFeitas)
        : std::runtime_error(motivo), FolhasFeitas(folhasFeitas) {}
    int FolhasFeitas;
};

// What the engine knows of the device's page: its resolution and the offsets of the area the
// painter's origin sits at; the assumed printer geometry when the device does not tell.
TRLGeometriaImpressora GeometriaDoDispositivo(const QPagedPaintDevice& device);

// Draws the asked pages on `device`, each on its sheet (FolhaDaPagina) with its top-left corner on
// the sheet's corner and design pixels scaled by the device's resolution, nothing stretched. The
// progress opens with text 1 and steps once a page; after each page a cancel ends the copy being
// drawn (a further copy starts and stops again after its first page). A sheet a device refuses
// mid-job ends that job and starts another. Nothing is started when there is nothing to draw.
// Throws ERLDispositivoRecusou; the device's own errors show as its result.
TRLResultadoSaida DesenharPaginas(const TRLGraphicStorage& store, QPagedPaintDevice& device,
                                  const TRLPedidoSaida& pedido, TRLProgress& progress);

// The asked pages as a PDF written to `destino` (open for writing), titled with the store's title.
// Drawn by cairo (TRLDispositivoPdf); a write the destination refuses throws ERLDispositivoRecusou.
TRLResultadoSaida GravarPdf(const TRLGraphicStorage& store, QIODevice& destino, const TRLPedidoSaida& pedido,
                            TRLProgress& progress);
// The same through Qt's own PDF writer, the engine printing to a PDF file uses: the reference the
// cairo output is compared with.
TRLResultadoSaida GravarPdfQt(const TRLGraphicStorage& store, QIODevice& destino,
                              const TRLPedidoSaida& pedido, TRLProgress& progress);

// "Não foi possível gravar ARQUIVO: motivo": the one wording of a file that could not be written.
std::runtime_error ErroAoGravar(const std::string& arquivo, const std::string& motivo);

}  // namespace luvenor
