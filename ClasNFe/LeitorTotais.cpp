// After the items: totals of goods and services, transport with the carrier, the vehicle and the
// first volume, the instalments and the additional information with the viewer's credit line.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"
#include "ClasNFe/TXmlNFe.h"
#include "util/UDatas.h"
#include "util/UString.h"

namespace luvenor {

void LeitorNFe::LerTotais(NoXml infNFe) {
    NoXml total = Exigir(infNFe, "total");
    LerTotaisIcms(total);
    LerTotaisIssqn(total);
}

void LeitorNFe::LerTotaisIcms(NoXml total) {
    NoXml icmsTot = Buscar(total, "ICMSTot");
    if (!icmsTot) return;
    LerDecimalEstrito(icmsTot, "vBC", nf_.BaseIcms);
    LerDecimalEstrito(icmsTot, "vICMS", nf_.TotIcms);
    LerDecimalEstrito(icmsTot, "vICMSDeson", nf_.TotIcmsDeson);
    LerDecimalEstrito(icmsTot, "vFCP", nf_.TotFCP);
    LerDecimalEstrito(icmsTot, "vBCST", nf_.BaseIcmsST);
    LerDecimalEstrito(icmsTot, "vST", nf_.TotIcmsST);
    LerDecimalEstrito(icmsTot, "vFCPST", nf_.TotFCPST);
    LerDecimalEstrito(icmsTot, "vFCPSTRet", nf_.TotFCPSTRet);
    LerDecimalEstrito(icmsTot, "vProd", nf_.TotItem);
    LerDecimalEstrito(icmsTot, "vFrete", nf_.TotFrete);
    LerDecimalEstrito(icmsTot, "vSeg", nf_.TotSeguro);
    LerDecimalEstrito(icmsTot, "vDesc", nf_.TotDesc);
    LerDecimalEstrito(icmsTot, "vII", nf_.TotIImp);
    LerDecimalEstrito(icmsTot, "vIPI", nf_.TotIpi);
    LerDecimalEstrito(icmsTot, "vIPIDevol", nf_.TotIpiDevol);
    LerDecimalEstrito(icmsTot, "vPIS", nf_.TotPis);
    LerDecimalEstrito(icmsTot, "vCOFINS", nf_.TotCofins);
    LerDecimalEstrito(icmsTot, "vOutro", nf_.TotOutros);
    LerDecimalEstrito(icmsTot, "vNF", nf_.TotNota);
    LerDecimalEstrito(icmsTot, "vTotTrib", nf_.TotTrib);
}

void LeitorNFe::LerTotaisIssqn(NoXml total) {
    // The services of an invoice that also bills services (the ISSQN box of the DANFE).
    NoXml issqnTot = Buscar(total, "ISSQNtot");
    if (!issqnTot) return;
    LerDecimalEstrito(issqnTot, "vServ", nf_.TotServ);
    LerDecimalEstrito(issqnTot, "vBC", nf_.BaseIss);
    LerDecimalEstrito(issqnTot, "vISS", nf_.TotIss);
    LerDecimalEstrito(issqnTot, "vPIS", nf_.TotPisServ);
    LerDecimalEstrito(issqnTot, "vCOFINS", nf_.TotCofinsServ);
    LerDecimalEstrito(issqnTot, "vDescIncond", nf_.DescIncond);
    LerDecimalEstrito(issqnTot, "vDescCond", nf_.DescCondic);
    LerDecimalEstrito(issqnTot, "vISSRet", nf_.TotIssRet);
}

void LeitorNFe::LerTransporte(NoXml infNFe) {
    NoXml transp = Exigir(infNFe, "transp");
    LerTexto(transp, "modFrete", nf_.IndFrete);
    LerTransportadora(transp);
    LerVeiculo(transp);
    LerVolume(transp);
}

void LeitorNFe::LerVeiculo(NoXml transp) {
    NoXml veiculo = Buscar(transp, "veicTransp");
    if (!veiculo) return;
    LerTexto(veiculo, "placa", nf_.PlacaVeic);
    LerTexto(veiculo, "UF", nf_.EstadoVeic);
    LerTexto(veiculo, "RNTC", nf_.RntcVeic);
}

void LeitorNFe::LerVolume(NoXml transp) {
    // Only the first volume is kept; a weight that is not a number fails under the vol step.
    NoXml vol = Buscar(transp, "vol");
    if (!vol) return;
    auto texto = [&](std::string_view nome, std::string& destino) {
        if (NoXml no = vol.Filho(nome)) destino = ConverterTexto(no);
    };
    texto("qVol", nf_.Quantidade);
    nf_.Quantidade = ConverterTextoNumerico(nf_.Quantidade, "qVol");
    texto("esp", nf_.EspecieEmb);
    texto("marca", nf_.MarcaEmb);
    texto("nVol", nf_.NumeroEmb);
    if (NoXml pesoL = vol.Filho("pesoL")) nf_.PesoLiquido = ConverterDecimalEstrito(ConverterTexto(pesoL));
    if (NoXml pesoB = vol.Filho("pesoB")) nf_.PesoBruto = ConverterDecimalEstrito(ConverterTexto(pesoB));
}

void LeitorNFe::LerCobranca(NoXml infNFe) {
    NoXml cobr = Buscar(infNFe, "cobr");
    for (NoXml dup = cobr.Filho("dup"); dup; dup = dup.Proximo()) {
        if (!dup.Chamado("dup")) break;
        LerDuplicata(dup);
    }
}

void LeitorNFe::LerDuplicata(NoXml dup) {
    TDuplicata& duplicata = *nf_.DuplsNF.Add();
    LerTexto(dup, "nDup", duplicata.NumDupl);
    if (NoXml dVenc = Buscar(dup, "dVenc"))
        duplicata.DtVencto = TextoParaData(RetirarTexto(ConverterTexto(dVenc), U'-'));
    if (NoXml vDup = Buscar(dup, "vDup")) {
        duplicata.VlrDupl = ConverterDecimal(ConverterTexto(vDup), "vDup");
        duplicata.VlrLiq = duplicata.VlrDupl;
    }
}

void LeitorNFe::LerInfAdicionais(NoXml infNFe, bool incluirMsgVisualizador) {
    std::string observacao;
    if (NoXml infAdic = Buscar(infNFe, "infAdic")) {
        if (NoXml fisco = Buscar(infAdic, "infAdFisco")) {
            nf_.infAdFisco = ConverterTextoLivre(fisco);
            observacao = nf_.infAdFisco;
        }
        if (NoXml cpl = Buscar(infAdic, "infCpl")) {
            nf_.infCpl = ConverterTextoLivre(cpl);
            observacao = (Vazio(observacao) ? std::string() : TirarEspacos(observacao) + '\r') + nf_.infCpl;
        }
    }
    if (incluirMsgVisualizador) observacao = std::string(LinhaCreditoVisualizador) + "\r\r" + observacao;
    nf_.Observacao = observacao;
    nf_.ObservOrig = observacao;
}

}  // namespace luvenor
