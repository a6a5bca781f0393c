// A mandatory element removed at each stage of the read: the step message comes back, what was
// read before that step stays, and everything after it keeps its cleared value.
#include "ClasNFe/NFeTeste.h"

#include <functional>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

struct Edicao {
    std::string de;
    std::string para;
};

struct CasoPasso {
    const char* nome;
    std::vector<Edicao> edicoes;
    std::string mensagem;
    std::function<void(const TNotaFiscal&)> verificar;
};

std::string Aplicar(const std::vector<Edicao>& edicoes) {
    std::string xml = Base();
    for (const Edicao& e : edicoes) xml = Trocar(xml, e.de, e.para);
    return xml;
}

// Renames an element (open and close tag), which removes it for the reader.
std::vector<Edicao> Renomear(const std::string& nome) {
    return {{"<" + nome + ">", "<" + nome + "X>"}, {"</" + nome + ">", "</" + nome + "X>"}};
}

std::vector<Edicao> Sem(const std::string& elemento) {
    return {{elemento, ""}};
}

void SoEnvelope(const TNotaFiscal& nf) {
    EXPECT_EQ(nf.MercServ, "M");
    EXPECT_EQ(nf.ChaveNfe, "35190512345678000195550010000012341000012342");
    EXPECT_EQ(nf.CodUF, "");
    EXPECT_EQ(nf.Participantes.Count(), 0);
}

void IdentificacaoLida(const TNotaFiscal& nf) {
    EXPECT_EQ(nf.verProc, "Teste 1.0");
    EXPECT_EQ(nf.Referencias.Count(), 1);
}

void ItensLidos(const TNotaFiscal& nf) {
    EXPECT_EQ(nf.ItensNF.Count(), 3);
    EXPECT_EQ(nf.Participantes.Count(), 2);
}

void NadaDepoisDosItens(const TNotaFiscal& nf) {
    EXPECT_EQ(nf.IndFrete, "");
    EXPECT_EQ(nf.DuplsNF.Count(), 0);
    EXPECT_EQ(nf.Observacao, "");  // not even the credit line
    EXPECT_EQ(nf.ProtocoloNfe, "");
}

// One row per mandatory element, in the order the reader meets them.
const CasoPasso casos[] = {
    {"versao",
     {{"<nfeProc xmlns=\"http://www.portalfiscal.inf.br/nfe\" versao=\"4.00\">",
       "<nfeProc xmlns=\"http://www.portalfiscal.inf.br/nfe\">"}},
     "Lendo propriedade versão da Tag <nfeProc>.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.MercServ, ""); }},
    {"NFe", Renomear("NFe"), "Arquivo não está no formado de distribuição. Tag <NFe> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.MercServ, ""); }},
    {"infNFe",
     {{"<infNFe Id", "<infNFeX Id"}, {"</infNFe>", "</infNFeX>"}},
     "Tag <infNFe> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.MercServ, "M");
         EXPECT_EQ(nf.ChaveNfe, "");
     }},
    {"infNFe_Id",
     {{"Id=\"NFe35190512345678000195550010000012341000012342\" ", ""}},
     "Tag <infNFe> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.ChaveNfe, ""); }},
    {"ide", Renomear("ide"), "Tag <ide> não encontrada.", SoEnvelope},
    {"cUF", Sem("<cUF>35</cUF>"), "Tag <cUF> não encontrada.", SoEnvelope},
    {"cNF", Sem("<cNF>00001234</cNF>"), "Tag <cNF> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.CodUF, "35");
         EXPECT_EQ(nf.cNF, "");
     }},
    {"natOp", Sem("<natOp>VENDA DE MERCADORIA</natOp>"), "Tag <natOp> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.cNF, "00001234"); }},
    {"mod", Sem("<mod>55</mod>"), "Tag <mod> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.Serie, ""); }},
    {"serie", Sem("<serie>1</serie>"), "Tag <serie> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.Modelo, "55");
         EXPECT_EQ(nf.Subserie, "");
     }},
    {"nNF_ausente", Sem("<nNF>1234</nNF>"), "Tag <nNF> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.Serie, "1  "); }},
    {"nNF_nao_numero",
     {{"<nNF>1234</nNF>", "<nNF>12x</nNF>"}},
     "Tag <nNF> com valor inválido.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.NumLcto, 0); }},
    {"dhEmi", Sem("<dhEmi>2019-05-10T14:23:45-03:00</dhEmi>"), "Tag <dhEmi> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.NumLcto, 1234);
         EXPECT_EQ(nf.DtDoc, 0.0);
     }},
    {"dhEmi_invalida",
     {{"2019-05-10T14:23:45", "2019-02-30T14:23:45"}},
     "Tag <dhEmi> com valor inválido.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.DtDoc, 0.0); }},
    {"dhSaiEnt_invalida",
     {{"<tpNF>", "<dhSaiEnt>2019-99-99</dhSaiEnt><tpNF>"}},
     "Tag <dhSaiEnt> com valor inválido.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.DtDoc, Data(2019, 5, 10));
         EXPECT_EQ(nf.DtEmissao, 0.0);
     }},
    {"tpNF", Sem("<tpNF>1</tpNF>"), "Tag <tpNF> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.DtEmissao, Data(2019, 5, 10));
         EXPECT_EQ(nf.HrEmissao, "14:23:45");
         EXPECT_EQ(nf.HrEntSai, "");
     }},
    {"idDest", Sem("<idDest>1</idDest>"), "Tag <idDest> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.tpNF, "1"); }},
    {"cMunFG", Sem("<cMunFG>3550308</cMunFG>"), "Tag <cMunFG> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.IdDest, "1"); }},
    {"tpImp", Sem("<tpImp>1</tpImp>"), "Tag <tpImp> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.CodMun, "3550308"); }},
    {"tpEmis", Sem("<tpEmis>1</tpEmis>"), "Tag <tpEmis> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.tpImp, "1"); }},
    {"cDV", Sem("<cDV>2</cDV>"), "Tag <cDV> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.tpEmis, "1"); }},
    {"tpAmb", Sem("<tpAmb>2</tpAmb>"), "Tag <tpAmb> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.cDV, "2"); }},
    {"finNFe", Sem("<finNFe>1</finNFe>"), "Tag <finNFe> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.tpAmb, "2"); }},
    {"indFinal", Sem("<indFinal>0</indFinal>"), "Tag <indFinal> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.finNFe, "1"); }},
    {"indPres", Sem("<indPres>1</indPres>"), "Tag <indPres> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.IndFinal, "0"); }},
    {"procEmi", Sem("<procEmi>0</procEmi>"), "Tag <procEmi> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.IndPres, "1"); }},
    {"verProc", Sem("<verProc>Teste 1.0</verProc>"), "Tag <verProc> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.procEmi, "0");
         EXPECT_EQ(nf.Referencias.Count(), 0);
     }},
    {"dest", Renomear("dest"), "Tag <dest> não encontrada.",
     [](const TNotaFiscal& nf) {
         IdentificacaoLida(nf);
         EXPECT_EQ(nf.Participantes.Count(), 0);
     }},
    {"dest_CNPJ", Sem("<CNPJ>98765432000198</CNPJ>"), "Tag <dest> <CNPJ> ou <CPF> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.Cnpj, "");
         EXPECT_EQ(nf.Participantes.Count(), 0);
     }},
    {"emit", Renomear("emit"), "Tag <emit> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.Cnpj, "98765432000198");
         EXPECT_EQ(nf.Participantes.Count(), 1);
         EXPECT_EQ(nf.CRT, "");
     }},
    {"emit_CNPJ", Sem("<CNPJ>12345678000195</CNPJ>"), "Tag <emit> <CNPJ> ou <CPF> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.CnpjFili, "");
         EXPECT_EQ(nf.Participantes.Count(), 1);
     }},
    {"det",
     {{"<det nItem=\"1\">", "<detX nItem=\"1\">"},
      {"</det>", "</detX>"},
      {"<det nItem=\"2\">", "<detX nItem=\"2\">"},
      {"</det>", "</detX>"},
      {"<det nItem=\"3\">", "<detX nItem=\"3\">"},
      {"</det>", "</detX>"}},
     "Tag <det> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.Participantes.Count(), 2);
         EXPECT_EQ(nf.ItensNF.Count(), 0);
     }},
    {"nItem",
     {{"<det nItem=\"2\">", "<det>"}},
     "Atributo nItem não encontrado.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.ItensNF.Count(), 1);
         NadaDepoisDosItens(nf);
     }},
    {"nItem_nao_numero",
     {{"<det nItem=\"2\">", "<det nItem=\"dois\">"}},
     "Atributo nItem com valor inválido.",
     [](const TNotaFiscal& nf) {
         ASSERT_EQ(nf.ItensNF.Count(), 2);
         EXPECT_EQ(nf.ItensNF[1].SeqItem, 2);  // the number Add gave it
         EXPECT_EQ(nf.ItensNF[1].CodItem, "");
     }},
    {"nItemPed",
     {{"<indTot>1</indTot>", "<indTot>1</indTot><nItemPed>A1</nItemPed>"}},
     "Tag <nItemPed> com valor inválido.",
     [](const TNotaFiscal& nf) {
         ASSERT_EQ(nf.ItensNF.Count(), 1);
         EXPECT_EQ(nf.ItensNF[0].IndTot, "1");
         EXPECT_EQ(nf.ItensNF[0].VlrIcms, 0.0);
     }},
    {"total", Renomear("total"), "Tag <total> não encontrada.",
     [](const TNotaFiscal& nf) {
         ItensLidos(nf);
         NadaDepoisDosItens(nf);
     }},
    {"vBC_total",
     {{"<vBC>25.00</vBC>\n<vICMS>", "<vBC>x</vBC>\n<vICMS>"}},
     "Tag <vBC> com valor inválido.",
     NadaDepoisDosItens},
    {"transp", Renomear("transp"), "Tag <transp> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_DOUBLE_EQ(nf.TotNota, 1234.56);
         EXPECT_EQ(nf.Participantes.Count(), 2);
         NadaDepoisDosItens(nf);
     }},
    {"pesoL",
     {{"<pesoL>12.500</pesoL>", "<pesoL>doze</pesoL>"}},
     "Tag <vol> com valor inválido.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.Participantes.Count(), 3);
         EXPECT_EQ(nf.NumeroEmb, "1 A 3");
         EXPECT_EQ(nf.PesoLiquido, 0.0);
         EXPECT_EQ(nf.DuplsNF.Count(), 0);
     }},
    {"dVenc",
     {{"<dVenc>2019-07-10</dVenc>", "<dVenc>2019-07-32</dVenc>"}},
     "Tag <dVenc> com valor inválido.",
     [](const TNotaFiscal& nf) {
         ASSERT_EQ(nf.DuplsNF.Count(), 2);  // added before its values
         EXPECT_EQ(nf.DuplsNF[1].NumDupl, "002");
         EXPECT_EQ(nf.DuplsNF[1].VlrDupl, 0.0);
         EXPECT_EQ(nf.Observacao, "");
     }},
    {"protNFe",
     {{"<protNFe versao", "<protNFeX versao"}, {"</protNFe>", "</protNFeX>"}},
     "Arquivo não está no formado de distribuição. Tag <protNFe> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.ItensNF.Count(), 3);
         EXPECT_EQ(nf.Participantes.Count(), 3);
         EXPECT_EQ(nf.DuplsNF.Count(), 2);
         EXPECT_DOUBLE_EQ(nf.TotNota, 1234.56);
         EXPECT_EQ(nf.Observacao, Credito + "\r\rTEXTO DO FISCO\rTEXTO COMPLEMENTAR");
         EXPECT_EQ(nf.ProtocoloNfe, "");
     }},
    {"infProt", Renomear("infProt"), "Tag <infProt> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.ProtocoloNfe, ""); }},
    {"dhRecbto", Sem("<dhRecbto>2019-05-10T14:25:00-03:00</dhRecbto>"), "Tag <dhRecbto> não encontrada.",
     [](const TNotaFiscal& nf) { EXPECT_EQ(nf.DtProtocoloNfe, 0.0); }},
    {"nProt", Sem("<nProt>135190000000001</nProt>"), "Tag <nProt> não encontrada.",
     [](const TNotaFiscal& nf) {
         EXPECT_EQ(nf.HrProtocoloNfe, "14:25:00");
         EXPECT_EQ(nf.ProtocoloNfe, "");
     }},
};

void PrintTo(const CasoPasso& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class PassoObrigatorio : public ::testing::TestWithParam<CasoPasso> {};

}  // namespace

TEST_P(PassoObrigatorio, StopsWithTheStepMessageKeepingWhatWasRead) {
    const CasoPasso& caso = GetParam();
    auto l = Ler(Aplicar(caso.edicoes));
    EXPECT_EQ(l->resultado.MsgErro, caso.mensagem);
    caso.verificar(l->nf);
}

TEST_P(PassoObrigatorio, ARecordFilledBeforeIsClearedFirst) {
    auto anterior = Ler(Base());
    TXmlNFe leitor;
    leitor.NotaFiscal = &anterior->nf;
    NotificadorCaptura avisos;
    NotificadorInstalado instalado(&avisos);
    ResultadoCarga r = CarregarTextoNFe(leitor, Aplicar(GetParam().edicoes), "teste.xml");
    EXPECT_EQ(r.MsgErro, GetParam().mensagem);
    GetParam().verificar(anterior->nf);
}

INSTANTIATE_TEST_SUITE_P(CadaEtapa, PassoObrigatorio, ::testing::ValuesIn(casos),
                         [](const auto& info) { return std::string(info.param.nome); });
