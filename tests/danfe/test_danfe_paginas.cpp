// The prepared DANFE pages of fictitious invoices built in code, inspected through the text and
// picture objects of the pages (never through pixels).
#include "DanfeTeste.h"

#include "util/Code128.h"
#include "util/UString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

DanfePreparado PrepararEm(TNotaFiscal& nf, bool paisagem) {
    nf.tpImp = paisagem ? "2" : "1";
    DanfePreparado d = Preparar(nf);
    EXPECT_TRUE(d.preparado);
    EXPECT_EQ(d.paisagem, paisagem);
    return d;
}

// Position of the first text equal to `texto` in the page's drawing order, or -1.
int Posicao(const TRLGraphicSurface& p, const std::string& texto) {
    const auto t = Textos(p);
    auto it = std::find(t.begin(), t.end(), texto);
    return it == t.end() ? -1 : static_cast<int>(it - t.begin());
}

std::vector<const TRLGraphicObject*> Imagens(const TRLGraphicSurface& p) {
    std::vector<const TRLGraphicObject*> v;
    for (const TRLGraphicObject& o : p.Objects())
        if (o.As<TRLImageObject>()) v.push_back(&o);
    return v;
}

// The bars drawn on the page: the teeth, four points each, of the one filled black outline.
std::vector<TRLPageRect> Barras(const TRLGraphicSurface& p) {
    std::vector<TRLPageRect> v;
    for (const TRLGraphicObject& o : p.Objects()) {
        const auto* f = o.As<TRLPolygonObject>();
        if (!f || f->Brush.Style != TRLBrushStyle::bsSolid || f->Points.size() < 8) continue;
        for (size_t i = 0; i + 3 < f->Points.size(); i += 4)
            v.push_back({f->Points[i + 1].X, f->Points[i + 1].Y, f->Points[i + 2].X, f->Points[i].Y});
    }
    return v;
}

class EmAmbosOsLayouts : public testing::TestWithParam<bool> {};

}  // namespace

TEST(DanfePaginas, TpImpEscolheOLayout) {
    const std::pair<const char*, bool> casos[] = {
        {"2", true}, {"1", false}, {"", false}, {"3", false}, {" 2", false}};
    for (const auto& [tpImp, paisagem] : casos) {
        TNotaFiscal nf;
        PreencherNota(nf);
        nf.tpImp = tpImp;
        DanfePreparado d = Preparar(nf);
        ASSERT_TRUE(d.preparado) << tpImp;
        EXPECT_EQ(d.paisagem, paisagem) << "tpImp '" << tpImp << "'";
        EXPECT_EQ(d.paginas.at(0).Width() > d.paginas.at(0).Height(), paisagem) << tpImp;
    }
}

TEST(DanfePaginas, SemNotaCarregadaNadaEPreparado) {
    TNotaFiscal nf;
    bool chamado = false;
    ImprimirDanfe(nf, true, [&](TFrtDanfe&) { chamado = true; });
    EXPECT_FALSE(chamado);
}

TEST(DanfePaginas, RetratoDeTresFolhasCanhotoSoNaPrimeira) {
    TNotaFiscal nf;
    PreencherNota(nf, 130);
    DanfePreparado d = PrepararEm(nf, false);
    ASSERT_EQ(d.paginas.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(TemTexto(d.paginas[i], "Fl: " + std::to_string(i + 1))) << "sheet " << i + 1;
        EXPECT_EQ(TemTexto(d.paginas[i], "DATA DE RECEBIMENTO"), i == 0) << "stub on sheet " << i + 1;
        EXPECT_TRUE(TemTexto(d.paginas[i], "DANFE"));
        EXPECT_TRUE(TemTexto(d.paginas[i], "CÓD.PROD.")) << "item header on sheet " << i + 1;
    }
    EXPECT_EQ(ContarTexto(d, "Nº. 000.001.234"), 1);
    EXPECT_EQ(ContarTexto(d, "DADOS ADICIONAIS"), 1);
    EXPECT_TRUE(TemTexto(d.paginas[2], "DADOS ADICIONAIS"));
}

TEST(DanfePaginas, PaisagemDeTresFolhasNumeraFolhaEtotal) {
    TNotaFiscal nf;
    PreencherNota(nf, 75);
    DanfePreparado d = PrepararEm(nf, true);
    ASSERT_EQ(d.paginas.size(), 3u);
    EXPECT_EQ(d.ultimaPagina, "3");
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(TemTexto(d.paginas[i], "Fl: " + std::to_string(i + 1))) << "sheet " << i + 1;
        EXPECT_TRUE(TemTexto(d.paginas[i], "/{LastPageNumber}")) << "sheet " << i + 1;
        EXPECT_FALSE(TemTexto(d.paginas[i], "DATA DE RECEBIMENTO"));
    }
}

TEST(DanfePaginas, PrepararDuasVezesDaPaginasIdenticas) {
    TNotaFiscal nf;
    PreencherNota(nf, 80);
    for (bool paisagem : {false, true}) {
        DanfePreparado a = PrepararEm(nf, paisagem);
        DanfePreparado b = PrepararEm(nf, paisagem);
        ASSERT_EQ(a.paginas.size(), b.paginas.size());
        for (size_t i = 0; i < a.paginas.size(); ++i)
            EXPECT_TRUE(a.paginas[i] == b.paginas[i]) << "sheet " << i + 1;
    }
}

struct CasoProtocolo {
    const char* nome;
    std::function<void(TNotaFiscal&)> preparar;
    const char* tituloRetrato;
    const char* valorRetrato;
    const char* tituloPaisagem;
    const char* valorPaisagem;
};

class ProtocoloTeste : public testing::TestWithParam<CasoProtocolo> {};

TEST_P(ProtocoloTeste, PrimeiraRegraQueValeEmCadaLayout) {
    for (bool paisagem : {false, true}) {
        TNotaFiscal nf;
        PreencherNota(nf);
        GetParam().preparar(nf);
        DanfePreparado d = PrepararEm(nf, paisagem);
        const char* titulo = paisagem ? GetParam().tituloPaisagem : GetParam().tituloRetrato;
        const char* valor = paisagem ? GetParam().valorPaisagem : GetParam().valorRetrato;
        EXPECT_TRUE(TemTexto(d.paginas[0], titulo)) << (paisagem ? "landscape " : "portrait ") << titulo;
        EXPECT_TRUE(TemTexto(d.paginas[0], valor)) << (paisagem ? "landscape " : "portrait ") << valor;
    }
}

const CasoProtocolo casosProtocolo[] = {
    {"Autorizacao", [](TNotaFiscal&) {}, "PROTOCOLO DE AUTORIZAÇÃO DE USO",
     "135240000000001 15/01/2024 10:31:00", "Protocolo", "135240000000001 15/01/2024 10:31:00"},
    {"AutorizacaoSemData", [](TNotaFiscal& nf) { nf.DtProtocoloNfe = 0; }, "PROTOCOLO DE AUTORIZAÇÃO DE USO",
     "135240000000001", "Protocolo", "135240000000001"},
    {"CancelamentoVenceAutorizacao",
     [](TNotaFiscal& nf) {
         nf.ProtocoloCancNfe = " 135240000000099 ";
         nf.dhProtocoloCancNfe = "2024-01-16T08:00:00-03:00";
     },
     "PROTOCOLO DE CANCELAMENTO", "135240000000099 2024-01-16T08:00:00-03:00", "PROTOCOLO DE CANCELAMENTO",
     "135240000000099 2024-01-16T08:00:00-03:00"},
    {"InutilizacaoVenceCancelamento",
     [](TNotaFiscal& nf) {
         nf.ProtocoloCancNfe = "135240000000099";
         nf.ProtocoloInutNfe = "135240000000077";
     },
     "PROTOCOLO DE INUTLIZAÇÃO", "135240000000077", "PROTOCOLO DE INUTLIZAÇÃO", "135240000000077"},
    {"DpecSoVenceNaPaisagem",
     [](TNotaFiscal& nf) {
         nf.NumeroDpec = "351240000000555";
         nf.DataDpec = CodificarData(2024, 1, 14);
         nf.HoraDpec = "09:00:00";
     },
     "PROTOCOLO DE AUTORIZAÇÃO DE USO", "135240000000001 15/01/2024 10:31:00", "Número de Registro DPEC",
     "351240000000555 14/01/2024 09:00:00"},
    {"DpecSemAutorizacao",
     [](TNotaFiscal& nf) {
         nf.ProtocoloNfe.clear();
         nf.NumeroDpec = "351240000000555";
     },
     "PROTOCOLO DPEC", "351240000000555", "Número de Registro DPEC", "351240000000555"},
    {"DenegacaoNaoEAutorizacao", [](TNotaFiscal& nf) { nf.Status = "D"; }, "PROTOCOLO DE DENEGAÇÃO DE USO",
     "135240000000001 15/01/2024 10:31:00", "PROTOCOLO DE DENEGAÇÃO DE USO",
     "135240000000001 15/01/2024 10:31:00"},
    {"NenhumProtocolo", [](TNotaFiscal& nf) { nf.ProtocoloNfe.clear(); }, "PROTOCOLO DE AUTORIZAÇÃO DE USO",
     "", "Protocolo", " 15/01/2024 10:31:00"},
};

INSTANTIATE_TEST_SUITE_P(Regras, ProtocoloTeste, testing::ValuesIn(casosProtocolo),
                         [](const testing::TestParamInfo<CasoProtocolo>& i) {
                             return std::string(i.param.nome);
                         });

TEST_P(EmAmbosOsLayouts, LinhasDeFaxDoEmitenteEDoDestinatario) {
    const bool paisagem = GetParam();
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado semFax = PrepararEm(nf, paisagem);
    EXPECT_EQ(TemTexto(semFax.paginas[0], "Fax: "), paisagem);
    EXPECT_TRUE(TemTexto(semFax.paginas[0], "1133334444"));

    nf.Participantes.BuscarCnpj(nf.CnpjFili)->Fax = " 1155556666 ";
    nf.Participantes.BuscarCnpj(nf.Cnpj)->Fax = "1177778888";
    DanfePreparado comFax = PrepararEm(nf, paisagem);
    EXPECT_TRUE(TemTexto(comFax.paginas[0], "Fax: 1155556666"));
    EXPECT_TRUE(TemTexto(comFax.paginas[0], "1133334444/1177778888"));
}

TEST_P(EmAmbosOsLayouts, ParcelasQuitadasESemVencimento) {
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado sem = PrepararEm(nf, GetParam());
    EXPECT_FALSE(TemTextoComecando(sem.paginas[0], "001"));

    TDuplicata& paga = *nf.DuplsNF.Add();
    paga.NumDupl = " 001 ";
    paga.Quitada = true;
    paga.DtVencto = CodificarData(2024, 2, 10);
    paga.VlrDupl = 1234.5;
    TDuplicata& aberta = *nf.DuplsNF.Add();
    aberta.NumDupl = "002";
    aberta.VlrDupl = 250.5;
    DanfePreparado com = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(com.paginas[0],
                         "001 - Quitada - Valor: 1.234,50 / 002 - Vencimento:            - Valor: 250,50"));
}

TEST_P(EmAmbosOsLayouts, BaseDoIcmsSoComValorDoIcms) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.BaseIcms = 8888.88;
    nf.TotIcms = 0;
    nf.BaseIcmsST = 555.5;
    nf.TotIcmsST = 55.55;
    TItemNF& item = nf.ItensNF[0];
    item.BaseIcms = 777.77;
    item.AliqIcms = 17.17;
    item.VlrIcms = 0.004;
    DanfePreparado d = PrepararEm(nf, GetParam());
    EXPECT_FALSE(TemTexto(d.paginas[0], "8.888,88"));
    EXPECT_TRUE(TemTexto(d.paginas[0], "555,50"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "777,77"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "17,17"));

    item.VlrIcms = 0.005;
    DanfePreparado comIcms = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(comIcms.paginas[0], "777,77"));
    EXPECT_TRUE(TemTexto(comIcms.paginas[0], "17,17"));
    EXPECT_TRUE(TemTexto(comIcms.paginas[0], "0,01"));
}

TEST_P(EmAmbosOsLayouts, ComplementarSemValoresEDevolucaoSemIpi) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.TotItem = nf.TotNota = 1;
    TItemNF& item = nf.ItensNF[0];
    item.Qtde = 2.1254;
    item.VlrUnit = 10.123456;
    item.VlrItem = 21.52;
    item.VlrIpi = 3.33;
    item.AliqIpi = 7.77;
    DanfePreparado normal = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(normal.paginas[0], "2,125"));
    EXPECT_TRUE(TemTexto(normal.paginas[0], "10,123456"));
    EXPECT_TRUE(TemTexto(normal.paginas[0], "21,52"));
    EXPECT_TRUE(TemTexto(normal.paginas[0], "7,77"));

    nf.Complementar = true;
    nf.RemeRetoDevol = true;
    DanfePreparado d = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(d.paginas[0], "2,125"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "10,123456"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "21,52"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "3,33"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "7,77"));
}

TEST_P(EmAmbosOsLayouts, SemValorFiscalECancelada) {
    struct Caso {
        const char* tpAmb;
        const char* status;
        const char* aviso;
        const char* palavra;
    };
    const Caso casos[] = {{"2", "", "SEM VALOR FISCAL", "SEM VALOR FISCAL"},
                          {"1", "C", "NOTA FISCAL CANCELADA", "CANCELADA"},
                          {"2", "C", "SEM VALOR FISCAL", "SEM VALOR FISCAL"}};
    for (const Caso& c : casos) {
        TNotaFiscal nf;
        PreencherNota(nf);
        nf.tpAmb = c.tpAmb;
        nf.Status = c.status;
        nf.ObservOrig = "Texto livre da nota";
        DanfePreparado d = PrepararEm(nf, GetParam());
        const auto t = Textos(d.paginas[0]);
        const int aviso = Posicao(d.paginas[0], c.aviso);
        ASSERT_GE(aviso, 0) << c.aviso;
        EXPECT_LT(aviso, Posicao(d.paginas[0], "Texto livre da nota")) << "the warning is the first line";
        EXPECT_TRUE(TemTexto(d.paginas[0], c.palavra));
        EXPECT_EQ(TemTexto(d.paginas[0], "NOTA FISCAL CANCELADA"), std::string(c.tpAmb) != "2");
    }
    TNotaFiscal normal;
    PreencherNota(normal);
    DanfePreparado d = PrepararEm(normal, GetParam());
    EXPECT_FALSE(TemTexto(d.paginas[0], "SEM VALOR FISCAL"));
    EXPECT_FALSE(TemTexto(d.paginas[0], "CANCELADA"));
}

TEST_P(EmAmbosOsLayouts, DenegadaIncompletaESemProtocolo) {
    struct Caso {
        const char* tpAmb;
        const char* status;
        const char* interrompida;
        bool semProtocolo;
        const char* aviso;
        const char* palavra;
    };
    const Caso casos[] = {
        {"1", "D", "", false, "NF-E DENEGADA", "DENEGADA"},
        {"1", "", "Tag <total> não encontrada.", false, "DANFE INCOMPLETO: Tag <total> não encontrada.",
         "INCOMPLETO"},
        {"1", "C", "Tag <total> não encontrada.", false, "DANFE INCOMPLETO: Tag <total> não encontrada.",
         "INCOMPLETO"},
        {"1", "", "Tag <nProt> não encontrada.", true, "NF-E SEM PROTOCOLO DE AUTORIZAÇÃO",
         "SEM VALOR FISCAL"},
        // Homologation wins over all of them.
        {"2", "D", "Tag <total> não encontrada.", false, "SEM VALOR FISCAL", "SEM VALOR FISCAL"},
        {"2", "", "Tag <nProt> não encontrada.", true, "SEM VALOR FISCAL", "SEM VALOR FISCAL"},
    };
    for (const Caso& c : casos) {
        TNotaFiscal nf;
        PreencherNota(nf);
        nf.tpAmb = c.tpAmb;
        nf.Status = c.status;
        nf.LeituraInterrompida = c.interrompida;
        nf.SemProtocolo = c.semProtocolo;
        nf.ObservOrig = "Texto livre da nota";
        DanfePreparado d = PrepararEm(nf, GetParam());
        const int aviso = Posicao(d.paginas[0], c.aviso);
        ASSERT_GE(aviso, 0) << c.aviso;
        EXPECT_LT(aviso, Posicao(d.paginas[0], "Texto livre da nota")) << "the warning is the first line";
        EXPECT_TRUE(TemTexto(d.paginas[0], c.palavra)) << c.palavra;
        EXPECT_FALSE(TemTexto(d.paginas[0], "CANCELADA")) << c.aviso;
    }
}

TEST_P(EmAmbosOsLayouts, IssqnComInscricaoMunicipalOuValorDeServicos) {
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado nenhum = PrepararEm(nf, GetParam());
    EXPECT_FALSE(TemTexto(nenhum.paginas[0], "INSCRIÇÃO MUNICIPAL"));

    // Services the XML states print even when the issuer gives no municipal registration.
    nf.TotServ = 4321.0;
    nf.TotIss = 0;
    DanfePreparado servicos = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(servicos.paginas[0], "INSCRIÇÃO MUNICIPAL"));
    EXPECT_TRUE(TemTexto(servicos.paginas[0], "4.321,00"));

    nf.TotServ = 0;
    nf.Participantes.BuscarCnpj(nf.CnpjFili)->InscrMun = " 998877 ";
    DanfePreparado inscricao = PrepararEm(nf, GetParam());
    EXPECT_TRUE(TemTexto(inscricao.paginas[0], "INSCRIÇÃO MUNICIPAL"));
    EXPECT_TRUE(TemTexto(inscricao.paginas[0], "998877"));
}

TEST_P(EmAmbosOsLayouts, RetiradaEEntregaSoQuandoInformadas) {
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado sem = PrepararEm(nf, GetParam());
    EXPECT_EQ(ContarTexto(sem, "NOME/RAZÃO SOCIAL"), 1);

    nf.CnpjRetirada = "11111111000111";
    NovaParte(nf, nf.CnpjRetirada, "Depósito de Retirada");
    DanfePreparado retirada = PrepararEm(nf, GetParam());
    EXPECT_EQ(ContarTexto(retirada, "NOME/RAZÃO SOCIAL"), 2);
    EXPECT_TRUE(TemTexto(retirada.paginas[0], "DEPÓSITO DE RETIRADA"));
    EXPECT_TRUE(TemTexto(retirada.paginas[0], "11.111.111/0001-11"));

    nf.CnpjEntrega = "22222222000122";
    NovaParte(nf, nf.CnpjEntrega, "Loja de Entrega");
    DanfePreparado ambas = PrepararEm(nf, GetParam());
    EXPECT_EQ(ContarTexto(ambas, "NOME/RAZÃO SOCIAL"), 3);
    EXPECT_TRUE(TemTexto(ambas.paginas[0], "LOJA DE ENTREGA"));
}

TEST_P(EmAmbosOsLayouts, TransportadorEFretePorConta) {
    const bool paisagem = GetParam();
    TNotaFiscal nf;
    PreencherNota(nf);
    // The freight payer is printed whenever the invoice gives its code, carrier or not.
    DanfePreparado sem = PrepararEm(nf, paisagem);
    EXPECT_TRUE(TemTexto(sem.paginas[0], "9 - Sem Transporte"));
    nf.IndFrete.clear();
    DanfePreparado semCodigo = PrepararEm(nf, paisagem);
    EXPECT_FALSE(TemTexto(semCodigo.paginas[0], "9 - Sem Transporte"));

    nf.CnpjTransp = "33333333000133";
    nf.IndFrete = "4";
    nf.PlacaVeic = "ABC1234";
    NovaParte(nf, nf.CnpjTransp, "Transportes Ágeis");
    DanfePreparado com = PrepararEm(nf, paisagem);
    EXPECT_TRUE(TemTexto(com.paginas[0], "4 - Próprio Destinatário"));
    EXPECT_TRUE(TemTexto(com.paginas[0], "TRANSPORTES ÁGEIS"));
}

TEST_P(EmAmbosOsLayouts, NumeroSerieECabecalho) {
    const bool paisagem = GetParam();
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado d = PrepararEm(nf, paisagem);
    const TRLGraphicSurface& p = d.paginas[0];
    EXPECT_TRUE(TemTexto(p, paisagem ? "Nº.000.001.234" : "Nº.1234"));
    EXPECT_TRUE(TemTexto(p, "SÉRIE 1"));
    EXPECT_EQ(TemTexto(p, "Nº. 000.001.234"), !paisagem);
    EXPECT_TRUE(TemTexto(p, paisagem ? "QUANTIDADE" : "QUANTID."));
    EXPECT_TRUE(TemTexto(p, "FÁBRICA EXEMPLO LTDA"));
    EXPECT_TRUE(TemTexto(p, "CLIENTE FICTÍCIO S.A."));
    EXPECT_TRUE(TemTexto(p, "SÃO PAULO"));
    EXPECT_TRUE(TemTexto(p, "3524 0112 3456 7800 0190 5500 1000 0012 3410 0001 2345"));
    EXPECT_EQ(
        TemTexto(p,
                 "RECEBEMOS DE FÁBRICA EXEMPLO LTDA OS PRODUTOS CONSTANTES DA NOTA FISCAL INDICADA AO LADO"),
        !paisagem);
}

// A long product code goes on over the next lines in both layouts: cut at its column's edges, it
// would lose characters.
TEST_P(EmAmbosOsLayouts, CodigoDoProdutoQuebraDepoisDe15) {
    const bool paisagem = GetParam();
    const std::string c40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    TNotaFiscal nf;
    PreencherNota(nf, 0);
    NovoItem(nf, 1, "ABCDEFGHIJKLMNO");
    NovoItem(nf, 2, "QRSTUVWXYZ012345");
    NovoItem(nf, 3, c40);
    NovoItem(nf, 4, "ÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛÇ");
    DanfePreparado d = PrepararEm(nf, paisagem);
    const TRLGraphicSurface& p = d.paginas[0];
    // The code column's lines: the texts in the box of the first code's line.
    const TRLGraphicObject* primeira = nullptr;
    for (const TRLGraphicObject& o : p.Objects())
        if (const auto* t = o.As<TRLTextObject>(); t && !primeira && t->Text.rfind("ABCDEFGH", 0) == 0)
            primeira = &o;
    ASSERT_NE(primeira, nullptr);
    std::string coluna;
    int linhas = 0;
    for (const TRLGraphicObject& o : p.Objects()) {
        const auto* t = o.As<TRLTextObject>();
        if (!t || o.BoundsRect.Left != primeira->BoundsRect.Left ||
            o.BoundsRect.Width() != primeira->BoundsRect.Width())
            continue;
        coluna += t->Text;
        ++linhas;
    }
    EXPECT_EQ(coluna,
              "ABCDEFGHIJKLMNO"
              "QRSTUVWXYZ012345" +
                  c40 + "ÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛÇ")
        << "characters lost";
    EXPECT_FALSE(TemTexto(p, "QRSTUVWXYZ012345")) << "a second line after 15 characters at the latest";
    EXPECT_FALSE(TemTexto(p, c40)) << "40 characters never fit one line";
    EXPECT_GT(linhas, 6);
}

TEST_P(EmAmbosOsLayouts, ItensUmaVezEmOrdemDeSeqItemMesmoComFalhas) {
    // Numbers out of order, repeated, with gaps, zero and negative: each item prints once,
    // ascending by number, equal numbers in collection order.
    TNotaFiscal nf;
    PreencherNota(nf, 0);
    const std::pair<int, const char*> itens[] = {{9, "K9"}, {2, "B2"}, {5, "E5"},
                                                 {2, "C2"}, {0, "A0"}, {-3, "Z-3"}};
    for (const auto& [seq, codigo] : itens) NovoItem(nf, seq, codigo);
    DanfePreparado d = PrepararEm(nf, GetParam());
    const char* ordem[] = {"Z-3", "A0", "B2", "C2", "E5", "K9"};
    int anterior = -1;
    for (const char* codigo : ordem) {
        EXPECT_EQ(ContarTexto(d, codigo), 1) << codigo;
        const int pos = Posicao(d.paginas[0], codigo);
        EXPECT_GT(pos, anterior) << codigo;
        anterior = pos;
    }
}

TEST_P(EmAmbosOsLayouts, InformacaoComplementarLongaNaoSePerde) {
    TNotaFiscal nf;
    PreencherNota(nf);
    std::string texto;
    for (int i = 1; i <= 1340; ++i) {
        char palavra[8];
        std::snprintf(palavra, sizeof palavra, "w%04d ", i);
        texto += palavra;
    }
    ASSERT_GE(texto.size(), 8000u);
    nf.ObservOrig = texto;
    DanfePreparado d = PrepararEm(nf, GetParam());
    EXPECT_GT(d.paginas.size(), 1u);
    std::set<std::string> impressas;
    for (const TRLGraphicSurface& p : d.paginas)
        for (const std::string& t : Textos(p)) {
            std::istringstream in(t);
            for (std::string w; in >> w;) impressas.insert(w);
        }
    for (int i = 1; i <= 1340; ++i) {
        char palavra[8];
        std::snprintf(palavra, sizeof palavra, "w%04d", i);
        ASSERT_TRUE(impressas.count(palavra)) << palavra << " is missing";
    }
}

TEST_P(EmAmbosOsLayouts, LogoPadraoOuDaNotaOuNenhum) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.tpImp = GetParam() ? "2" : "1";
    EXPECT_EQ(Imagens(Preparar(nf, true).paginas.at(0)).size(), 1u);
    EXPECT_EQ(Imagens(Preparar(nf, false).paginas.at(0)).size(), 0u);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    nf.Logo = &logo;
    EXPECT_EQ(Imagens(Preparar(nf, false).paginas.at(0)).size(), 1u);
    nf.Logo = nullptr;
}

TEST_P(EmAmbosOsLayouts, CodigoDeBarrasLargoDemaisEEncaixadoNaoCortado) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.ChaveNfe = "NFe35240112345678000190550010000012341000012345";
    DanfePreparado d = PrepararEm(nf, GetParam());
    const std::vector<TRLPageRect> barras = Barras(d.paginas[0]);
    int modulos = 0;
    const std::string padrao = CodificarCode128(nf.ChaveNfe);
    for (char c : padrao) modulos += c - '0';
    ASSERT_GT(modulos, 280) << "the key must be wider than the box for this test";
    EXPECT_EQ(barras.size(), (padrao.size() + 1) / 2) << "every bar drawn: none cut";
    ASSERT_FALSE(barras.empty());
    EXPECT_LE(barras.back().Right - barras.front().Left, 280) << "squeezed into the box";
}

TEST_P(EmAmbosOsLayouts, CodigoDeBarrasDaChaveEmBarrasDeUmPixelPorModulo) {
    TNotaFiscal nf;
    PreencherNota(nf);
    DanfePreparado d = PrepararEm(nf, GetParam());
    const std::string padrao = CodificarCode128(TirarEspacos(nf.ChaveNfe));
    const std::vector<TRLPageRect> barras = Barras(d.paginas[0]);
    ASSERT_EQ(barras.size(), (padrao.size() + 1) / 2);
    // Each bar as wide as its modules, each gap too: the bars are the pattern, pixel for pixel.
    for (size_t i = 0; i < barras.size(); ++i) {
        EXPECT_EQ(barras[i].Width(), padrao[2 * i] - '0') << "bar " << i;
        EXPECT_EQ(barras[i].Height(), 35);
        if (i > 0) {
            EXPECT_EQ(barras[i].Left - barras[i - 1].Right, padrao[2 * i - 1] - '0') << "gap " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, EmAmbosOsLayouts, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& i) {
                             return i.param ? "Paisagem" : "Retrato";
                         });

TEST(DanfePaginas, DescrPagadorFrete) {
    const std::pair<const char*, const char*> casos[] = {
        {"0", "0 - Remetente"},         {"1", "1 - Destinatário"},         {"2", "2 - Terceiros"},
        {"3", "3 - Próprio Remetente"}, {"4", "4 - Próprio Destinatário"}, {"9", "9 - Sem Transporte"},
        {"5", "9 - Sem Transporte"},    {"", "9 - Sem Transporte"},        {" 1", "9 - Sem Transporte"}};
    for (const auto& [codigo, texto] : casos)
        EXPECT_EQ(TFrtDanfe::DescrPagadorFrete(codigo), texto) << "'" << codigo << "'";
}

// A text wider than a fixed box keeps its beginning whatever its alignment: the volume species,
// a long issuer name and street lose their end, never their start.
TEST_P(EmAmbosOsLayouts, TextoLargoDemaisGuardaOComecoEmTodaCaixa) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.EspecieEmb = "CAIXAS DE MADEIRA REFORÇADA PARA TRANSPORTE";
    TParticipante& emitente = nf.Participantes[0];
    emitente.Razao = "INDÚSTRIA E COMÉRCIO DE MÓVEIS PLANEJADOS E ESTOFADOS FICTÍCIOS DO VALE LTDA";
    emitente.Endereco = "AVENIDA DOUTOR ENGENHEIRO ALBERTO DE SOUZA MONTEIRO DE BARROS SOBRINHO";
    DanfePreparado d = PrepararEm(nf, GetParam());
    ASSERT_TRUE(TemTextoComecando(d.paginas[0], "CAIXAS DE MADEIRA"));
    for (const TRLGraphicSurface& p : d.paginas)
        for (const TRLGraphicObject& o : p.Objects())
            if (const auto* t = o.As<TRLTextObject>(); t && t->Angle == 0) {
                EXPECT_GE(t->Origin.X, o.BoundsRect.Left) << "\"" << t->Text << "\" loses its start";
            }
}
