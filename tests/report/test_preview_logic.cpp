// A preview pane's rules without a window: zoom, layout of the page boxes, navigation, the view
// switch, edit-mode picking and the find over a store.
#include "report/RLPreviewLogic.h"

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

const TRLTamanho a4{794, 1123};

TRLPreviewPane Painel(int paginas) {
    return TRLPreviewPane(paginas, a4);
}

TEST(ZoomDigitado, ReadsCommaAndPercentAndRefusesBelowMinimum) {
    EXPECT_EQ(LerZoomDigitado("75,5%"), 75.5);
    EXPECT_EQ(LerZoomDigitado(" 120 "), 120.0);
    EXPECT_EQ(LerZoomDigitado("10"), 10.0);
    EXPECT_FALSE(LerZoomDigitado("5"));
    EXPECT_FALSE(LerZoomDigitado("9,99"));
    EXPECT_FALSE(LerZoomDigitado("abc"));
    EXPECT_FALSE(LerZoomDigitado("12x"));
    EXPECT_FALSE(LerZoomDigitado(""));
    EXPECT_FALSE(LerZoomDigitado("-50"));
}

TEST(ZoomDigitado, ShownTextReadsBackAsTheSameZoom) {
    for (double z : {10.0, 75.5, 100.0, 133.25}) EXPECT_EQ(LerZoomDigitado(TextoDoZoom(z)), z) << z;
    EXPECT_EQ(TextoDoZoom(100), "100%");
}

TEST(ZoomDoPainel, TypedTextElseSelectedItemElseNothing) {
    auto p = Painel(3);
    EXPECT_TRUE(p.AplicarTextoZoom("75,5%", std::nullopt, {1000, 800}));
    EXPECT_EQ(p.Zoom(), 75.5);
    EXPECT_FALSE(p.AplicarTextoZoom("5", std::nullopt, {1000, 800}));
    EXPECT_EQ(p.Zoom(), 75.5);
    EXPECT_TRUE(p.AplicarTextoZoom("Largura da página", TRLItemZoom::z200, {1000, 800}));
    EXPECT_EQ(p.Zoom(), 200);
}

TEST(ZoomDoPainel, StepsStopAtTheMinimum) {
    auto p = Painel(1);
    ASSERT_TRUE(p.DefinirZoom(15));
    EXPECT_TRUE(p.DiminuirZoom());
    EXPECT_EQ(p.Zoom(), 10);
    EXPECT_FALSE(p.DiminuirZoom());
    EXPECT_EQ(p.Zoom(), 10);
    EXPECT_TRUE(p.AumentarZoom());
    EXPECT_EQ(p.Zoom(), 20);
    EXPECT_FALSE(p.DefinirZoom(20));  // same zoom: no change to redraw
    EXPECT_FALSE(p.DefinirZoom(9.9));
    EXPECT_FALSE(p.DefinirZoom(ZoomMaximo + 1));
    EXPECT_TRUE(p.DefinirZoom(ZoomMaximo));
    EXPECT_FALSE(p.AumentarZoom());
}

TEST(ZoomAjustado, FormulasOfTheThreeFits) {
    // (1000 * 100 - 700) / 794 = 125.06; (800 * 100 - 700) / 1123 = 70.61, rounded down
    EXPECT_EQ(ZoomLarguraDaPagina({1000, 800}, a4), 125);
    EXPECT_EQ(ZoomPaginaInteira({1000, 800}, a4), 70);
    // (1000 - 7) / 3 * 100 / 794 = 41.69
    EXPECT_EQ(ZoomVariasPaginas({1000, 800}, a4), 41);
    EXPECT_EQ(ZoomVariasPaginas({1000, 300}, a4), 26);  // the height limits it
    EXPECT_EQ(ZoomLarguraDaPagina({1000, 800}, {0, 0}), 0);
}

TEST(ZoomAjustado, ItemsSetBoxesAndRefuseTooSmallZoom) {
    auto p = Painel(10);
    EXPECT_TRUE(p.AplicarItemZoom(TRLItemZoom::VariasPaginas, {1000, 800}));
    EXPECT_EQ(p.Caixas(), 3);
    EXPECT_EQ(p.Zoom(), 41);
    EXPECT_TRUE(p.AplicarItemZoom(TRLItemZoom::PaginaInteira, {1000, 800}));
    EXPECT_EQ(p.Caixas(), 1);
    EXPECT_EQ(p.Zoom(), 70);
    p.AplicarItemZoom(TRLItemZoom::LarguraDaPagina, {50, 50});  // would be below 10
    EXPECT_EQ(p.Zoom(), 70);
}

// Over many pane sizes, portrait and landscape: a fitted box never outgrows the room it is fitted
// to (which brought a scroll bar that moved a few pixels), and leaves at most a few pixels unused.
TEST(ZoomAjustado, FittedBoxesFillThePaneWithoutOutgrowingIt) {
    constexpr int barra = 15;
    for (const TRLTamanho pagina : {a4, TRLTamanho{1123, 794}}) {
        for (int largura = 300; largura <= 2600; largura += 37) {
            for (int altura : {400, 700, 1000, 1500}) {
                TRLPreviewPane p(4, pagina);
                p.DefinirLarguraDaBarra(barra);
                const TRLTamanho area{largura, altura};
                p.AjustarLarguraDaPagina(area);
                const TRLTamanho caixa = TamanhoDaCaixa(pagina, p.Zoom());
                EXPECT_LE(caixa.Largura, caixa.Altura > altura ? largura - barra : largura)
                    << largura << "x" << altura;
                EXPECT_GE(caixa.Largura, largura - barra - pagina.Largura / 100 - 1)
                    << largura << "x" << altura;
                p.AjustarPaginaInteira(area);
                const TRLTamanho inteira = TamanhoDaCaixa(pagina, p.Zoom());
                EXPECT_LE(inteira.Largura, largura);
                EXPECT_LE(inteira.Altura, altura);
            }
        }
    }
}

TEST(ZoomAjustado, OpensAtPageWidthOnlyWhenThatIsLargerThanTheDefault) {
    TRLPreviewPane larga(2, a4);
    larga.DefinirLarguraDaBarra(15);
    EXPECT_TRUE(larga.AjustarAoAbrir({1000, 800}, ZoomPadrao));
    EXPECT_EQ(larga.Zoom(), 123) << "the width beside the vertical bar: (985 * 100 - 700) / 794";
    TRLPreviewPane estreita(2, a4);
    EXPECT_FALSE(estreita.AjustarAoAbrir({700, 500}, ZoomPadrao));
    EXPECT_EQ(estreita.Zoom(), ZoomPadrao);
}

TEST(Roda, ANotchScrollsThreeLinesOfTheDesktopAndAPartialNotchItsShare) {
    EXPECT_EQ(RolagemDaRoda(-120, 3), -3 * PixelsPorLinhaDaRoda);
    EXPECT_EQ(RolagemDaRoda(240, 3), 6 * PixelsPorLinhaDaRoda);
    EXPECT_EQ(RolagemDaRoda(120, 1), PixelsPorLinhaDaRoda);
    EXPECT_EQ(RolagemDaRoda(60, 3), 30);
    EXPECT_EQ(RolagemDaRoda(120, 0), PixelsPorLinhaDaRoda) << "a desktop that says 0 lines still scrolls";
}

TEST(Layout, BoxesAreScaledPagePlusShadowSideBySide) {
    const auto l = CalcularLayout({a4, a4, a4}, 4, 50, {100, 100});
    ASSERT_EQ(l.Caixas.size(), 3u);
    EXPECT_EQ(l.Caixas[0].Tamanho, (TRLTamanho{397 + 7, 562 + 7}));
    EXPECT_EQ(l.Caixas[0].Folha, (TRLTamanho{397, 562}));
    EXPECT_EQ(l.Caixas[1].X, 404);
    EXPECT_EQ(l.Caixas[2].Pagina, 6);
    EXPECT_FALSE(l.CentradoHorizontal);
    EXPECT_EQ(l.Conteudo, (TRLTamanho{3 * 404, 569}));
}

TEST(Layout, SmallPagesAreCentredAndShorterBoxesCentredInTheTallest) {
    const auto l = CalcularLayout({{100, 200}, {200, 100}}, 0, 100, {1000, 600});
    EXPECT_TRUE(l.CentradoHorizontal);
    EXPECT_TRUE(l.CentradoVertical);
    EXPECT_EQ(l.Caixas[0].X, (1000 - 314) / 2);
    EXPECT_EQ(l.Caixas[0].Y, (600 - 207) / 2);
    EXPECT_EQ(l.Caixas[1].Y, (600 - 207) / 2 + 50);
    EXPECT_EQ(l.Conteudo, (TRLTamanho{1000, 600}));
}

TEST(Aceleradores, EachButtonTakesItsFirstFreeLetter) {
    EXPECT_EQ(ComAceleradores({"Imprimir", "Fechar", "Salvar", "Enviar"}),
              (std::vector<std::string>{"&Imprimir", "&Fechar", "&Salvar", "&Enviar"}));
    EXPECT_EQ(ComAceleradores({"Print", "Close", "Save", "Send"}),
              (std::vector<std::string>{"&Print", "&Close", "&Save", "S&end"}));
    EXPECT_EQ(ComAceleradores({"Abc", "a", "Ébano", "ébano"}),
              (std::vector<std::string>{"&Abc", "a", "&Ébano", "é&bano"}));
}

TEST(Navegacao, StepsByTheBoxesShownAndStopsAtTheEnds) {
    auto p = Painel(10);
    EXPECT_FALSE(p.Anterior());  // prior on the first page does nothing
    EXPECT_TRUE(p.Ultima());
    EXPECT_EQ(p.PaginaAtual(), 9);
    EXPECT_FALSE(p.Proxima());  // next on the last does nothing
    p.AjustarVariasPaginas({1000, 800});
    EXPECT_TRUE(p.Ultima());
    EXPECT_EQ(p.PaginaAtual(), 7);
    EXPECT_TRUE(p.Anterior());
    EXPECT_EQ(p.PaginaAtual(), 4);
    EXPECT_TRUE(p.Proxima());
    EXPECT_EQ(p.PaginaAtual(), 7);
    EXPECT_TRUE(p.Proxima());  // min(9, 10)
    EXPECT_EQ(p.PaginaAtual(), 9);
    EXPECT_EQ(p.CaixasMostradas(), 1);
    EXPECT_TRUE(p.Primeira());
    EXPECT_FALSE(p.Primeira());
}

TEST(Navegacao, FewerPagesThanBoxesLastIsTheFirst) {
    auto p = Painel(2);
    p.AjustarVariasPaginas({1000, 800});
    EXPECT_FALSE(p.Ultima());
    EXPECT_EQ(p.PaginaAtual(), 0);
    EXPECT_EQ(p.CaixasMostradas(), 2);
}

TEST(Navegacao, PageFieldTextGoesToPageOrChangesNothing) {
    auto p = Painel(5);
    EXPECT_TRUE(p.IrParaTexto("3"));
    EXPECT_EQ(p.PaginaAtual(), 2);
    EXPECT_EQ(p.TextoDaPagina(), "3");
    for (const char* t : {"0", "6", "x", "", "2.5", "-1", "99999999999"}) {
        EXPECT_FALSE(p.IrParaTexto(t)) << t;
        EXPECT_EQ(p.PaginaAtual(), 2) << t;
    }
}

TEST(Vista, DoubleClickTogglesMultipleAndPageWidthOnTheClickedPage) {
    auto p = Painel(10);
    p.AlternarVista(0, {1000, 800});
    EXPECT_EQ(p.Caixas(), 3);
    EXPECT_EQ(p.Zoom(), 41);
    p.AlternarVista(2, {1000, 800});
    EXPECT_EQ(p.Caixas(), 1);
    EXPECT_EQ(p.PaginaAtual(), 2);
    EXPECT_EQ(p.Zoom(), 125);
}

TRLGraphicSurface PaginaComGrupos() {
    TRLGraphicSurface s(794, 1123);
    s.SetGroupId(1);
    s.Rectangle({0, 0, 400, 400});
    s.SetGroupId(2);
    s.Rectangle({10, 10, 100, 100});
    s.Line(10, 10, 100, 10);
    s.SetClipRect({0, 0, 50, 50});
    s.ResetClipRect();
    return s;
}

TEST(Edicao, PicksTheSmallestObjectAndMarksItsGroup) {
    const auto s = PaginaComGrupos();
    EXPECT_EQ(ObjetoNoPonto(s, 50, 50), 1);
    EXPECT_EQ(ObjetoNoPonto(s, 300, 300), 0);
    EXPECT_EQ(ObjetoNoPonto(s, 500, 500), -1);
    EXPECT_EQ(ObjetosDoGrupo(s, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(ObjetosDoGrupo(s, 0), (std::vector<int>{0}));
    EXPECT_TRUE(ObjetosDoGrupo(s, 9).empty());
}

class Busca : public ::testing::Test {
protected:
    void SetUp() override {
        // Page 1: "Nota", "total"; page 2: nothing; page 3: "TOTAL {X}", "Nota fiscal".
        Pagina({"Nota", "total"});
        Pagina({});
        Pagina({"TOTAL {X}", "Nota fiscal"});
        store.Macros().Set("X", "geral");
    }
    void Pagina(std::vector<std::string> textos) {
        TRLGraphicSurface s(794, 1123);
        s.Rectangle({0, 0, 10, 10});
        for (const auto& t : textos) s.TextOut({0, 0, 100, 10}, 0, 0, t, 0);
        store.Add(std::move(s));
    }
    TRLGraphicStorage store;
};

TEST_F(Busca, AnyCaseUnlessMatchCase) {
    EXPECT_EQ(Procurar(store, "TOTAL", 0, {}, {}), (TRLAchado{0, 2}));
    EXPECT_EQ(Procurar(store, "TOTAL", 0, {}, {true, false}), (TRLAchado{2, 1}));
    EXPECT_FALSE(Procurar(store, "inexistente", 0, {}, {}));
    EXPECT_FALSE(Procurar(store, "", 0, {}, {}));
}

TEST_F(Busca, AccentedLettersMatchInAnyCase) {
    TRLGraphicSurface s(10, 10);
    s.TextOut({0, 0, 1, 1}, 0, 0, "Série única", 0);
    store.Add(std::move(s));
    EXPECT_EQ(Procurar(store, "SÉRIE ÚNICA", 0, {}, {}), (TRLAchado{3, 0}));
}

TEST_F(Busca, StepsForwardPastTheLastMatchThenStops) {
    std::vector<TRLAchado> achados;
    TRLAchado ultimo;
    int pagina = 0;
    while (auto a = Procurar(store, "nota", pagina, ultimo, {})) {
        achados.push_back(*a);
        ultimo = *a;
        pagina = a->Pagina;
        ASSERT_LT(achados.size(), 10u);
    }
    EXPECT_EQ(achados, (std::vector<TRLAchado>{{0, 1}, {2, 2}}));
}

TEST_F(Busca, UpwardsStartsBeforeTheLastMatchAndGoesToTheFirstPage) {
    EXPECT_EQ(Procurar(store, "o", 2, {}, {false, true}), (TRLAchado{2, 2}));
    EXPECT_EQ(Procurar(store, "o", 2, {2, 2}, {false, true}), (TRLAchado{2, 1}));
    EXPECT_EQ(Procurar(store, "o", 2, {2, 1}, {false, true}), (TRLAchado{0, 2}));
    EXPECT_FALSE(Procurar(store, "o", 0, {0, 1}, {false, true}));
}

TEST_F(Busca, MatchesTheTextWithItsMacrosCompleted) {
    EXPECT_EQ(Procurar(store, "geral", 0, {}, {}), (TRLAchado{2, 1}));
}

TEST_F(Busca, LastMatchOnAnotherPageStartsAtTheCurrentPagesFirstObject) {
    EXPECT_EQ(Procurar(store, "nota", 2, {0, 1}, {}), (TRLAchado{2, 2}));
}

struct CasoVolta {
    const char* nome;
    std::string texto;
    int pagina;
    TRLAchado ultimo;
    bool paraCima;
    std::optional<TRLAchado> achado;
    bool deuVolta;
};

class BuscaComVolta : public Busca, public testing::WithParamInterface<CasoVolta> {};

TEST_P(BuscaComVolta, GoesOnFromTheOtherEndAndSaysSo) {
    const CasoVolta& c = GetParam();
    const auto r = ProcurarComVolta(store, c.texto, c.pagina, c.ultimo, {false, c.paraCima});
    ASSERT_EQ(r.has_value(), c.achado.has_value());
    if (!r) return;
    EXPECT_EQ(r->Achado, *c.achado);
    EXPECT_EQ(r->DeuVolta, c.deuVolta);
}

INSTANTIATE_TEST_SUITE_P(
    Voltas, BuscaComVolta,
    testing::Values(
        CasoVolta{"BeforeTheEndNoWrap", "nota", 0, {0, 1}, false, TRLAchado{2, 2}, false},
        CasoVolta{"PastTheLastMatchWrapsToTheFirst", "nota", 2, {2, 2}, false, TRLAchado{0, 1}, true},
        CasoVolta{"UpwardsPastTheFirstWrapsToTheLast", "nota", 0, {0, 1}, true, TRLAchado{2, 2}, true},
        CasoVolta{"TheOnlyMatchIsFoundAgain", "geral", 2, {2, 1}, false, TRLAchado{2, 1}, true},
        CasoVolta{"NoMatchAnywhere", "inexistente", 1, {}, false, std::nullopt, false}),
    [](const testing::TestParamInfo<CasoVolta>& i) { return std::string(i.param.nome); });

TEST(RetanguloNoConteudo, ScalesThePageRectangleIntoItsBox) {
    const auto l = CalcularLayout({a4, a4}, 3, 200, {500, 500});
    EXPECT_EQ(RetanguloNoConteudo(l, 4, a4, {40, 40, 300, 60}),
              (TRLRetangulo{l.Caixas[1].X + 80, 80, 520, 40}));
    EXPECT_FALSE(RetanguloNoConteudo(l, 2, a4, {40, 40, 300, 60})) << "no box shows page 2";
}

struct CasoRolar {
    const char* nome;
    TRLRetangulo alvo;
    TRLPonto rolagem;
    TRLPonto esperada;
};

class RolarParaMostrar : public testing::TestWithParam<CasoRolar> {};

// A view of 400 x 300 over content of 2000 x 3000.
TEST_P(RolarParaMostrar, KeepsAVisibleTargetElseCentresItWithinTheRange) {
    EXPECT_EQ(RolagemParaMostrar(GetParam().alvo, GetParam().rolagem, {400, 300}, {2000, 3000}),
              GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Rolagens, RolarParaMostrar,
    testing::Values(CasoRolar{"AlreadyVisibleStays", {100, 100, 50, 20}, {50, 50}, {50, 50}},
                    CasoRolar{"BelowTheViewIsCentred", {1000, 2000, 100, 20}, {0, 0}, {850, 1860}},
                    CasoRolar{"NearTheStartStopsAtZero", {10, 10, 20, 20}, {500, 500}, {0, 0}},
                    CasoRolar{"NearTheEndStopsAtTheMaximum", {1990, 2990, 10, 10}, {0, 0}, {1600, 2700}},
                    CasoRolar{"WiderThanTheViewShowsItsStart", {700, 100, 900, 20}, {0, 0}, {700, 0}},
                    CasoRolar{"PartlyVisibleIsCentred", {380, 100, 40, 20}, {0, 0}, {200, 0}}),
    [](const testing::TestParamInfo<CasoRolar>& i) { return std::string(i.param.nome); });

// ---- keys ----

struct CasoTecla {
    const char* nome;
    int tecla;
    bool ctrl;
    std::optional<TRLAcaoPrevia> acao;
};

class TeclaDaPrevia : public testing::TestWithParam<CasoTecla> {};

TEST_P(TeclaDaPrevia, RunsItsActionOrIsLeftAlone) {
    EXPECT_EQ(AcaoDaTecla(GetParam().tecla, GetParam().ctrl), GetParam().acao);
}

using A = TRLAcaoPrevia;
INSTANTIATE_TEST_SUITE_P(
    Teclas, TeclaDaPrevia,
    testing::Values(CasoTecla{"PageDownGoesToTheNextPage", Qt::Key_PageDown, false, A::ProximaPagina},
                    CasoTecla{"PageUpGoesToThePriorPage", Qt::Key_PageUp, false, A::PaginaAnterior},
                    CasoTecla{"CtrlPageUpScrollsToTheTop", Qt::Key_PageUp, true, A::RolarTopo},
                    CasoTecla{"CtrlPageDownScrollsToTheBottom", Qt::Key_PageDown, true, A::RolarBase},
                    CasoTecla{"HomeScrollsFullLeft", Qt::Key_Home, false, A::RolarInicio},
                    CasoTecla{"EndScrollsFullRight", Qt::Key_End, false, A::RolarFim},
                    CasoTecla{"CtrlHomeGoesToTheFirstPage", Qt::Key_Home, true, A::PrimeiraPagina},
                    CasoTecla{"CtrlEndGoesToTheLastPage", Qt::Key_End, true, A::UltimaPagina},
                    CasoTecla{"LeftScrollsAStep", Qt::Key_Left, false, A::RolarEsquerda},
                    CasoTecla{"CtrlDownScrollsAScreen", Qt::Key_Down, true, A::RolarTelaAbaixo},
                    CasoTecla{"CtrlPlusZoomsIn", Qt::Key_Plus, true, A::AumentarZoom},
                    CasoTecla{"CtrlEqualsIsThePlusWithoutShift", Qt::Key_Equal, true, A::AumentarZoom},
                    CasoTecla{"CtrlMinusZoomsOut", Qt::Key_Minus, true, A::DiminuirZoom},
                    CasoTecla{"CtrlZeroRestoresTheDefaultZoom", Qt::Key_0, true, A::ZoomPadrao},
                    CasoTecla{"CtrlFOpensTheFind", Qt::Key_F, true, A::AbrirBusca},
                    CasoTecla{"CtrlF3OpensTheFind", Qt::Key_F3, true, A::AbrirBusca},
                    CasoTecla{"F3FindsTheNext", Qt::Key_F3, false, A::ProcurarProxima},
                    CasoTecla{"EscapeCloses", Qt::Key_Escape, false, A::Fechar},
                    CasoTecla{"CtrlPPrints", Qt::Key_P, true, A::Imprimir},
                    CasoTecla{"CtrlSSaves", Qt::Key_S, true, A::Salvar},
                    CasoTecla{"PWithoutCtrlIsLeftAlone", Qt::Key_P, false, std::nullopt},
                    CasoTecla{"PlusWithoutCtrlIsLeftAlone", Qt::Key_Plus, false, std::nullopt},
                    CasoTecla{"FWithoutCtrlIsLeftAlone", Qt::Key_F, false, std::nullopt},
                    CasoTecla{"ZeroWithoutCtrlIsLeftAlone", Qt::Key_0, false, std::nullopt},
                    CasoTecla{"CtrlEscapeIsLeftAlone", Qt::Key_Escape, true, std::nullopt},
                    CasoTecla{"ALetterIsLeftAlone", Qt::Key_A, false, std::nullopt}),
    [](const testing::TestParamInfo<CasoTecla>& i) { return std::string(i.param.nome); });

// A row added for a key that already has one would never run: the first match wins.
TEST(TeclasDaPrevia, EachKeyWithOrWithoutCtrlHasOneAction) {
    const auto& teclas = TeclasDaPrevia();
    for (size_t i = 0; i < teclas.size(); ++i)
        for (size_t j = i + 1; j < teclas.size(); ++j)
            EXPECT_FALSE(teclas[i].Tecla == teclas[j].Tecla && teclas[i].Ctrl == teclas[j].Ctrl)
                << "rows " << i << " and " << j << " take the same key";
}

TEST(TeclaDoCampo, EditingKeysAndTypingStayInTheFieldTheRestGoesToThePreview) {
    for (const int tecla : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace,
                            Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter})
        EXPECT_TRUE(TeclaDoCampoDeTexto(tecla, false, false)) << tecla;
    EXPECT_TRUE(TeclaDoCampoDeTexto(Qt::Key_5, false, true)) << "typing a digit";
    EXPECT_TRUE(TeclaDoCampoDeTexto(Qt::Key_Plus, false, true)) << "typing a plus sign";
    EXPECT_FALSE(TeclaDoCampoDeTexto(Qt::Key_Plus, true, true)) << "Ctrl+plus zooms";
    EXPECT_FALSE(TeclaDoCampoDeTexto(Qt::Key_PageDown, false, false));
    EXPECT_FALSE(TeclaDoCampoDeTexto(Qt::Key_Escape, false, true)) << "Esc closes even from a field";
}

struct CasoRolagem {
    const char* nome;
    TRLAcaoPrevia acao;
    std::optional<TRLRolagem> rolagem;
};

class RolagemDaPrevia : public testing::TestWithParam<CasoRolagem> {};

TEST_P(RolagemDaPrevia, MovesByAStepAScreenOrToAnEnd) {
    EXPECT_EQ(RolagemDaAcao(GetParam().acao, {640, 480}), GetParam().rolagem);
}

INSTANTIATE_TEST_SUITE_P(Rolagens, RolagemDaPrevia,
                         testing::Values(CasoRolagem{"StepLeft", A::RolarEsquerda, TRLRolagem{-10, 0}},
                                         CasoRolagem{"StepDown", A::RolarAbaixo, TRLRolagem{0, 10}},
                                         CasoRolagem{"ScreenRight", A::RolarTelaDireita, TRLRolagem{640, 0}},
                                         CasoRolagem{"ScreenUp", A::RolarTelaAcima, TRLRolagem{0, -480}},
                                         CasoRolagem{"FullLeft", A::RolarInicio, TRLRolagem{0, 0, -1, 0}},
                                         CasoRolagem{"FullRight", A::RolarFim, TRLRolagem{0, 0, 1, 0}},
                                         CasoRolagem{"Top", A::RolarTopo, TRLRolagem{0, 0, 0, -1}},
                                         CasoRolagem{"Bottom", A::RolarBase, TRLRolagem{0, 0, 0, 1}},
                                         CasoRolagem{"NextPageIsNoScroll", A::ProximaPagina, std::nullopt},
                                         CasoRolagem{"ZoomIsNoScroll", A::AumentarZoom, std::nullopt}),
                         [](const testing::TestParamInfo<CasoRolagem>& i) {
                             return std::string(i.param.nome);
                         });

}  // namespace
