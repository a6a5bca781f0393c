// The filling pass, middle of the DANFE: pick-up and delivery places, instalments, tax totals,
// carrier and volumes.
#include "danfe/FormatosDanfe.h"
#include "danfe/TFrtDanfe.h"

#include "report/RLMemo.h"
#include "util/UDatas.h"
#include "util/UMascara.h"
#include "util/UString.h"

#include <algorithm>

namespace luvenor {
namespace {

std::string TextoDasParcelas(const TColeDuplicata& parcelas) {
    std::string texto;
    for (int i = 0; i < std::min(parcelas.Count(), MaximoParcelasDanfe); ++i) {
        const TDuplicata& d = parcelas[i];
        if (!texto.empty()) texto += " / ";
        texto += TirarEspacos(d.NumDupl);
        if (d.Quitada)
            texto += " - Quitada";
        else
            texto += " - Vencimento: " + DataParaTexto(d.DtVencto);
        texto += " - Valor: " + Valor(d.VlrDupl);
    }
    return texto;
}

}  // namespace

void TFrtDanfe::PreencherLocal(const char* prefixo, const char* banda, std::string_view papel,
                               const std::string& cnpj) {
    EscreverLegendasFixas(banda);
    const std::string p = prefixo;
    if (!TemLocal(papel, cnpj)) {
        for (int n = 3; n <= 19; n += 2) Legenda(p + std::to_string(n), "");
        return;
    }
    // By its role: a delivery place under the recipient's tax number has an address of its own.
    const TParticipante& local = ParticipanteOuVazio(NotaFiscalDanfe->Participantes, papel, cnpj);
    Legenda(p + "3", Maiusculas(TirarEspacos(local.Razao)));
    Legenda(p + "5", MascaraCnpjCpf(local.Cnpj));
    Legenda(p + "7", Maiusculas(LinhaRua(local)));
    Legenda(p + "9", Maiusculas(TirarEspacos(local.Bairro)));
    Legenda(p + "11", MascaraCep(local.Cep));
    Legenda(p + "13", Maiusculas(TirarEspacos(local.Cidade)));
    Legenda(p + "15", FoneFax(local));
    Legenda(p + "17", Maiusculas(TirarEspacos(local.Estado)));
    Legenda(p + "19", TirarEspacos(local.InscrEst));
}

void TFrtDanfe::PreencherFatura() {
    EscreverLegendasFixas(Paisagem() ? "bandFatura" : "bandFatura1");
    LinhasDoMemo("labFatura2", {TextoDasParcelas(NotaFiscalDanfe->DuplsNF)});
}

void TFrtDanfe::PreencherImpostos() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    EscreverLegendasFixas("bandImposto");
    Legenda("labImposto3", Valor(nf.TotIcms > 0 ? nf.BaseIcms : 0));
    Legenda("labImposto5", Valor(nf.TotIcms));
    Legenda("labImposto7", Valor(nf.TotIcmsST > 0 ? nf.BaseIcmsST : 0));
    Legenda("labImposto9", Valor(nf.TotIcmsST));
    Legenda("labImposto11", Valor(nf.TotItem));
    Legenda("labImposto13", Valor(nf.TotFrete));
    Legenda("labImposto15", Valor(nf.TotSeguro));
    Legenda("labImposto17", Valor(nf.TotDesc));
    Legenda("labImposto19", Valor(nf.TotOutros));
    Legenda("labImposto21", Valor(nf.TotIpi));
    Legenda("labImposto23", Valor(nf.TotNota));
}

void TFrtDanfe::PreencherTransporte() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    EscreverLegendasFixas("bandTransporte");
    // Whatever the XML says of the carrier is printed, also a carrier named without a tax number
    // ("Cliente Retira"); the freight payer whenever the invoice gives its code.
    const TParticipante& t = ParticipanteOuVazio(nf.Participantes, PapelTransportadora, nf.CnpjTransp);
    Legenda("labTransporte3", Maiusculas(TirarEspacos(t.Razao)));
    Legenda("labTransporte5", Vazio(nf.IndFrete) ? std::string() : DescrPagadorFrete(nf.IndFrete));
    Legenda("labTransporte7", TirarEspacos(nf.RntcVeic));
    Legenda("labTransporte9", MascaraPlaca(nf.PlacaVeic));
    Legenda("labTransporte11", Maiusculas(TirarEspacos(nf.EstadoVeic)));
    Legenda("labTransporte13", MascaraCnpjCpf(t.Cnpj));
    Legenda("labTransporte15", Maiusculas(LinhaRua(t)));
    Legenda("labTransporte17", Maiusculas(TirarEspacos(t.Cidade)));
    Legenda("labTransporte19", Maiusculas(TirarEspacos(t.Estado)));
    Legenda("labTransporte21", Maiusculas(TirarEspacos(t.InscrEst)));
    Legenda("labTransporte23", TirarEspacos(nf.Quantidade));
    Legenda("labTransporte25", TirarEspacos(nf.EspecieEmb));
    Legenda("labTransporte27", TirarEspacos(nf.MarcaEmb));
    Legenda("labTransporte29", TirarEspacos(nf.NumeroEmb));
    Legenda("labTransporte31", Peso(nf.PesoBruto));
    Legenda("labTransporte33", Peso(nf.PesoLiquido));
}

}  // namespace luvenor
