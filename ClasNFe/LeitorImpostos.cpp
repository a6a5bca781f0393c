// The taxes of one item: the ICMS, IPI, PIS and COFINS groups chosen by name, II and ISSQN.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"

namespace luvenor {
namespace {

bool ComecaCom(std::string_view nome, std::string_view prefixo) {
    return nome.substr(0, prefixo.size()) == prefixo;
}

// The group inside ICMS, PIS or COFINS: its first child, when named after the tax.
NoXml GrupoDoImposto(NoXml imposto, std::string_view prefixo) {
    NoXml grupo = imposto.PrimeiroFilho();
    return ComecaCom(grupo.Nome(), prefixo) ? grupo : NoXml();
}

}  // namespace

void LeitorNFe::LerImpostos(NoXml det, TItemNF& item) {
    NoXml imposto = Buscar(det, "imposto");
    if (!imposto) return;
    LerDecimal(imposto, "vTotTrib", item.VlrTrib);
    LerIcms(imposto, item);
    LerIpi(imposto, item);
    if (NoXml ii = Buscar(imposto, "II")) LerDecimal(ii, "vII", item.VlrImpImport);
    LerIssqn(imposto, item);
    LerPisCofins(imposto, item);
}

void LeitorNFe::LerIcms(NoXml imposto, TItemNF& item) {
    NoXml icms = Buscar(imposto, "ICMS");
    NoXml grupo = GrupoDoImposto(icms, "ICMS");
    if (!grupo) return;
    // ICMSSN101, ICMSSN900...: the Simples Nacional groups.
    LerGrupoIcms(grupo, grupo.Nome().substr(4, 2) == "SN", item);
}

void LeitorNFe::LerGrupoIcms(NoXml grupo, bool simples, TItemNF& item) {
    NoXml orig = Buscar(grupo, "orig");
    if (orig)
        item.OrigMerc = ConverterTexto(orig);
    else if (!simples)
        return;
    if (simples) {
        LerTexto(grupo, "CSOSN", item.CodCsosn);
    } else {
        LerTexto(grupo, "CST", item.CstIcms);
        LerDecimal(grupo, "vBC", item.BaseIcms);
        LerDecimal(grupo, "pRedBC", item.ReducIcms);
        LerDecimal(grupo, "pICMS", item.AliqIcms);
        LerDecimal(grupo, "vICMS", item.VlrIcms);
    }
    LerDecimal(grupo, "pMVAST", item.PrcMVast);
    LerDecimal(grupo, "pRedBCST", item.ReducIcmsST);
    LerDecimal(grupo, "vBCST", item.BaseIcmsST);
    LerDecimal(grupo, "pICMSST", item.AliqIcmsST);
    LerDecimal(grupo, "vICMSST", item.VlrIcmsST);
    if (simples) {
        LerDecimal(grupo, "pCredSN", item.AliqCredSN);
        LerDecimal(grupo, "vCredICMSSN", item.VlrCredSN);
    }
    LerDecimal(grupo, "vBCSTRet", item.BaseIcmsSTRet);
    LerDecimal(grupo, "vICMSSTRet", item.VlrIcmsSTRet);
    LerDecimalBruto(grupo, "vBCFCP", item.BaseFCP);
    LerDecimalBruto(grupo, "pFCP", item.PrcFCP);
    LerDecimalBruto(grupo, "vFCP", item.VlrFCP);
    LerDecimalBruto(grupo, "vBCFCPST", item.BaseFCPST);
    LerDecimalBruto(grupo, "pFCPST", item.PrcFCPST);
    LerDecimalBruto(grupo, "vFCPST", item.VlrFCPST);
    LerDecimalBruto(grupo, "vBCFCPSTRet", item.BaseFCPSTRet);
    LerDecimalBruto(grupo, "pFCPSTRet", item.PrcFCPSTRet);
    LerDecimalBruto(grupo, "vFCPSTRet", item.VlrFCPSTRet);
    LerDecimalBruto(grupo, "pRedBCEfet", item.PrcReducEfetivo);
    LerDecimalBruto(grupo, "vBCEfet", item.BaseIcmsEfetivo);
    LerDecimalBruto(grupo, "pICMSEfet", item.AliqIcmsEfetivo);
    LerDecimalBruto(grupo, "vICMSEfet", item.VlrIcmsEfetivo);
}

void LeitorNFe::LerIpi(NoXml imposto, TItemNF& item) {
    NoXml ipi = Buscar(imposto, "IPI");
    if (!ipi) return;
    NoXml cEnq = Buscar(ipi, "cEnq");
    if (cEnq) item.CodEnq = cEnq.Texto();
    // The tax group follows cEnq; without cEnq it is the first child.
    NoXml grupo = cEnq ? cEnq.Proximo() : ipi.PrimeiroFilho();
    if (grupo.Chamado("IPITrib")) {
        LerTexto(grupo, "CST", item.CstIpi);
        LerDecimal(grupo, "vBC", item.BaseIpi);
        LerDecimal(grupo, "pIPI", item.AliqIpi);
        LerDecimal(grupo, "vIPI", item.VlrIpi);
    } else if (grupo.Chamado("IPINT")) {
        LerTexto(grupo, "CST", item.CstIpi);
    }
}

void LeitorNFe::LerIssqn(NoXml imposto, TItemNF& item) {
    NoXml issqn = Buscar(imposto, "ISSQN");
    if (!issqn) return;
    LerDecimal(issqn, "vBC", item.BaseIss);
    LerDecimal(issqn, "vAliq", item.AliqIss);
    LerDecimal(issqn, "vISSQN", item.VlrIss);
    LerTexto(issqn, "cListServ", item.CodServ);
    LerTexto(issqn, "cSitTrib", item.CstIss);
}

void LeitorNFe::LerPisCofins(NoXml imposto, TItemNF& item) {
    NoXml pis = Buscar(imposto, "PIS");
    if (NoXml grupo = GrupoDoImposto(pis, "PIS")) {
        LerTexto(grupo, "CST", item.CstPis);
        LerDecimal(grupo, "pPIS", item.AliqPis);
        LerDecimal(grupo, "vPIS", item.VlrPis);
    }
    NoXml cofins = Buscar(imposto, "COFINS");
    if (NoXml grupo = GrupoDoImposto(cofins, "COFINS")) {
        LerTexto(grupo, "CST", item.CstCofins);
        LerDecimal(grupo, "pCOFINS", item.AliqCofins);
        LerDecimal(grupo, "vCOFINS", item.VlrCofins);
    }
}

}  // namespace luvenor
