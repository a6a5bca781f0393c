// The items: the unbroken run of det elements, each with its product data and lot group.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {
namespace {

constexpr int TamanhoNcm = 8;

// The unit as the DANFE prints it: at most three characters, a-z made capital.
std::string UnidadeMedida(std::string_view bruta) {
    std::string unidade = Esquerda(bruta, 3);
    for (char& c : unidade) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return unidade;
}

}  // namespace

void LeitorNFe::LerItens(NoXml infNFe) {
    NoXml det = Exigir(infNFe, "det");
    while (det) {
        DefinirPasso("Atributo nItem não encontrado.");
        std::optional<std::string> nItem = det.Atributo("nItem");
        if (!nItem) throw FaltaObrigatoria();
        // A det without prod adds no item; the run goes on with the next det.
        if (NoXml prod = Buscar(det, "prod")) LerItem(det, prod, LimparTexto(*nItem));
        det = det.Proximo();
        if (!det.Chamado("det")) break;
    }
}

void LeitorNFe::LerItem(NoXml det, NoXml prod, const std::string& nItem) {
    TItemNF& item = *nf_.ItensNF.Add();
    DefinirPasso("Atributo nItem com valor inválido.");
    item.SeqItem = ConverterInteiro(nItem);
    LerProduto(prod, item);
    LerRastro(prod, item);
    LerImpostos(det, item);
    LerInfAdProd(det, item);
    item.DescrOrig = item.Descricao;
}

void LeitorNFe::LerInfAdProd(NoXml det, TItemNF& item) {
    // The item's additional text goes on a line of its own below the product name, with the
    // line break the free texts of the invoice use.
    NoXml infAdProd = det.Filho("infAdProd");
    if (!infAdProd) return;
    const std::string texto = ConverterTexto(infAdProd);
    if (!Vazio(texto)) item.Descricao += '\r' + texto;
}

void LeitorNFe::LerProduto(NoXml prod, TItemNF& item) {
    if (NoXml cProd = Buscar(prod, "cProd")) {
        item.CodItem = ConverterTexto(cProd);
        item.CodProd = item.CodItem;
    }
    LerTexto(prod, "cEAN", item.CodEAN);
    LerTexto(prod, "xProd", item.Descricao);
    if (NoXml ncm = Buscar(prod, "NCM")) {
        std::string texto = ConverterTexto(ncm);
        if (ContarCaracteres(TirarEspacos(texto)) == TamanhoNcm) item.CodNcm = texto;
    }
    item.CFCompleta = item.CodNcm;
    LerTexto(prod, "NVE", item.CodNve);
    LerTexto(prod, "CEST", item.CodCest);
    LerTexto(prod, "EXTIPI", item.ExTipi);
    LerTexto(prod, "CFOP", item.Cfop);
    if (NoXml uCom = Buscar(prod, "uCom")) {
        std::string unidade = UnidadeMedida(uCom.Texto());
        if (!Vazio(unidade)) item.UnidMed = unidade;
    }
    LerDecimal(prod, "qCom", item.Qtde);
    LerDecimal(prod, "vUnCom", item.VlrUnit);
    LerDecimal(prod, "vProd", item.VlrItem);
    LerTexto(prod, "cEANTrib", item.CodEANTrib);
    LerDecimal(prod, "vFrete", item.VlrFrete);
    LerDecimal(prod, "vSeg", item.VlrSeguro);
    LerDecimal(prod, "vDesc", item.VlrDesc);
    LerDecimal(prod, "vOutro", item.VlrOutro);
    LerTexto(prod, "indTot", item.IndTot);
    LerTextoBruto(prod, "xPed", item.NumPedImp);
    if (NoXml nItemPed = Buscar(prod, "nItemPed")) item.ItemPedImp = ConverterInteiro(nItemPed.Texto());
    try {
        LerTextoBruto(prod, "nFCI", item.NumFCI);
    } catch (...) {
    }
}

void LeitorNFe::LerRastro(NoXml prod, TItemNF& item) {
    // A broken lot group ends only the lot group; the item goes on with its taxes.
    try {
        NoXml rastro = Buscar(prod, "rastro");
        if (!rastro) return;
        LerTextoBruto(rastro, "nLote", item.NumLote);
        LerDecimalBruto(rastro, "qLote", item.QtdLote);
        if (NoXml dFab = Buscar(rastro, "dFab")) item.DataFabr = ConverterData(dFab.Texto());
        if (NoXml dVal = Buscar(rastro, "dVal")) item.DataValid = ConverterData(dVal.Texto());
    } catch (...) {
    }
}

}  // namespace luvenor
