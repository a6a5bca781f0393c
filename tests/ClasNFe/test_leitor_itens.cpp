// Items, item taxes, totals, transport, billing and the composed free text.
#include "ClasNFe/NFeTeste.h"

#include <cmath>

using namespace luvenor;
using namespace luvenor::teste;

TEST(LeitorItens, ItemsWithProductTaxesAndAdditionalText) {
    auto l = Ler(Base());
    ASSERT_EQ(l->nf.ItensNF.Count(), 3);
    const TItemNF& i1 = l->nf.ItensNF[0];
    EXPECT_EQ(i1.SeqItem, 1);
    EXPECT_EQ(i1.CodItem, "P001");
    EXPECT_EQ(i1.CodProd, "P001");
    EXPECT_EQ(i1.Descricao, "PARAFUSO\rLOTE 12");
    EXPECT_EQ(i1.DescrOrig, "PARAFUSO\rLOTE 12");
    EXPECT_EQ(i1.CodNcm, "73181500");
    EXPECT_EQ(i1.CFCompleta, "73181500");
    EXPECT_EQ(i1.UnidMed, "KG");
    EXPECT_DOUBLE_EQ(i1.Qtde, 2.5);
    EXPECT_DOUBLE_EQ(i1.VlrItem, 25.0);
    EXPECT_DOUBLE_EQ(i1.VlrTrib, 5.10);
    EXPECT_EQ(i1.OrigMerc, "0");
    EXPECT_EQ(i1.CstIcms, "00");
    EXPECT_DOUBLE_EQ(i1.BaseIcms, 25.0);
    EXPECT_DOUBLE_EQ(i1.AliqIcms, 18.0);
    EXPECT_DOUBLE_EQ(i1.VlrIcms, 4.5);
    EXPECT_EQ(i1.CodEnq, "999");
    EXPECT_EQ(i1.CstIpi, "50");
    EXPECT_DOUBLE_EQ(i1.VlrIpi, 1.25);
    EXPECT_EQ(i1.CstPis, "01");
    EXPECT_DOUBLE_EQ(i1.VlrPis, 0.41);
    EXPECT_EQ(i1.CstCofins, "01");
    EXPECT_DOUBLE_EQ(i1.AliqCofins, 7.6);

    const TItemNF& i2 = l->nf.ItensNF[1];
    EXPECT_EQ(i2.UnidMed, "UNI");  // unidade
    EXPECT_EQ(i2.OrigMerc, "0");
    EXPECT_EQ(i2.CodCsosn, "102");
    EXPECT_EQ(i2.CstIcms, "");
    EXPECT_EQ(i2.CodEnq, "999");
    EXPECT_EQ(i2.CstIpi, "53");
    EXPECT_DOUBLE_EQ(i2.BaseIpi, 0.0);
    EXPECT_EQ(i2.DescrOrig, "ARRUELA");

    const TItemNF& i3 = l->nf.ItensNF[2];
    EXPECT_EQ(i3.CodNcm, "");  // NCM 00
    EXPECT_EQ(i3.CFCompleta, "");
    EXPECT_EQ(i3.SeqItem, 3);
}

TEST(LeitorItens, RunOfDetSkipsCommentsAndDetWithoutProduct) {
    std::string xml = Trocar(Base(), "<det nItem=\"2\">", "<!-- <det> comentado --><det nItem=\"2\">");
    xml = Trocar(xml, "<det nItem=\"3\">", "<?marca de processo?>\n<det nItem=\"3\">");
    auto comentarios = Ler(xml);
    EXPECT_EQ(comentarios->nf.ItensNF.Count(), 3);

    auto semProd = Ler(Remover(Trocar(Base(), "<det nItem=\"2\">\n<prod>", "<det nItem=\"2\">\n<prodX>"),
                               "<prodX>", "</prod>"));
    EXPECT_EQ(semProd->resultado.MsgErro, "");
    ASSERT_EQ(semProd->nf.ItensNF.Count(), 2);
    EXPECT_EQ(semProd->nf.ItensNF[0].SeqItem, 1);
    EXPECT_EQ(semProd->nf.ItensNF[1].SeqItem, 3);

    // Another element between two det ends the run.
    auto interrompida = Ler(Trocar(Base(), "<det nItem=\"3\">", "<outro/><det nItem=\"3\">"));
    EXPECT_EQ(interrompida->resultado.MsgErro, "");
    EXPECT_EQ(interrompida->nf.ItensNF.Count(), 2);
}

TEST(LeitorItens, IcmsGroupChoice) {
    auto semOrig = Ler(Trocar(Base(), "<ICMS00><orig>0</orig>", "<ICMS00>"));
    const TItemNF& normal = semOrig->nf.ItensNF[0];
    EXPECT_EQ(normal.CstIcms, "");
    EXPECT_DOUBLE_EQ(normal.BaseIcms, 0.0);
    EXPECT_EQ(normal.CstIpi, "50");  // the rest of the taxes still read

    auto snSemOrig = Ler(Trocar(Base(), "<ICMSSN102><orig>0</orig>", "<ICMSSN102>"));
    EXPECT_EQ(snSemOrig->nf.ItensNF[1].CodCsosn, "102");

    auto comentado = Ler(Trocar(Base(), "<ICMS><ICMS00>", "<ICMS><!-- grupo --><ICMS00>"));
    EXPECT_EQ(comentado->nf.ItensNF[0].CstIcms, "00");

    auto outroNome = Ler(Trocar(Trocar(Base(), "<ICMS00>", "<XICMS00>"), "</ICMS00>", "</XICMS00>"));
    EXPECT_EQ(outroNome->nf.ItensNF[0].OrigMerc, "");
}

TEST(LeitorItens, IpiGroupFollowsCEnq) {
    auto semCEnq = Ler(Trocar(Base(), "<IPI><cEnq>999</cEnq><IPITrib>", "<IPI><IPITrib>"));
    EXPECT_EQ(semCEnq->nf.ItensNF[0].CodEnq, "");
    EXPECT_EQ(semCEnq->nf.ItensNF[0].CstIpi, "50");

    auto antes = Ler(Trocar(Base(), "<IPI><cEnq>999</cEnq><IPITrib>", "<IPI><clEnq>1</clEnq><IPITrib>"));
    EXPECT_EQ(antes->nf.ItensNF[0].CstIpi, "");
}

TEST(LeitorItens, LotGroupErrorsEndOnlyTheLotGroup) {
    auto l = Ler(Trocar(Base(), "<indTot>1</indTot>\n</prod>\n<imposto>\n<vTotTrib>",
                        "<indTot>1</indTot><rastro><nLote>L-77</nLote><qLote>3.5</qLote>"
                        "<dFab>2019-13-01</dFab><dVal>2020-01-01</dVal></rastro>\n</prod>\n"
                        "<imposto>\n<vTotTrib>"));
    const TItemNF& item = l->nf.ItensNF[0];
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(item.NumLote, "L-77");
    EXPECT_DOUBLE_EQ(item.QtdLote, 3.5);
    EXPECT_EQ(item.DataFabr, 0.0);
    EXPECT_EQ(item.DataValid, 0.0);
    EXPECT_EQ(item.CstIcms, "00");
}

TEST(LeitorItens, LenientDecimalsBecomeZeroAfterAWarning) {
    for (const char* ruim : {"abc", "NaN", "1e400", "inf"}) {
        auto l = Ler(Trocar(Base(), "<qCom>2.5000</qCom>", std::string("<qCom>") + ruim + "</qCom>"));
        EXPECT_EQ(l->resultado.MsgErro, "") << ruim;
        EXPECT_TRUE(std::isfinite(l->nf.ItensNF[0].Qtde)) << ruim;
        EXPECT_EQ(l->nf.ItensNF[0].Qtde, 0.0) << ruim;
        EXPECT_FALSE(l->avisos.mensagens.empty()) << ruim;
    }
}

TEST(LeitorTotais, StrictTotalsTransportAndVolumes) {
    auto l = Ler(Base());
    EXPECT_DOUBLE_EQ(l->nf.TotNota, 1234.56);
    EXPECT_DOUBLE_EQ(l->nf.TotItem, 35.0);
    EXPECT_DOUBLE_EQ(l->nf.TotIpi, 1.25);
    EXPECT_EQ(l->nf.IndFrete, "1");
    EXPECT_EQ(l->nf.Quantidade, "3");  // the second vol is not read
    EXPECT_EQ(l->nf.EspecieEmb, "CAIXA");
    EXPECT_EQ(l->nf.NumeroEmb, "1 A 3");
    EXPECT_DOUBLE_EQ(l->nf.PesoLiquido, 12.5);
    EXPECT_DOUBLE_EQ(l->nf.PesoBruto, 13.75);

    auto semIcmsTot = Ler(Remover(Base(), "<ICMSTot>", "</ICMSTot>"));
    EXPECT_EQ(semIcmsTot->resultado.MsgErro, "");
    EXPECT_EQ(semIcmsTot->nf.TotNota, 0.0);

    for (const char* ruim : {"abc", "1e400", "NaN", "", "1.234.5", "12a"}) {
        auto falha = Ler(Trocar(Base(), "<vNF>1234.56</vNF>", std::string("<vNF>") + ruim + "</vNF>"));
        EXPECT_EQ(falha->resultado.MsgErro, "Tag <vNF> com valor inválido.") << ruim;
        EXPECT_EQ(falha->nf.TotNota, 0.0);
        EXPECT_EQ(falha->nf.IndFrete, "");
    }
}

TEST(LeitorTotais, TransportWithFreightModeOnly) {
    std::string xml = Remover(Remover(Remover(Base(), "<transporta>", "</transporta>"), "<vol>", "</vol>"),
                              "<vol>", "</vol>");
    auto l = Ler(Trocar(xml, "<modFrete>1</modFrete>", "<modFrete>9</modFrete>"));
    EXPECT_EQ(l->nf.IndFrete, "9");
    EXPECT_EQ(l->nf.CnpjTransp, "");
    EXPECT_EQ(l->nf.Participantes.Count(), 3);
    EXPECT_EQ(l->nf.Quantidade, "");
    EXPECT_EQ(l->nf.PesoBruto, 0.0);
}

TEST(LeitorTotais, InstalmentsInDocumentOrder) {
    auto l = Ler(Base());
    ASSERT_EQ(l->nf.DuplsNF.Count(), 2);
    EXPECT_EQ(l->nf.DuplsNF[0].NumDupl, "001");
    EXPECT_EQ(l->nf.DuplsNF[0].DtVencto, Data(2019, 6, 10));
    EXPECT_DOUBLE_EQ(l->nf.DuplsNF[0].VlrDupl, 18.13);
    EXPECT_DOUBLE_EQ(l->nf.DuplsNF[0].VlrLiq, 18.13);
    EXPECT_EQ(l->nf.DuplsNF[1].NumDupl, "002");

    // A commented-out dup in between does not end the run; an empty dup is one empty instalment.
    auto l2 = Ler(Trocar(Base(), "<dup><nDup>002</nDup>",
                         "<!-- <dup><nDup>X</nDup></dup> --><dup/><dup><nDup>002</nDup>"));
    ASSERT_EQ(l2->nf.DuplsNF.Count(), 3);
    EXPECT_EQ(l2->nf.DuplsNF[1].NumDupl, "");
    EXPECT_EQ(l2->nf.DuplsNF[1].DtVencto, 0.0);
    EXPECT_EQ(l2->nf.DuplsNF[2].NumDupl, "002");

    auto semCobr = Ler(Remover(Base(), "<cobr>", "</cobr>"));
    EXPECT_EQ(semCobr->resultado.MsgErro, "");
    EXPECT_EQ(semCobr->nf.DuplsNF.Count(), 0);
}

TEST(LeitorTotais, FreeTextWithAndWithoutCreditLine) {
    auto ambos = Ler(Base());
    EXPECT_EQ(ambos->nf.Observacao, Credito + "\r\rTEXTO DO FISCO\rTEXTO COMPLEMENTAR");
    EXPECT_EQ(ambos->nf.ObservOrig, ambos->nf.Observacao);
    EXPECT_EQ(ambos->nf.infAdFisco, "TEXTO DO FISCO");
    EXPECT_EQ(ambos->nf.infCpl, "TEXTO COMPLEMENTAR");

    auto soCpl = Ler(Trocar(Base(), "<infAdFisco>TEXTO DO FISCO</infAdFisco>", ""));
    EXPECT_EQ(soCpl->nf.Observacao, Credito + "\r\rTEXTO COMPLEMENTAR");

    std::string semInfAdic = Remover(Base(), "<infAdic>", "</infAdic>");
    auto comCredito = Ler(semInfAdic);
    EXPECT_EQ(comCredito->nf.Observacao, Credito + "\r\r");
    EXPECT_EQ(comCredito->nf.ObservOrig, Credito + "\r\r");
    EXPECT_EQ(comCredito->nf.infCpl, "");

    auto semCredito = Ler(semInfAdic, false);
    EXPECT_EQ(semCredito->nf.Observacao, "");
    EXPECT_EQ(semCredito->nf.ObservOrig, "");

    auto quebras = Ler(Trocar(Base(), "TEXTO COMPLEMENTAR", "LINHA 1\r\nLINHA 2\n"), false);
    // A line break is where one word ends and the next starts: it stays, as one CR, and the
    // trailing one is trimmed.
    EXPECT_EQ(quebras->nf.Observacao, "TEXTO DO FISCO\rLINHA 1\rLINHA 2");
    EXPECT_EQ(quebras->nf.infCpl, "LINHA 1\rLINHA 2");
    auto fisco = Ler(Trocar(Base(), "TEXTO DO FISCO", "expedi\xC3\xA7\xC3\xA3o\nVolume 002"), false);
    EXPECT_EQ(fisco->nf.infAdFisco, "expedi\xC3\xA7\xC3\xA3o\rVolume 002");
    EXPECT_EQ(fisco->nf.Observacao, "expedi\xC3\xA7\xC3\xA3o\rVolume 002\rTEXTO COMPLEMENTAR");
}

TEST(LeitorItens, AdditionalProductTextGoesOnALineOfItsOwn) {
    auto texto =
        Ler(Trocar(Base(), "<infAdProd>LOTE 12</infAdProd>", "<infAdProd> Caixa com 100 peças </infAdProd>"));
    EXPECT_EQ(texto->nf.ItensNF[0].Descricao, "PARAFUSO\rCaixa com 100 peças");
    EXPECT_EQ(texto->nf.ItensNF[1].Descricao, "ARRUELA");  // no text, no line break

    // A blank text adds no empty line; an item without name still keeps the text on its line.
    auto branco = Ler(Trocar(Base(), "<infAdProd>LOTE 12</infAdProd>", "<infAdProd>  </infAdProd>"));
    EXPECT_EQ(branco->nf.ItensNF[0].DescrOrig, "PARAFUSO");
    auto semNome = Ler(Trocar(Base(), "<xProd>PARAFUSO</xProd>", ""));
    EXPECT_EQ(semNome->nf.ItensNF[0].DescrOrig, "\rLOTE 12");
}

TEST(LeitorTotais, ServiceTotals) {
    const std::string comIssqn =
        Trocar(Base(), "</ICMSTot>",
               "</ICMSTot>\n<ISSQNtot><vServ>300.00</vServ><vBC>290.00</vBC><vISS>14.50</vISS>"
               "<vPIS>4.79</vPIS><vCOFINS>22.04</vCOFINS><dCompet>2019-05-10</dCompet>"
               "<vDescIncond>10.00</vDescIncond><vDescCond>2.00</vDescCond><vISSRet>1.50</vISSRet>"
               "<cRegTrib>6</cRegTrib></ISSQNtot>");
    auto l = Ler(comIssqn);
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_DOUBLE_EQ(l->nf.TotServ, 300.0);
    EXPECT_DOUBLE_EQ(l->nf.BaseIss, 290.0);
    EXPECT_DOUBLE_EQ(l->nf.TotIss, 14.5);
    EXPECT_DOUBLE_EQ(l->nf.TotPisServ, 4.79);
    EXPECT_DOUBLE_EQ(l->nf.TotCofinsServ, 22.04);
    EXPECT_DOUBLE_EQ(l->nf.DescIncond, 10.0);
    EXPECT_DOUBLE_EQ(l->nf.DescCondic, 2.0);
    EXPECT_DOUBLE_EQ(l->nf.TotIssRet, 1.5);
    EXPECT_EQ(l->nf.IssRetido(), "S");
    EXPECT_DOUBLE_EQ(l->nf.TotNota, 1234.56);  // the goods' totals are read as before

    auto semIssqn = Ler(Base());
    EXPECT_EQ(semIssqn->nf.TotServ, 0.0);
    EXPECT_EQ(semIssqn->nf.TotIss, 0.0);

    // Like the goods' totals, a service total that is not a number stops the read there.
    auto ruim = Ler(Trocar(comIssqn, "<vISS>14.50</vISS>", "<vISS>14.5O</vISS>"));
    EXPECT_EQ(ruim->resultado.MsgErro, "Tag <vISS> com valor inválido.");
    EXPECT_DOUBLE_EQ(ruim->nf.BaseIss, 290.0);
    EXPECT_EQ(ruim->nf.TotIss, 0.0);
    EXPECT_EQ(ruim->nf.IndFrete, "");
}

TEST(LeitorTotais, VehicleOfTheTransport) {
    auto l = Ler(Trocar(Base(), "<vol>",
                        "<veicTransp><placa>BRA2E19</placa><UF>MG</UF><RNTC>ANTT-4455</RNTC>"
                        "</veicTransp><reboque><placa>XYZ9876</placa></reboque><vol>"));
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.PlacaVeic, "BRA2E19");
    EXPECT_EQ(l->nf.EstadoVeic, "MG");
    EXPECT_EQ(l->nf.RntcVeic, "ANTT-4455");
    EXPECT_EQ(l->nf.Quantidade, "3");

    auto semRntc =
        Ler(Trocar(Base(), "<vol>", "<veicTransp><placa>ABC1234</placa><UF>SP</UF></veicTransp><vol>"));
    EXPECT_EQ(semRntc->nf.PlacaVeic, "ABC1234");
    EXPECT_EQ(semRntc->nf.RntcVeic, "");

    auto semVeiculo = Ler(Base());
    EXPECT_EQ(semVeiculo->nf.PlacaVeic, "");
    EXPECT_EQ(semVeiculo->nf.EstadoVeic, "");
}
