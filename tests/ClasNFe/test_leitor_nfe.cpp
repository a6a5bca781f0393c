// The reader's rules on small variations of one complete fictitious invoice.
#include "ClasNFe/NFeTeste.h"
#include "ClasNFe/DadosPrincipais.h"

using namespace luvenor;
using namespace luvenor::teste;

TEST(LeitorEnvelope, CompleteInvoiceReadsWholeWithEnvelopeValues) {
    auto l = Ler(Base());
    const TNotaFiscal& nf = l->nf;
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(nf.MercServ, "M");
    EXPECT_EQ(nf.ChaveNfe, "35190512345678000195550010000012341000012342");
    EXPECT_EQ(nf.CodUF, "35");
    EXPECT_EQ(nf.cNF, "00001234");
    EXPECT_EQ(nf.DescrNatOper, "VENDA DE MERCADORIA");
    EXPECT_EQ(nf.IndPagto, "");  // not read in layout 4.00
    EXPECT_EQ(nf.Modelo, "55");
    EXPECT_EQ(nf.SerieNum, "1");
    EXPECT_EQ(nf.Serie, "1  ");
    EXPECT_EQ(nf.Subserie, "  ");
    EXPECT_EQ(nf.NumLcto, 1234);
    EXPECT_EQ(nf.DtDoc, Data(2019, 5, 10));
    EXPECT_EQ(nf.HrEmissao, "14:23:45");
    // No exit date in the file: the bookkeeping date is the issue date, the exit date stays empty.
    EXPECT_EQ(nf.DtEmissao, Data(2019, 5, 10));
    EXPECT_EQ(nf.DtEntSai, 0.0);
    EXPECT_EQ(nf.HrEntSai, "");
    EXPECT_EQ(nf.tpImp, "1");
    EXPECT_EQ(nf.tpAmb, "2");
    EXPECT_EQ(nf.verProc, "Teste 1.0");
    EXPECT_EQ(nf.DtProtocoloNfe, Data(2019, 5, 10));
    EXPECT_EQ(nf.HrProtocoloNfe, "14:25:00");
    EXPECT_EQ(nf.ProtocoloNfe, "135190000000001");
    EXPECT_TRUE(l->avisos.mensagens.empty());
}

TEST(LeitorEnvelope, ExitDateBecomesTheBookkeepingDate) {
    auto l = Ler(Trocar(Base(), "<tpNF>", "<dhSaiEnt>2019-05-11T08:00:00-03:00</dhSaiEnt><tpNF>"));
    EXPECT_EQ(l->nf.DtDoc, Data(2019, 5, 10));
    EXPECT_EQ(l->nf.DtEmissao, Data(2019, 5, 11));
    EXPECT_EQ(l->nf.DtEntSai, Data(2019, 5, 11));
    EXPECT_EQ(l->nf.HrEntSai, "08:00:00");
}

TEST(LeitorEnvelope, OlderLayoutsGiveTheExitDateAndTimeApart) {
    auto l = Ler(Trocar(Base(), "<tpNF>", "<dSaiEnt>2019-05-12</dSaiEnt><hSaiEnt>07:15:30</hSaiEnt><tpNF>"));
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.DtEntSai, Data(2019, 5, 12));
    EXPECT_EQ(l->nf.HrEntSai, "07:15:30");
    EXPECT_EQ(l->nf.DtEmissao, Data(2019, 5, 12));
    EXPECT_EQ(l->nf.DtDoc, Data(2019, 5, 10));

    auto soData = Ler(Trocar(Base(), "<tpNF>", "<dSaiEnt>2019-05-12</dSaiEnt><tpNF>"));
    EXPECT_EQ(soData->nf.DtEntSai, Data(2019, 5, 12));
    EXPECT_EQ(soData->nf.HrEntSai, "");

    // dhSaiEnt, when both are there, is the one read.
    auto ambos =
        Ler(Trocar(Base(), "<tpNF>",
                   "<dSaiEnt>2019-05-12</dSaiEnt><dhSaiEnt>2019-05-11T08:00:00-03:00</dhSaiEnt><tpNF>"));
    EXPECT_EQ(ambos->nf.DtEntSai, Data(2019, 5, 11));

    auto invalida = Ler(Trocar(Base(), "<tpNF>", "<dSaiEnt>2019-02-30</dSaiEnt><tpNF>"));
    EXPECT_EQ(invalida->resultado.MsgErro, "Tag <dSaiEnt> com valor inválido.");
    EXPECT_EQ(invalida->nf.DtDoc, Data(2019, 5, 10));
    EXPECT_EQ(invalida->nf.tpNF, "");
}

TEST(LeitorEnvelope, SeriesIsPaddedOrCutToThreeCharacters) {
    auto l = Ler(Trocar(Base(), "<serie>1</serie>", "<serie>1234</serie>"));
    EXPECT_EQ(l->nf.SerieNum, "1234");
    EXPECT_EQ(l->nf.Serie, "123");
}

TEST(LeitorEnvelope, OlderLayoutsNeedIndPagAndMayGiveDEmi) {
    std::string v310 = Trocar(Base(), "versao=\"4.00\">\n<NFe>", "versao=\"3.10\">\n<NFe>");
    EXPECT_EQ(Ler(v310)->resultado.MsgErro, "Tag <indPag> não encontrada.");

    std::string comIndPag = Trocar(v310, "<mod>", "<indPag>1</indPag><mod>");
    auto l = Ler(Trocar(comIndPag, "<dhEmi>2019-05-10T14:23:45-03:00</dhEmi>", "<dEmi>2019-05-10</dEmi>"));
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.IndPagto, "1");
    EXPECT_EQ(l->nf.DtDoc, Data(2019, 5, 10));
    EXPECT_EQ(l->nf.HrEmissao, "");
}

TEST(LeitorEnvelope, OnlyTheFirstReferencedKeyIsKept) {
    auto l = Ler(Base());
    ASSERT_EQ(l->nf.Referencias.Count(), 1);
    EXPECT_EQ(l->nf.Referencias[0].ChaveNfe, "35190400000000000000550010000000011000000019");
}

TEST(LeitorEnvelope, TextOutsideWindows1252StaysUtf8) {
    auto l = Ler(Trocar(Base(), "CLIENTE DESTINATÁRIO FICTÍCIO SA", "ŁÓDŹ ✓ 東京 €"));
    ASSERT_GE(l->nf.Participantes.Count(), 1);
    EXPECT_EQ(l->nf.Participantes[0].Razao, "ŁÓDŹ ✓ 東京 €");
}

TEST(LeitorParticipantes, EntriesInReadingOrderWithAddressRules) {
    auto l = Ler(Base());
    const TNotaFiscal& nf = l->nf;
    ASSERT_EQ(nf.Participantes.Count(), 3);
    const TParticipante& dest = nf.Participantes[0];
    const TParticipante& emit = nf.Participantes[1];
    const TParticipante& transp = nf.Participantes[2];
    EXPECT_EQ(nf.Cnpj, "98765432000198");
    EXPECT_EQ(dest.Cnpj, "98765432000198");
    EXPECT_EQ(dest.Razao, "CLIENTE DESTINATÁRIO FICTÍCIO SA");
    EXPECT_EQ(dest.Numero, "123A");
    EXPECT_EQ(dest.Complemento, "SALA 2");
    EXPECT_EQ(dest.Cidade, "CAMPINAS");
    EXPECT_EQ(dest.InscrEst, "222222222222");
    EXPECT_EQ(dest.Email, "cliente@exemplo.example");
    EXPECT_EQ(nf.CnpjFili, "12345678000195");
    EXPECT_EQ(emit.Fantasia, "Emitente Fictícia");
    EXPECT_EQ(emit.Fone, "1133334444");
    EXPECT_EQ(nf.CRT, "3");
    EXPECT_EQ(nf.CnpjTransp, "45678901000175");
    EXPECT_EQ(transp.Razao, "TRANSPORTADORA FICTÍCIA");
    EXPECT_EQ(transp.Endereco, "RODOVIA DO FRETE KM 1");
    EXPECT_EQ(transp.Cidade, "JUNDIAÍ");
    EXPECT_EQ(dest.Papel, "dest");
    EXPECT_EQ(emit.Papel, "emit");
    EXPECT_EQ(transp.Papel, "transporta");
}

TEST(LeitorParticipantes, LongStreetGoesOnInTheComplement) {
    const std::string rua60 = "AVENIDA MUITO COMPRIDA DAS FLORES DO CAMPO ÁGUA BELA 1234567";
    ASSERT_EQ(rua60.size(), 61u);  // 60 characters, one of them two bytes
    std::string xml = Trocar(Base(), "AVENIDA DO CLIENTE", rua60);
    auto comCpl = Ler(xml);
    EXPECT_EQ(comCpl->nf.Participantes[0].Endereco, "AVENIDA MUITO COMPRIDA DAS FLORES DO CAMPO ÁGUA BE");
    EXPECT_EQ(comCpl->nf.Participantes[0].Complemento, "LA 1234567 SALA 2");

    auto semCpl = Ler(Trocar(xml, "<xCpl>SALA 2</xCpl>", ""));
    EXPECT_EQ(semCpl->nf.Participantes[0].Complemento, "LA 1234567");

    std::string rua50(50, 'R');
    auto exata = Ler(Trocar(Base(), "AVENIDA DO CLIENTE", rua50));
    EXPECT_EQ(exata->nf.Participantes[0].Endereco, rua50);
    EXPECT_EQ(exata->nf.Participantes[0].Complemento, "SALA 2");
}

TEST(LeitorParticipantes, RecipientByCpfOrForeignId) {
    auto cpf = Ler(Trocar(Trocar(Base(), "<CNPJ>98765432000198</CNPJ>", "<CPF>12345678909</CPF>"),
                          "<nro>123A</nro>", "<nro>S/N</nro>"));
    EXPECT_EQ(cpf->nf.Cnpj, "12345678909");
    EXPECT_EQ(cpf->nf.Participantes[0].Cnpj, "12345678909");
    EXPECT_EQ(cpf->nf.Participantes[0].Numero, "S/N");

    auto exterior =
        Ler(Trocar(Base(), "<CNPJ>98765432000198</CNPJ>", "<idEstrangeiro>EX-778899</idEstrangeiro>"));
    EXPECT_EQ(exterior->resultado.MsgErro, "");
    EXPECT_EQ(exterior->nf.Cnpj, "EX-778899");
    EXPECT_EQ(exterior->nf.Participantes[0].Cnpj, "EX-778899");
    EXPECT_EQ(exterior->nf.Participantes[0].Razao, "CLIENTE DESTINATÁRIO FICTÍCIO SA");
    EXPECT_EQ(exterior->nf.Participantes.BuscarCnpj("EX-778899"), exterior->nf.Participantes.Items(0));

    auto vazio = Ler(Trocar(Base(), "<CNPJ>98765432000198</CNPJ>", "<idEstrangeiro/>"));
    EXPECT_EQ(vazio->resultado.MsgErro, "");
    EXPECT_EQ(vazio->nf.Cnpj, "");
}

TEST(LeitorParticipantes, BrokenPartyEndsOnlyThatParty) {
    std::string semEndereco = Base();
    semEndereco = Trocar(semEndereco, "<enderDest>", "<outroDest>");
    semEndereco = Trocar(semEndereco, "</enderDest>", "</outroDest>");
    semEndereco = Trocar(semEndereco, "<IE>222222222222</IE>", "<xFant>FANTASIA</xFant>");
    auto l = Ler(semEndereco);
    EXPECT_EQ(l->resultado.MsgErro, "");
    const TParticipante& dest = l->nf.Participantes[0];
    EXPECT_EQ(dest.Cnpj, "98765432000198");
    EXPECT_EQ(dest.Razao, "CLIENTE DESTINATÁRIO FICTÍCIO SA");
    EXPECT_EQ(dest.Fantasia, "FANTASIA");
    EXPECT_EQ(dest.Endereco, "");
    EXPECT_EQ(dest.Email, "");
    EXPECT_EQ(l->nf.Participantes[1].Razao, "EMPRESA EMITENTE FICTÍCIA LTDA");
}

TEST(LeitorParticipantes, MissingCarrierLeavesAnEmptyThirdEntry) {
    auto l = Ler(Remover(Base(), "<transporta>", "</transporta>"));
    EXPECT_EQ(l->nf.CnpjTransp, "");
    ASSERT_EQ(l->nf.Participantes.Count(), 3);
    EXPECT_EQ(l->nf.Participantes[2].Razao, "");
    EXPECT_EQ(l->nf.Participantes[2].Cnpj, "");
    EXPECT_EQ(l->nf.Participantes[2].Papel, "transporta");
}

TEST(LeitorParticipantes, CarrierWithoutTaxNumberOrNameKeepsWhatItHas) {
    auto semNumero = Ler(Trocar(Trocar(Base(), "<CNPJ>45678901000175</CNPJ>", ""), "TRANSPORTADORA FICTÍCIA",
                                "Cliente Retira"));
    EXPECT_EQ(semNumero->nf.CnpjTransp, "");
    const TParticipante& t = semNumero->nf.Participantes[2];
    EXPECT_EQ(t.Cnpj, "");
    EXPECT_EQ(t.Razao, "Cliente Retira");
    EXPECT_EQ(t.Endereco, "RODOVIA DO FRETE KM 1");
    EXPECT_EQ(t.Estado, "SP");
    EXPECT_EQ(semNumero->nf.Participantes.BuscarPapel(PapelTransportadora, ""), &t);

    auto semNome = Ler(Trocar(Base(), "<xNome>TRANSPORTADORA FICTÍCIA</xNome>", "<IE>333</IE>"));
    EXPECT_EQ(semNome->nf.Participantes[2].Cnpj, "45678901000175");
    EXPECT_EQ(semNome->nf.Participantes[2].Cidade, "JUNDIAÍ");
    EXPECT_EQ(semNome->nf.Participantes[2].InscrEst, "333");
}

TEST(LeitorParticipantes, SameTaxNumberFindsTheRecipientFirstAndTheIssuerByItsRole) {
    auto l = Ler(Trocar(Base(), "<CNPJ>12345678000195</CNPJ>", "<CNPJ>98765432000198</CNPJ>"));
    EXPECT_EQ(l->nf.Participantes.Count(), 3);
    EXPECT_EQ(l->nf.Participantes.BuscarCnpj(l->nf.CnpjFili)->Razao, "CLIENTE DESTINATÁRIO FICTÍCIO SA");
    EXPECT_EQ(l->nf.Participantes.BuscarPapel(PapelEmitente, l->nf.CnpjFili)->Razao,
              "EMPRESA EMITENTE FICTÍCIA LTDA");
    // The key data the main window and `info` show keep each party's own name.
    const DadosPrincipais dados = MontarDadosPrincipais(l->nf);
    EXPECT_EQ(dados.NomeEmit, "EMPRESA EMITENTE FICTÍCIA LTDA");
    EXPECT_EQ(dados.NomeDest, "CLIENTE DESTINATÁRIO FICTÍCIO SA");
}

namespace {

struct CasoNumero {
    const char* nome;
    const char* nro;
    const char* numero;
};

class NumeroDaRua : public testing::TestWithParam<CasoNumero> {};

}  // namespace

TEST_P(NumeroDaRua, KeptAsWritten) {
    auto l = Ler(Trocar(Base(), "<nro>123A</nro>", std::string("<nro>") + GetParam().nro + "</nro>"));
    EXPECT_EQ(l->nf.Participantes[0].Numero, GetParam().numero);
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, NumeroDaRua,
    testing::Values(CasoNumero{"digits_and_letter", "123A", "123A"},
                    CasoNumero{"with_hyphen", "77-B", "77-B"}, CasoNumero{"without_number", "S/N", "S/N"},
                    CasoNumero{"zero", "0", "0"}, CasoNumero{"kilometre", "KM 12,5", "KM 12,5"},
                    CasoNumero{"outer_blanks_trimmed", "  45 FUNDOS ", "45 FUNDOS"}),
    [](const testing::TestParamInfo<CasoNumero>& i) { return std::string(i.param.nome); });

namespace {

const char* const Locais =
    "</dest>\n"
    "<retirada><CNPJ>11222333000144</CNPJ><xNome>DEPÓSITO FICTÍCIO LTDA</xNome>"
    "<xLgr>RUA DO GALPÃO</xLgr><nro>77-B</nro><xCpl>DOCA 3</xCpl><xBairro>DISTRITO INDUSTRIAL</xBairro>"
    "<cMun>3552403</cMun><xMun>SUMARÉ</xMun><UF>SP</UF><CEP>13170000</CEP><cPais>1058</cPais>"
    "<xPais>BRASIL</xPais><fone>1938880000</fone><email>doca@deposito.example</email>"
    "<IE>333333333333</IE></retirada>\n"
    "<entrega><CNPJ>98765432000198</CNPJ><xNome>CLIENTE DESTINATÁRIO FICTÍCIO SA</xNome>"
    "<xLgr>ESTRADA DA OBRA NOVA</xLgr><nro>S/N</nro><xBairro>ZONA RURAL</xBairro><cMun>3509502</cMun>"
    "<xMun>CAMPINAS</xMun><UF>SP</UF><CEP>13099000</CEP></entrega>";

}  // namespace

TEST(LeitorParticipantes, PickUpAndDeliveryPlacesEachHaveTheirOwnEntry) {
    auto l = Ler(Trocar(Base(), "</dest>", Locais));
    const TNotaFiscal& nf = l->nf;
    EXPECT_EQ(l->resultado.MsgErro, "");
    ASSERT_EQ(nf.Participantes.Count(), 5);
    EXPECT_EQ(nf.CnpjRetirada, "11222333000144");
    EXPECT_EQ(nf.CnpjEntrega, "98765432000198");

    const TParticipante& retirada = nf.Participantes[2];
    EXPECT_EQ(retirada.Papel, "retirada");
    EXPECT_EQ(retirada.Razao, "DEPÓSITO FICTÍCIO LTDA");
    EXPECT_EQ(retirada.Endereco, "RUA DO GALPÃO");
    EXPECT_EQ(retirada.Numero, "77-B");
    EXPECT_EQ(retirada.Cep, "13170000");
    EXPECT_EQ(retirada.Email, "doca@deposito.example");
    EXPECT_EQ(retirada.InscrEst, "333333333333");
    EXPECT_EQ(nf.CRT, "3");  // the issuer's; places have none

    // The delivery under the recipient's tax number: the recipient is still found first by the
    // number, the delivery place by its role, each with its own address.
    EXPECT_EQ(nf.Participantes[3].Papel, "entrega");
    EXPECT_EQ(nf.Participantes.BuscarCnpj(nf.CnpjEntrega)->Endereco, "AVENIDA DO CLIENTE");
    const TParticipante* entrega = nf.Participantes.BuscarPapel(PapelEntrega, nf.CnpjEntrega);
    ASSERT_NE(entrega, nullptr);
    EXPECT_EQ(entrega->Endereco, "ESTRADA DA OBRA NOVA");
    EXPECT_EQ(entrega->Numero, "S/N");
    EXPECT_EQ(nf.Participantes.BuscarPapel(PapelDestinatario, nf.Cnpj)->Endereco, "AVENIDA DO CLIENTE");
    EXPECT_EQ(nf.Participantes[4].Papel, "transporta");
    EXPECT_EQ(nf.Participantes[4].Razao, "TRANSPORTADORA FICTÍCIA");
}

TEST(LeitorParticipantes, PlaceByCpfOrWithoutNameStillGivesItsAddress) {
    std::string xml = Trocar(Base(), "</dest>", Locais);
    xml = Trocar(xml, "<CNPJ>11222333000144</CNPJ><xNome>DEPÓSITO FICTÍCIO LTDA</xNome>",
                 "<CPF>12345678909</CPF>");
    auto l = Ler(xml);
    EXPECT_EQ(l->nf.CnpjRetirada, "12345678909");
    const TParticipante& retirada = l->nf.Participantes[2];
    EXPECT_EQ(retirada.Razao, "");
    EXPECT_EQ(retirada.Endereco, "RUA DO GALPÃO");
    EXPECT_EQ(retirada.Cidade, "SUMARÉ");

    // Without pick-up place the delivery place alone is read.
    auto soEntrega = Ler(Remover(Trocar(Base(), "</dest>", Locais), "<retirada>", "</retirada>"));
    EXPECT_EQ(soEntrega->nf.CnpjRetirada, "");
    EXPECT_EQ(soEntrega->nf.CnpjEntrega, "98765432000198");
    EXPECT_EQ(soEntrega->nf.Participantes.Count(), 4);
}
