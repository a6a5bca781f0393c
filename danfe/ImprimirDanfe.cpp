#include "danfe/ImprimirDanfe.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/FormatosDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "util/Notificador.h"
#include "util/Utf8.h"

namespace luvenor {

void ImprimirDanfe(TXmlNFe& leitor, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce) {
    if (leitor.NotaFiscal) ImprimirDanfe(*leitor.NotaFiscal, UsarLogoPadrao, visualizar, formatoNfce);
}

namespace {

// Once per DANFE, not once per sheet that the filling pass runs for.
void AvisarCortes(const TNotaFiscal& nf) {
    for (const std::string* texto : {&nf.ObservOrig, &nf.MsgTrib})
        if (texto->size() > MaximoCaracteresTextoDanfe &&
            static_cast<size_t>(ContarCaracteres(*texto)) > MaximoCaracteresTextoDanfe)
            Notificar("As informações complementares têm " + std::to_string(ContarCaracteres(*texto)) +
                      " caracteres: o DANFE mostra os primeiros " +
                      std::to_string(MaximoCaracteresTextoDanfe) + ".");
    if (nf.DuplsNF.Count() > MaximoParcelasDanfe)
        Notificar("A fatura tem " + std::to_string(nf.DuplsNF.Count()) +
                  " parcelas: o DANFE mostra as primeiras " + std::to_string(MaximoParcelasDanfe) + ".");
}

}  // namespace

void ImprimirDanfe(TNotaFiscal& nf, bool UsarLogoPadrao, const VisualizarDanfe& visualizar,
                   FormatoNfce formatoNfce) {
    if (nf.NumLcto < 1) return;
    AvisarCortes(nf);
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
