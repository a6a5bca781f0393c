// The consumer invoice (model 65): payments with their cards and the change, the QR code and
// the key-lookup page, the consumer by CPF, CNPJ, foreign id or none, and the bare NFe of a
// contingency; an NF-e's read of the same parts stays as it was.
#include "NFeTeste.h"

#include <gtest/gtest.h>

#include <string>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

std::string Fixture(const std::string& nome) {
    return LerArquivo(std::string(LUVENOR_FIXTURES_DIR) + "/nfce/" + nome);
}

std::string Amostra(const std::string& nome) {
    return LerArquivo(std::string(LUVENOR_SAMPLES_DIR) + "/" + nome);
}

}  // namespace

TEST(LeitorNfce, ThreePaymentsWithCardAndChange) {
    auto l = Ler(Fixture("nfce-3pagamentos-troco.xml"));
    EXPECT_EQ(l->resultado.MsgErro, "");
    ASSERT_EQ(l->nf.PagtosNF.Count(), 3);
    EXPECT_EQ(l->nf.PagtosNF[0].FormaPagto, "01");
    EXPECT_DOUBLE_EQ(l->nf.PagtosNF[0].Valor, 20.0);
    EXPECT_EQ(l->nf.PagtosNF[1].Descricao(), "PIX");
    const TPagamento& cartao = l->nf.PagtosNF[2];
    EXPECT_EQ(cartao.Descricao(), "Cartão de Crédito");
    EXPECT_EQ(cartao.CnpjCredenciadora, "11222333000181");
    EXPECT_EQ(cartao.BandeiraCartao, "02");
    EXPECT_EQ(cartao.AutorizacaoCartao, "55AA");
    EXPECT_DOUBLE_EQ(l->nf.VlrTroco, 3.37);
    EXPECT_DOUBLE_EQ(l->nf.TotNota, 46.63);
}

TEST(LeitorNfce, QrCodeKeptByteForByteAndUrlChaveTrimmed) {
    std::string xml = Fixture("nfce-1item.xml");
    // Blanks around the CDATA are the file's layout; the accent and the inner blanks are the
    // code's own and must reach the symbol unchanged.
    xml = Trocar(xml, "<qrCode><![CDATA[https://", "<qrCode>\n      <![CDATA[  ção https://");
    xml = Trocar(xml, "]]></qrCode>", "]]>\n    </qrCode>");
    xml = Trocar(xml, "<urlChave>", "<urlChave>  ");
    auto l = Ler(xml);
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.QrCodeNfce.rfind("ção https://www.sefaz.rs.gov.br/NFCE/NFCE-COM.aspx?p=43", 0), 0u)
        << l->nf.QrCodeNfce;
    const size_t hash = l->nf.QrCodeNfce.find("|2|1|1|");
    ASSERT_NE(hash, std::string::npos);
    EXPECT_EQ(l->nf.QrCodeNfce.size(), hash + 7 + 40) << "the layout after the code is not the code's";
    EXPECT_EQ(l->nf.UrlChaveNfce, "www.sefaz.rs.gov.br/nfce/consulta");
}

TEST(LeitorNfce, ConsumerByCpfCnpjForeignIdOrNone) {
    struct Caso {
        const char* fixture;
        const char* numero;
        bool estrangeiro;
        bool temDestinatario;
    };
    for (const Caso& c : {Caso{"nfce-descricao-longa.xml", "39053344705", false, true},
                          Caso{"nfce-300itens.xml", "98765432000198", false, true},
                          Caso{"nfce-3pagamentos-troco.xml", "AB1234567", true, true},
                          Caso{"nfce-1item.xml", "", false, false}}) {
        SCOPED_TRACE(c.fixture);
        auto l = Ler(Fixture(c.fixture));
        EXPECT_EQ(l->resultado.MsgErro, "");
        EXPECT_EQ(l->nf.Cnpj, c.numero);
        EXPECT_EQ(l->nf.ConsumidorEstrangeiro, c.estrangeiro);
        EXPECT_EQ(l->nf.Participantes.TemPapel(PapelDestinatario), c.temDestinatario);
        // The read goes on past the consumer: issuer, items, totals and protocol are all there.
        EXPECT_FALSE(l->nf.ProtocoloNfe.empty());
        EXPECT_GT(l->nf.ItensNF.Count(), 0);
        EXPECT_GT(l->nf.TotNota, 0);
    }
}

TEST(LeitorNfce, SamplesReadPaymentsAndQrCode) {
    struct Caso {
        const char* amostra;
        int pagamentos;
        double primeiro;
        const char* msgErro;
    };
    const std::string semProtocolo =
        "Arquivo não está no formado de distribuição. Tag <protNFe> não encontrada.";
    for (const Caso& c :
         {Caso{"nfce-v310-homologacao-sem-dest-cdata.xml", 1, 1500.0, ""},
          Caso{"nfce-v400-cdata-3dup-tpimp1.xml", 5, 20.67, ""},
          Caso{"nfce-v400-com-retevento.xml", 1, 30.0, ""}, Caso{"nfce-v400-cstat150.xml", 1, 30.0, ""},
          Caso{"nfce-v400-semprot-contingencia-cpf.xml", 1, 15.0, semProtocolo.c_str()}}) {
        SCOPED_TRACE(c.amostra);
        const std::string xml = Amostra(c.amostra);
        auto l = Ler(xml);
        EXPECT_EQ(l->resultado.MsgErro, c.msgErro);
        ASSERT_EQ(l->nf.PagtosNF.Count(), c.pagamentos);
        EXPECT_DOUBLE_EQ(l->nf.PagtosNF[0].Valor, c.primeiro);
        ASSERT_FALSE(l->nf.QrCodeNfce.empty());
        EXPECT_NE(xml.find(l->nf.QrCodeNfce), std::string::npos) << l->nf.QrCodeNfce;
    }
}

TEST(LeitorNfce, BareNfeOfAnNfeIsStillRefused) {
    // Only a consumer invoice is read without its distribution envelope.
    const std::string nfce = Amostra("nfce-v400-semprot-contingencia-cpf.xml");
    auto lida = Ler(nfce);
    EXPECT_EQ(lida->nf.Modelo, "65");
    EXPECT_EQ(lida->nf.tpEmis, "9");

    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga r =
        CarregarTextoNFe(leitor, Trocar(nfce, "<mod>65</mod>", "<mod>55</mod>"), "x.xml");
    EXPECT_FALSE(r.Carregado());
    EXPECT_EQ(nf.NumLcto, 0);
}

TEST(LeitorNfce, NfeKeepsItsRulesForDestAndPayments) {
    // Model 55: dest is still mandatory, and its payments stay out of the record.
    auto semDest = Ler(Remover(Base(), "<dest>", "</dest>"));
    EXPECT_EQ(semDest->resultado.MsgErro, "Tag <dest> não encontrada.");
    auto nfe = Ler(
        Trocar(Base(), "</infNFe>", "<pag><detPag><tPag>01</tPag><vPag>1.00</vPag></detPag></pag></infNFe>"));
    EXPECT_EQ(nfe->resultado.MsgErro, "");
    EXPECT_EQ(nfe->nf.PagtosNF.Count(), 0);
    EXPECT_EQ(nfe->nf.QrCodeNfce, "");
}

TEST(LeitorNfce, PaymentsOfLayout310AreRepeatedPagGroups) {
    std::string xml = Fixture("nfce-1item.xml");
    xml = Trocar(xml,
                 "<pag>\n      <detPag>\n        <tPag>01</tPag>\n        <vPag>7.45</vPag>\n      "
                 "</detPag>\n    </pag>",
                 "<pag><tPag>01</tPag><vPag>5.00</vPag></pag><pag><tPag>04</tPag><vPag>2.45</vPag></pag>");
    auto l = Ler(xml);
    ASSERT_EQ(l->nf.PagtosNF.Count(), 2);
    EXPECT_EQ(l->nf.PagtosNF[1].FormaPagto, "04");
    EXPECT_DOUBLE_EQ(l->nf.PagtosNF[1].Valor, 2.45);
}
