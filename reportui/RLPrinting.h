#pragma once
// Printing prepared pages on a QPrinter: the engine makes the copies itself (collated), sets the
// paper from the store, maps design pixels onto the paper's corner and shows its progress.
#include "report/RLPrintPages.h"
#include "report/RLProgress.h"

#include <QString>

class QPrinter;

namespace luvenor {

// Printer settings kept for the program run; the print dialog starts from them.
struct TRLConfigImpressao {
    QString Impressora;  // empty: the system's default
    int Copias = 1;
    bool Duplex = false;
    TRLParImpar ParImpar = TRLParImpar::Todas;
};
TRLConfigImpressao& ConfiguracaoImpressao();

// The printer's resolution and the printable area's offsets; the assumed 300 dpi geometry when
// the printer does not tell.
TRLGeometriaImpressora GeometriaDa(QPrinter& printer);

// Prints pages pedido.De to pedido.Ate of `paginas` on `printer`. The copies are the printer's copy
// count (pedido.Copias is not used), and the printer is left asking for one copy. Returns the
// number of sheets drawn. Throws std::runtime_error when the job cannot start; a cancel in
// `progresso` ends the current copy after its page.
int ImprimirPaginas(const TRLGraphicStorage& paginas, QPrinter& printer, const TRLPedidoImpressao& pedido,
                    TRLProgress& progresso);

}  // namespace luvenor
