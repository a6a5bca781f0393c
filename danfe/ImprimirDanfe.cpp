#include "danfe/ImprimirDanfe.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/TFrtDanfe.h"

namespace luvenor {

void ImprimirDanfe(TXmlNFe& leitor, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce) {
    if (leitor.NotaFiscal) ImprimirDanfe(*leitor.NotaFiscal, UsarLogoPadrao, visualizar, formatoNfce);
}

void ImprimirDanfe(TNotaFiscal& nf, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce) {
    if (nf.NumLcto < 1) return;
    std::unique_ptr<TFrtDanfe> formulario = CriarFormularioDanfe(nf, formatoNfce);
    formulario->UsarLogoPadrao = UsarLogoPadrao;
    formulario->NotaFiscalDanfe = &nf;
    TRLDataTable& mestre = formulario->CdsTempor;
    mestre.Append();
    mestre.SetString("TIPOLCTO", nf.TipoLcto);
    mestre.SetInteger("ANO", nf.AnoLcto);
    mestre.SetInteger("INCREMENTAL", nf.IncrLcto);
    mestre.Post();
    if (visualizar) visualizar(*formulario);
}

}  // namespace luvenor
