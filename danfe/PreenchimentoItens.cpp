// The item rows, the ISSQN box and the additional information.
#include "danfe/FormatosDanfe.h"
#include "danfe/TFrtDanfe.h"

#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "util/UMascara.h"
#include "util/UNumber.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {
namespace {

constexpr int CaracteresPrimeiraLinhaCodigo = 15;

struct Aviso {
    std::string linha;    // first line of the additional information
    std::string palavra;  // the big status word
};

// Homologation first: nothing printed from it has fiscal value, whatever else holds. Then a read
// that stopped early, which must never pass for a whole DANFE, then the invoice's state.
Aviso AvisoDaSituacao(const TNotaFiscal& nf) {
    if (nf.tpAmb == "2") return {"SEM VALOR FISCAL", "SEM VALOR FISCAL"};
    if (nf.SemProtocolo) return {"NF-E SEM PROTOCOLO DE AUTORIZAÇÃO", "SEM VALOR FISCAL"};
    if (!nf.LeituraInterrompida.empty()) return {"DANFE INCOMPLETO: " + nf.LeituraInterrompida, "INCOMPLETO"};
    if (nf.Status == "C") return {"NOTA FISCAL CANCELADA", "CANCELADA"};
    if (nf.Status == "D") return {"NF-E DENEGADA", "DENEGADA"};
    return {};
}

}  // namespace

void TFrtDanfe::RLBand1BeforePrint(TRLCustomControl&, bool&) {
    if (!NotaFiscalDanfe) return;
    const TColeItemNF& itens = NotaFiscalDanfe->ItensNF;
    const int posicao = CdsItens.AsInteger("POSICAO");
    if (posicao < 0 || posicao >= itens.Count()) return;
    const TItemNF& item = itens[posicao];

    // A long code goes on over the next lines, never cut at the column's edges.
    const std::string codigo = TirarEspacos(item.CodProd);
    const size_t corte = OffsetDoCaractere(codigo, CaracteresPrimeiraLinhaCodigo);
    std::vector<std::string> linhasCodigo{codigo.substr(0, corte)};
    if (corte < codigo.size()) linhasCodigo.push_back(TextoQueODanfeMostra(codigo.substr(corte)));
    LinhasDoMemo("labCodProd", linhasCodigo);

    std::vector<std::string> descricao{TextoQueODanfeMostra(TirarEspacos(item.DescrOrig))};
    if (!Vazio(item.MsgTrib)) descricao.push_back(TextoQueODanfeMostra(item.MsgTrib));
    LinhasDoMemo("labProdutos3d", descricao);

    Legenda("labUnidMed", item.UnidMed);
    const std::string cfop = MascaraCfop(item.Cfop);
    Legenda("labCfop", Paisagem() ? cfop : TirarEspacos(cfop));
    Legenda("labClasFisc", MascaraNcm(item.CodNcm));
    Legenda("labCST", item.OrigMerc + (Vazio(item.CodCsosn) ? item.CstIcms : item.CodCsosn));

    // A complementary invoice lists its items without values.
    const bool semValores = NotaFiscalDanfe->Complementar;
    Legenda("labQtde", Quantidade(item.Qtde));
    Legenda("labVlrUnit", ValorUnitario(semValores ? 0 : item.VlrUnit));
    Legenda("labVlrItem", Valor(semValores ? 0 : item.VlrItem));

    const bool temIcms = Arredondar(2, item.VlrIcms) != 0;
    Legenda("labBaseIcms", Valor(temIcms ? item.BaseIcms : 0));
    Legenda("labAliqIcms", Aliquota(temIcms ? item.AliqIcms : 0));
    Legenda("labVlrIcms", Valor(temIcms ? item.VlrIcms : 0));

    const bool semIpi = NotaFiscalDanfe->RemeRetoDevol;
    Legenda("labVlrIpi", Valor(semIpi ? 0 : item.VlrIpi));
    Legenda("labAliqIpi", Aliquota(semIpi ? 0 : item.AliqIpi));
}

void TFrtDanfe::PreencherISSQN() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    EscreverLegendasFixas("bandISSQN");
    Legenda("labISSQN5", nf.TotServ > 0 ? Valor(nf.TotServ) : std::string());
    Legenda("labISSQN7", nf.TotIss > 0 ? Valor(nf.BaseIss) : std::string());
    Legenda("labISSQN9", nf.TotIss > 0 ? Valor(nf.TotIss) : std::string());
}

void TFrtDanfe::PreencherAdicionais() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    EscreverLegendasFixas("bandAdicionais");
    const auto [aviso, palavra] = AvisoDaSituacao(nf);
    Legenda("labAdicionais4", palavra);
    std::vector<std::string> linhas;
    if (!aviso.empty()) linhas.push_back(aviso);
    linhas.push_back(TextoQueODanfeMostra(nf.ObservOrig));
    linhas.push_back(TextoQueODanfeMostra(nf.MsgTrib));
    LinhasDoMemo("labAdicionais3", linhas);
}

}  // namespace luvenor
