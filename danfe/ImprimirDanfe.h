#pragma once
// The DANFE print request: picks the form by model and tpImp, hands the form the invoice, appends the
// master record and asks the caller's preview to show the report. The preview is handed in so
// that the reader stays free of the report forms: the windows show a preview window, the
// command-line tool prepares the pages and exports them.
#include "ClasNFe/TXmlNFe.h"
#include "danfe/FormatoNfce.h"

#include <functional>

namespace luvenor {

class TFrtDanfe;

// Shows the form's report (RLReport1): prepares its pages and keeps the form alive until done.
using VisualizarDanfe = std::function<void(TFrtDanfe& formulario)>;

// Does nothing when the reader's invoice has NumLcto < 1. The form lives only for the call; an
// error of any step reaches the caller after the form is freed. A consumer invoice prints its
// DANFE NFC-e on `formatoNfce`.
void ImprimirDanfe(TXmlNFe& leitor, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce = FormatoNfce::Bobina80);
void ImprimirDanfe(TNotaFiscal& nf, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce = FormatoNfce::Bobina80);

}  // namespace luvenor
