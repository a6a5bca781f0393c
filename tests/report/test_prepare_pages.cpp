// Page preparation on small reports built in the tests: band order, page breaks, headers, splits,
// bottom alignment, page numbers, events, errors and cancel.
#include "test_prepare_apoio.h"

#include "report/RLProgress.h"
#include "report/RLSystemInfo.h"
#include "report/RLTextLayout.h"
#include "report/RLTexts.h"
#include "util/Erros.h"

#include <algorithm>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

constexpr int kLimite = 1093;  // bottom limit of an A4 portrait page with 8 mm margins

int AlturaDaLinha() {
    return TRLTextMeasurer(FonteTimes(9)).TextHeight();
}

// An item row whose memo shows `linhas` lines named after the row ("r<n>l<k>").
TRLBand& LinhaDeItens(RelatorioDeTeste& r, TRLSubDetail& sub, int linhas, bool integral) {
    auto& banda = sub.Criar<TRLBand>("RLBand1");
    banda.BandType = TRLBandType::btDetail;
    banda.IntegralHeight = integral;
    banda.SetBounds(0, 50, 734, 10);
    auto& memo = banda.Criar<TRLMemo>("memoItem");
    memo.SetFont(FonteTimes(9));
    memo.SetBounds(0, 0, 300, 10);
    banda.BeforePrint = [&r, &memo, linhas](TRLCustomControl&, bool&) {
        memo.ClearLines();
        const std::string n = r.linhas.AsString("ITEM");
        for (int k = 1; k <= linhas; ++k) memo.AddLine("r" + n + "l" + std::to_string(k));
    };
    return banda;
}

int ContarEmTodas(const RelatorioDeTeste& r, const std::string& texto) {
    int n = 0;
    for (int p = 0; p < r.Paginas(); ++p) {
        const auto textos = SoTextos(*r.Pagina(p));
        n += static_cast<int>(std::count(textos.begin(), textos.end(), texto));
    }
    return n;
}

}  // namespace

TEST(PrepararPaginas, RelatorioSuprimidoNaoGeraPaginas) {
    RelatorioDeTeste r;
    Banda(r.relatorio, "cab", TRLBandType::btHeader, 0, 50);
    r.relatorio.BeforePrint = [](TRLCustomControl&, bool& printIt) { printIt = false; };
    EXPECT_FALSE(r.relatorio.PreparePages());
    EXPECT_EQ(r.Paginas(), 0);
    EXPECT_EQ(r.relatorio.State(), TRLReportState::rsIdle);
}

TEST(PrepararPaginas, DetalhesEmOrdemCrescenteDeTopo) {
    RelatorioDeTeste r;
    Banda(r.relatorio, "C", TRLBandType::btDetail, 300, 40);
    Banda(r.relatorio, "A", TRLBandType::btDetail, 100, 40);
    Banda(r.relatorio, "B", TRLBandType::btDetail, 200, 40);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 1);
    const auto pagina = r.Pagina(0);
    EXPECT_EQ(TopoDe(*pagina, "A"), 30);
    EXPECT_EQ(TopoDe(*pagina, "B"), 70);
    EXPECT_EQ(TopoDe(*pagina, "C"), 110);
}

TEST(PrepararPaginas, BandaSuprimidaNaoOcupaEspacoNemConta) {
    RelatorioDeTeste r;
    Banda(r.relatorio, "A", TRLBandType::btDetail, 100, 50);
    auto& b = Banda(r.relatorio, "B", TRLBandType::btDetail, 150, 60);
    Banda(r.relatorio, "C", TRLBandType::btDetail, 210, 40);
    bool depois = false;
    b.BeforePrint = [](TRLCustomControl&, bool& printIt) { printIt = false; };
    b.AfterPrint = [&depois](TRLCustomControl&) { depois = true; };
    ASSERT_TRUE(r.relatorio.PreparePages());
    const auto pagina = r.Pagina(0);
    EXPECT_EQ(TopoDe(*pagina, "C"), 80);
    EXPECT_EQ(TopoDe(*pagina, "B"), -1);
    EXPECT_FALSE(depois);
    EXPECT_EQ(r.relatorio.DetailCount(), 2);
}

TEST(PrepararPaginas, SemDetalheImpressoSoImprimeComPrintEmpty) {
    for (bool vazio : {true, false}) {
        RelatorioDeTeste r;
        Banda(r.relatorio, "cab", TRLBandType::btHeader, 0, 50);
        auto& b = Banda(r.relatorio, "B", TRLBandType::btDetail, 150, 60);
        b.BeforePrint = [](TRLCustomControl&, bool& printIt) { printIt = false; };
        r.relatorio.PrintEmpty = vazio;
        ASSERT_TRUE(r.relatorio.PreparePages());
        EXPECT_EQ(r.Paginas(), vazio ? 1 : 0) << "PrintEmpty " << vazio;
    }
}

TEST(PrepararPaginas, CabecalhosEmTodaFolhaComBeforePrintAntesDeles) {
    RelatorioDeTeste r(100);
    std::vector<std::string> eventos;
    bool canhoto = true;
    auto& stub = Banda(r.relatorio, "canhoto", TRLBandType::btHeader, 0, 50);
    auto& dados = Banda(r.relatorio, "dados", TRLBandType::btHeader, 50, 50);
    stub.BeforePrint = [&](TRLCustomControl&, bool& printIt) {
        eventos.push_back("canhoto");
        printIt = canhoto;
    };
    stub.AfterPrint = [&](TRLCustomControl&) { canhoto = false; };
    dados.BeforePrint = [&](TRLCustomControl&, bool&) { eventos.push_back("dados"); };
    auto& sub = r.SubDetalhe(200);
    auto& col = Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    col.BeforePrint = [&](TRLCustomControl&, bool&) { eventos.push_back("col"); };
    auto& item = LinhaDeItens(r, sub, 2, false);
    auto antes = item.BeforePrint;
    item.BeforePrint = [&, antes](TRLCustomControl& s, bool& p) {
        eventos.push_back("item");
        antes(s, p);
    };
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_GE(r.Paginas(), 3);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "canhoto"), 30);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "dados"), 80);
    for (int p = 1; p < r.Paginas(); ++p) {
        EXPECT_EQ(TopoDe(*r.Pagina(p), "canhoto"), -1) << "folha " << p + 1;
        EXPECT_EQ(TopoDe(*r.Pagina(p), "dados"), 30) << "folha " << p + 1;
        EXPECT_EQ(TopoDe(*r.Pagina(p), "col"), 80) << "folha " << p + 1;
    }
    // On each new sheet: the row that breaks, then the sheet's headers, then the column header.
    const auto segundo = std::find(eventos.begin() + 1, eventos.end(), std::string("canhoto"));
    ASSERT_NE(segundo, eventos.end());
    ASSERT_GE(segundo - eventos.begin(), 1);
    EXPECT_EQ(*(segundo - 1), "item");
    EXPECT_EQ(*(segundo + 1), "dados");
    EXPECT_EQ(*(segundo + 2), "col");
    EXPECT_EQ(std::count(eventos.begin(), eventos.end(), std::string("dados")), r.Paginas());
}

TEST(PrepararPaginas, BandaIntegralQueNaoCabeVaiInteiraParaAProximaFolha) {
    RelatorioDeTeste r(10);
    Banda(r.relatorio, "H", TRLBandType::btHeader, 0, 50);
    auto& sub = r.SubDetalhe(100);
    Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    auto& item = Banda(sub, "item", TRLBandType::btDetail, 40, 100);
    item.IntegralHeight = true;
    auto& rotulo = *static_cast<TRLLabel*>(item.Children()[0].get());
    item.BeforePrint = [&](TRLCustomControl&, bool&) {
        rotulo.SetCaption("item" + r.linhas.AsString("ITEM"));
    };
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    // 80 + 40 + 9 x 100 = 1020: the tenth row (100) passes 1093.
    EXPECT_EQ(TopoDe(*r.Pagina(0), "item9"), 80 + 40 + 800);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "item10"), -1);
    const auto segunda = r.Pagina(1);
    EXPECT_EQ(SoTextos(*segunda), (std::vector<std::string>{"H", "col", "item10"}));
    EXPECT_EQ(TopoDe(*segunda, "H"), 30);
    EXPECT_EQ(TopoDe(*segunda, "col"), 80);
    EXPECT_EQ(TopoDe(*segunda, "item10"), 120);
}

// Where the second row must break: `livre` pixels left for it on the first sheet.
struct CasoDeQuebra {
    const char* nome;
    int linhasQueCabem2x;  // free space for row 2, in half text lines
    int linhasNaPrimeira;  // lines of row 2 left on the first sheet
};

void PrintTo(const CasoDeQuebra& c, std::ostream* os) {
    *os << c.nome;
}

class QuebraDaLinhaDeItens : public ::testing::TestWithParam<CasoDeQuebra> {};

TEST_P(QuebraDaLinhaDeItens, DivideEntreLinhasDoMemo) {
    const CasoDeQuebra caso = GetParam();
    const int lh = AlturaDaLinha();
    const int livre = caso.linhasQueCabem2x * lh / 2;
    RelatorioDeTeste r(3);
    // filler + 40 (column header) + 5 lines (row 1) + livre reaches the bottom limit
    const int enchimento = kLimite - 30 - 40 - 5 * lh - livre;
    Banda(r.relatorio, "enchimento", TRLBandType::btDetail, 10, enchimento);
    auto& sub = r.SubDetalhe(100);
    Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    LinhaDeItens(r, sub, 5, false);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    const auto primeira = r.Pagina(0);
    const auto segunda = r.Pagina(1);
    for (int k = 1; k <= 5; ++k) {
        const std::string linha = "r2l" + std::to_string(k);
        const bool naPrimeira = k <= caso.linhasNaPrimeira;
        EXPECT_EQ(TopoDe(*primeira, linha) >= 0, naPrimeira) << linha;
        EXPECT_EQ(ContarEmTodas(r, linha), 1) << linha;
        if (!naPrimeira) {
            EXPECT_EQ(TopoDe(*segunda, linha), 70 + (k - 1 - caso.linhasNaPrimeira) * lh) << linha;
        }
    }
    EXPECT_EQ(TopoDe(*segunda, "col"), 30);
    for (const auto& t : TextosDa(*primeira)) EXPECT_LE(t.caixa.Bottom, kLimite) << t.texto;
}

INSTANTIATE_TEST_SUITE_P(Casos, QuebraDaLinhaDeItens,
                         ::testing::Values(CasoDeQuebra{"duas linhas e meia cabem", 5, 2},
                                           CasoDeQuebra{"so meia linha cabe, a linha inteira muda", 1, 0},
                                           CasoDeQuebra{"quatro linhas cabem exatamente", 8, 4}),
                         [](const auto& info) {
                             std::string n = info.param.nome;
                             std::replace_if(
                                 n.begin(), n.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return n;
                         });

TEST(PrepararPaginas, CabecalhoDeColunaAcompanhaAPrimeiraLinhaQueNaoCabe) {
    const int lh = AlturaDaLinha();
    RelatorioDeTeste r(2);
    const int enchimento = kLimite - 30 - 40 - lh / 2;
    Banda(r.relatorio, "enchimento", TRLBandType::btDetail, 10, enchimento);
    auto& sub = r.SubDetalhe(100);
    Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    LinhaDeItens(r, sub, 3, false);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    EXPECT_EQ(SoTextos(*r.Pagina(0)), std::vector<std::string>{"enchimento"});
    EXPECT_EQ(TopoDe(*r.Pagina(1), "col"), 30);
    EXPECT_EQ(TopoDe(*r.Pagina(1), "r1l1"), 70);
    EXPECT_EQ(TopoDe(*r.Pagina(1), "r2l1"), 70 + 3 * lh);
}

TEST(PrepararPaginas, SumarioAlinhadoAoFundoTerminaNoLimite) {
    RelatorioDeTeste r(3);
    auto& sub = r.SubDetalhe(100);
    Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    Banda(sub, "item", TRLBandType::btDetail, 40, 20);
    auto& adicionais = Banda(sub, "adicionais", TRLBandType::btSummary, 80, 60);
    adicionais.AlignToBottom = true;
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 1);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "adicionais"), kLimite - 60);
}

TEST(PrepararPaginas, SumarioAlinhadoVaiAoPeDeNovaFolhaQuandoJaPassou) {
    for (int passou : {0, 15}) {
        RelatorioDeTeste r(3);
        // the third row ends exactly at (0) or below (15) the aligned row 1033
        Banda(r.relatorio, "enchimento", TRLBandType::btDetail, 10, kLimite - 60 - 30 - 40 - 60 + passou);
        auto& sub = r.SubDetalhe(100);
        Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
        Banda(sub, "item", TRLBandType::btDetail, 40, 20);
        auto& adicionais = Banda(sub, "adicionais", TRLBandType::btSummary, 80, 60);
        adicionais.AlignToBottom = true;
        ASSERT_TRUE(r.relatorio.PreparePages());
        ASSERT_EQ(r.Paginas(), 2) << passou;
        EXPECT_EQ(TopoDe(*r.Pagina(0), "adicionais"), -1);
        // The rows ended on the first page: the second has no column header heading nothing.
        EXPECT_EQ(TopoDe(*r.Pagina(1), "col"), -1);
        EXPECT_EQ(TopoDe(*r.Pagina(1), "adicionais"), kLimite - 60);
    }
}

TEST(PrepararPaginas, SubDetalheVazioImprimeSumariosSobOCabecalhoDeColuna) {
    RelatorioDeTeste r(0);
    Banda(r.relatorio, "ident", TRLBandType::btDetail, 10, 65);
    auto& sub = r.SubDetalhe(100);
    Banda(sub, "col", TRLBandType::btColumnHeader, 0, 40);
    Banda(sub, "item", TRLBandType::btDetail, 40, 20);
    Banda(sub, "issqn", TRLBandType::btSummary, 60, 51);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 1);
    EXPECT_EQ(SoTextos(*r.Pagina(0)), (std::vector<std::string>{"ident", "col", "issqn"}));
    EXPECT_EQ(TopoDe(*r.Pagina(0), "col"), 95);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "issqn"), 135);
}

TEST(PrepararPaginas, SegundoSumarioQueQuebraNaoRepeteOPrimeiro) {
    RelatorioDeTeste r(1);
    Banda(r.relatorio, "enchimento", TRLBandType::btDetail, 10, 600);
    auto& sub = r.SubDetalhe(700);
    Banda(sub, "item", TRLBandType::btDetail, 40, 20);
    Banda(sub, "S1", TRLBandType::btSummary, 60, 300);
    Banda(sub, "S2", TRLBandType::btSummary, 70, 300);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    EXPECT_EQ(ContarEmTodas(r, "S1"), 1);
    EXPECT_EQ(ContarEmTodas(r, "S2"), 1);
    EXPECT_EQ(TopoDe(*r.Pagina(1), "S2"), 30);
}

TEST(PrepararPaginas, CopiasCarbonoImprimemEmSequencia) {
    RelatorioDeTeste r;
    auto& b = Banda(r.relatorio, "via", TRLBandType::btDetail, 10, 100);
    b.CarbonCopies = 3;
    ASSERT_TRUE(r.relatorio.PreparePages());
    std::vector<int> topos;
    for (const auto& t : TextosDa(*r.Pagina(0))) topos.push_back(t.caixa.Top);
    EXPECT_EQ(topos, (std::vector<int>{30, 130, 230}));
}

TEST(PrepararPaginas, NumerosDePaginaEMacros) {
    RelatorioDeTeste r(5);
    auto& cab = r.relatorio.Criar<TRLBand>("cab");
    cab.BandType = TRLBandType::btHeader;
    cab.SetBounds(30, 0, 734, 20);
    auto& folha = cab.Criar<TRLSystemInfo>("folha");
    folha.Info = TRLInfoType::itPageNumber;
    folha.Text = "Fl: ";
    folha.SetFont(FonteTimes(7));
    auto& total = cab.Criar<TRLSystemInfo>("total");
    total.Info = TRLInfoType::itLastPageNumber;
    total.Text = "/";
    total.SetFont(FonteTimes(7));
    total.Left = 100;
    auto& sub = r.SubDetalhe(100);
    auto& item = Banda(sub, "item", TRLBandType::btDetail, 40, 500);
    item.IntegralHeight = true;
    r.relatorio.Title = "DANFE";
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 3);
    const TRLMacros& loja = r.relatorio.Pages().Macros();
    EXPECT_EQ(loja.Value("LastPageNumber"), "3");
    EXPECT_EQ(loja.Value("FirstPageNumber"), "1");
    EXPECT_EQ(loja.Value("Title"), "DANFE");
    EXPECT_EQ(loja.Value("Orientation"), "1");
    EXPECT_EQ(loja.Value("PaperWidth"), "210");
    EXPECT_EQ(loja.Value("PaperHeight"), "297");
    EXPECT_NE(loja.Value("JobTitle").find(".RLReport1"), std::string::npos);
    for (int p = 0; p < 3; ++p) {
        const auto pagina = r.Pagina(p);
        EXPECT_EQ(pagina->Macros().Value("PageNo"), std::to_string(p + 1));
        EXPECT_EQ(pagina->Macros().Value("CompositeIndex"), "0");
        EXPECT_EQ(TopoDe(*pagina, "Fl: " + std::to_string(p + 1)), 30);
        ASSERT_EQ(TopoDe(*pagina, "/{LastPageNumber}"), 30);
        EXPECT_EQ(ExpandirMacros("/{LastPageNumber}", pagina->Macros(), loja), "/3");
    }
}

TEST(PrepararPaginas, PaisagemTrocaLarguraEAlturaMasNaoAsMacrosDoPapel) {
    RelatorioDeTeste r;
    r.relatorio.PageSetup.Orientation = TRLPageOrientation::poLandscape;
    Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(r.Pagina(0)->Width(), 1123);
    EXPECT_EQ(r.Pagina(0)->Height(), 794);
    EXPECT_EQ(r.relatorio.Pages().Macros().Value("Orientation"), "2");
    EXPECT_EQ(r.relatorio.Pages().Macros().Value("PaperWidth"), "210");
}

TEST(PrepararPaginas, EventosDoRelatorioEmOrdem) {
    RelatorioDeTeste r;
    std::vector<std::string> eventos;
    int paginasNoFim = -1;
    r.relatorio.BeforePrint = [&](TRLCustomControl&, bool&) { eventos.push_back("relatorio antes"); };
    r.relatorio.AfterPrint = [&](TRLCustomControl&) {
        eventos.push_back("relatorio depois");
        paginasNoFim = r.Paginas();
    };
    auto& b = Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    b.BeforePrint = [&](TRLCustomControl&, bool&) { eventos.push_back("banda antes"); };
    b.AfterPrint = [&](TRLCustomControl&) { eventos.push_back("banda depois"); };
    auto& rotulo = *static_cast<TRLLabel*>(b.Children()[0].get());
    rotulo.AfterPrint = [&](TRLCustomControl&) { eventos.push_back("rotulo depois"); };
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(eventos, (std::vector<std::string>{"relatorio antes", "banda antes", "rotulo depois",
                                                 "banda depois", "relatorio depois"}));
    EXPECT_EQ(paginasNoFim, 1);
}

TEST(PrepararPaginas, LimitesRestauradosEntrePreparacoes) {
    RelatorioDeTeste r(2);
    auto& sub = r.SubDetalhe(100);
    auto& item = LinhaDeItens(r, sub, 4, false);
    ASSERT_TRUE(r.relatorio.PreparePages());
    const auto primeira = SoTextos(*r.Pagina(0));
    EXPECT_EQ(item.Height, 10);
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(SoTextos(*r.Pagina(0)), primeira);
    EXPECT_EQ(r.Paginas(), 1);
}

TEST(PrepararPaginas, ErroDeManipuladorViraMensagemSemPaginasProntas) {
    NotificadorDeTeste notificador;
    NotificadorInstalado instalado(&notificador);
    RelatorioDeTeste r;
    auto& b = Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    b.BeforePrint = [](TRLCustomControl&, bool&) {
        throw EConvertError("'12,x' is not a valid floating point value");
    };
    EXPECT_FALSE(r.relatorio.PreparePages());
    EXPECT_EQ(r.relatorio.State(), TRLReportState::rsIdle);
    ASSERT_EQ(notificador.mensagens.size(), 1u);
    EXPECT_EQ(notificador.mensagens[0], "RLReport1: " + LSTexto(TextoRL::ErroAoPreparar) +
                                            "\nEConvertError('12,x' is not a valid floating point value)");
}

TEST(PrepararPaginas, ControleForaDeRelatorioAcusaNaoEncontrado) {
    TRLBand solta("bandSolta");
    try {
        solta.Print();
        FAIL() << "sem erro";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), LSTexto(TextoRL::NaoEncontrado) + ": bandSolta.ParentPager");
    }
}

namespace {

class ProgressoQueCancela : public TRLProgress {
public:
    void Abrir(const std::string& c) override { passos.push_back("abrir " + c); }
    void DefinirPasso(const std::string& p) override { passos.push_back(p); }
    void DefinirMaximo(int m) override { maximo = m; }
    void Avancar() override { cancelado = true; }
    void Fechar() override { passos.push_back("fechar"); }
    bool Cancelado() const override { return cancelado; }
    std::vector<std::string> passos;
    int maximo = -1;
    bool cancelado = false;
};

}  // namespace

TEST(PrepararPaginas, CancelarTerminaSemMensagem) {
    NotificadorDeTeste notificador;
    NotificadorInstalado instalado(&notificador);
    RelatorioDeTeste r;
    for (int i = 2; i <= 3; ++i) {
        r.mestre.Append();
        r.mestre.SetInteger("ID", i);
        r.mestre.Post();
    }
    Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    ProgressoQueCancela progresso;
    r.relatorio.Progress = &progresso;
    r.relatorio.ShowProgress = true;
    EXPECT_FALSE(r.relatorio.PreparePages());
    EXPECT_TRUE(notificador.mensagens.empty());
    EXPECT_EQ(progresso.maximo, 3);
    EXPECT_EQ(progresso.passos.front(), "abrir " + LSTexto(TextoRL::ImprimindoRelatorio));
    EXPECT_EQ(progresso.passos.back(), "fechar");
    // the page of the first record is still closed and stored
    ASSERT_EQ(r.Paginas(), 1);
    EXPECT_EQ(SoTextos(*r.Pagina(0)), std::vector<std::string>{"A"});
}

TEST(PrepararPaginas, BandaMaiorQueAFolhaEDivididaSemPassarDoPapel) {
    RelatorioDeTeste r;
    auto& b = Banda(r.relatorio, "longa", TRLBandType::btDetail, 10, 20);
    auto& memo = b.Criar<TRLMemo>("memoLongo");
    memo.SetFont(FonteTimes(9));
    memo.SetBounds(0, 10, 400, 10);
    for (int i = 1; i <= 250; ++i) memo.AddLine("linha " + std::to_string(i));
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_GE(r.Paginas(), 2);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "longa"), 30) << "no sheet is left empty before the band";
    for (int p = 0; p < r.Paginas(); ++p)
        for (const auto& t : TextosDa(*r.Pagina(p)))
            EXPECT_LE(t.caixa.Bottom, kLimite) << "folha " << p + 1 << ": " << t.texto;
    for (int i = 1; i <= 250; ++i) EXPECT_EQ(ContarEmTodas(r, "linha " + std::to_string(i)), 1) << i;
}

TEST(PrepararPaginas, RodapesReduzemOLimiteEImprimemEmCadaFolha) {
    RelatorioDeTeste r;
    Banda(r.relatorio, "rodape", TRLBandType::btFooter, 900, 50);
    Banda(r.relatorio, "rodapeColuna", TRLBandType::btColumnFooter, 800, 13);
    for (int i = 0; i < 13; ++i)
        Banda(r.relatorio, "d" + std::to_string(i), TRLBandType::btDetail, 10 + i, 80);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    // Without footers 13 rows of 80 from 30 would end at 1070 <= 1093; the footer (50) and the
    // column footer (13) bring the limit to 1030, so the thirteenth row moves.
    const auto primeira = SoTextos(*r.Pagina(0));
    const auto segunda = SoTextos(*r.Pagina(1));
    EXPECT_EQ(std::count(primeira.begin(), primeira.end(), std::string("rodape")), 1);
    EXPECT_EQ(std::count(segunda.begin(), segunda.end(), std::string("rodape")), 1);
    EXPECT_EQ(std::count(segunda.begin(), segunda.end(), std::string("rodapeColuna")), 1);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "d11"), 30 + 11 * 80);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "d12"), -1);
    EXPECT_EQ(TopoDe(*r.Pagina(1), "d12"), 30);
}

// A stub that heads the first sheet only leaves its height free on the next: a band that fits
// the continuation sheet whole moves there whole instead of being split.
TEST(PrepararPaginas, BandaQueCabeNaFolhaSemOCanhotoVaiInteira) {
    RelatorioDeTeste r;
    auto& canhoto = Banda(r.relatorio, "stub", TRLBandType::btHeader, 0, 90);
    bool primeira = true;
    canhoto.BeforePrint = [&primeira](TRLCustomControl&, bool& p) { p = primeira; };
    canhoto.AfterPrint = [&primeira](TRLCustomControl&) { primeira = false; };
    canhoto.PrintsOnNewPage = [&primeira] { return primeira; };
    Banda(r.relatorio, "H", TRLBandType::btHeader, 5, 50);
    Banda(r.relatorio, "d", TRLBandType::btDetail, 10, 600);
    // 1093 - 30 - 50 = 1013 on a continuation sheet; 923 when the stub is wrongly counted.
    auto& inteira = Banda(r.relatorio, "x", TRLBandType::btDetail, 20, 980);
    inteira.IntegralHeight = true;
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 2);
    EXPECT_EQ(TopoDe(*r.Pagina(0), "x"), -1);
    EXPECT_EQ(SoTextos(*r.Pagina(1)), (std::vector<std::string>{"H", "x"}));
    EXPECT_EQ(TopoDe(*r.Pagina(1), "x"), 80);
}
