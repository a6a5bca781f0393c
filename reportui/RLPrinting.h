#pragma once
// Printing prepared pages on a QPrinter: the engine makes the copies itself (collated), gives the
// job its title and draws through the paged output, which takes each page's sheet from the store,
// puts the page's corner on the paper's and shows the progress.
#include "report/RLPrintPages.h"
#include "report/RLProgress.h"

#include <QString>

class QPrinter;

namespace luvenor {

// Printer settings kept for the program run; the print dialog starts from them.
struct TRLConfigImpressao {
    QString Impressora;  // empty: the system's default
    bool ImprimirEmPdf = false;
    QString ArquivoPdf;  // the last PDF file printed to: its folder is offered again
    int Copias = 1;
    bool Duplex = false;
    TRLParImpar ParImpar = TRLParImpar::Todas;
};
TRLConfigImpressao& ConfiguracaoImpressao();

// Prints pages pedido.De to pedido.Ate of `paginas` on `printer`. The copies are the printer's copy
// count (pedido.Copias is not used), and the printer is left asking for one copy. Returns the
// number of sheets drawn. Throws std::runtime_error naming the printer or the PDF file ("A impressão
// não pôde ser iniciada na impressora ...") when the job cannot start or the device stops taking
// pages; a cancel in
// `progresso` ends the current copy after its page.
int ImprimirPaginas(const TRLGraphicStorage& paginas, QPrinter& printer, const TRLPedidoImpressao& pedido,
                    TRLProgress& progresso);

}  // namespace luvenor
