// The pages a print job draws and where they land on the paper, without a printer.
#include "report/RLPrintPages.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace luvenor;

namespace {

std::vector<int> Faixa(int de, int ate) {
    std::vector<int> r;
    for (int p = de; p <= ate; ++p) r.push_back(p);
    return r;
}

TEST(SelecaoDePaginas, ItemsRangesBlanksAndNonNumbers) {
    EXPECT_EQ(LerSelecaoPaginas("1;3;5-12;4"),
              (std::vector<TRLFaixaPaginas>{{1, 1}, {3, 3}, {5, 12}, {4, 4}}));
    EXPECT_EQ(LerSelecaoPaginas(" 2 - 4 ; 7 "), (std::vector<TRLFaixaPaginas>{{2, 4}, {7, 7}}));
    EXPECT_EQ(LerSelecaoPaginas("x;3-y;z-2"), (std::vector<TRLFaixaPaginas>{{-1, -1}, {3, -1}, {-1, 2}}));
    EXPECT_TRUE(LerSelecaoPaginas(";;").empty());
}

TEST(SelecaoDePaginas, NonNumberBeforeARangeStillReachesItsEnd) {
    const auto s = LerSelecaoPaginas("a-3");
    EXPECT_TRUE(PaginaSelecionada(s, 1));
    EXPECT_TRUE(PaginaSelecionada(s, 3));
    EXPECT_FALSE(PaginaSelecionada(s, 4));
}

TEST(CampoInteiro, NotANumberIsZero) {
    EXPECT_EQ(LerInteiroDoCampo(" 12 "), 12);
    EXPECT_EQ(LerInteiroDoCampo("1a"), 0);
    EXPECT_EQ(LerInteiroDoCampo(""), 0);
    EXPECT_EQ(LerInteiroDoCampo("99999999999"), 0);
}

TEST(PaginasAImprimir, SelectionPrintsEachChosenPageOnceInOrder) {
    TRLPedidoImpressao p{1, 20, TRLParImpar::Todas, "1;3;5-12;4", 1};
    std::vector<int> esperado{1, 3, 4};
    for (int i = 5; i <= 12; ++i) esperado.push_back(i);
    EXPECT_EQ(PaginasAImprimir(20, p), esperado);
}

TEST(PaginasAImprimir, OddAndEvenWithinTheInterval) {
    EXPECT_EQ(PaginasAImprimir(10, {1, 6, TRLParImpar::Impares, "", 1}), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(PaginasAImprimir(10, {1, 6, TRLParImpar::Pares, "", 1}), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(PaginasAImprimir(10, {2, 5, TRLParImpar::Pares, "1-3", 1}), (std::vector<int>{2}));
}

TEST(PaginasAImprimir, CopiesAreCollated) {
    EXPECT_EQ(PaginasAImprimir(3, {1, 3, TRLParImpar::Todas, "", 2}), (std::vector<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_TRUE(PaginasAImprimir(3, {1, 3, TRLParImpar::Todas, "", 0}).empty());
    EXPECT_EQ(PaginasAImprimir(1, {1, 1, TRLParImpar::Todas, "", 1 << 30}).size(), size_t(MaximoCopias));
}

TEST(PaginasAImprimir, FromZeroPrintsNothingAndToIsClamped) {
    EXPECT_TRUE(PaginasAImprimir(5, {0, 5, TRLParImpar::Todas, "", 1}).empty());
    EXPECT_TRUE(PaginasAImprimir(5, {LerInteiroDoCampo("abc"), 5, TRLParImpar::Todas, "", 1}).empty());
    EXPECT_EQ(PaginasAImprimir(5, {2, 99, TRLParImpar::Todas, "", 1}), Faixa(2, 5));
    EXPECT_TRUE(PaginasAImprimir(5, {4, 2, TRLParImpar::Todas, "", 1}).empty());
}

TEST(PaginasAImprimir, BlankSelectionMeansEveryPage) {
    EXPECT_EQ(PaginasAImprimir(4, {1, 4, TRLParImpar::Todas, "  ", 1}), Faixa(1, 4));
    EXPECT_TRUE(PaginasAImprimir(4, {1, 4, TRLParImpar::Todas, "zz", 1}).empty());
}

TEST(TituloDaTarefa, JobTitleElseTitleElseUntitled) {
    TRLMacros m;
    EXPECT_EQ(TituloDaTarefa(m), "Sem título");
    m.Set("Title", "DANFE");
    EXPECT_EQ(TituloDaTarefa(m), "DANFE");
    m.Set("JobTitle", "Relatório \"x\"");
    EXPECT_EQ(TituloDaTarefa(m), "Relatório \"x\"");
}

TEST(Mapeamento, DesignPixelsToPrinterPixelsFromThePaperCorner) {
    TRLGeometriaImpressora g{600, 300, 50, 25, 5100, 3300};
    EXPECT_EQ(MapearX(0, g), -50);
    EXPECT_EQ(MapearX(97, g), 606 - 50);  // 606.25 rounded
    EXPECT_EQ(MapearY(97, g), 303 - 25);  // 303.125
    EXPECT_EQ(MapearX(-8, g), -50 - 50);
}

TEST(Mapeamento, TargetRectangleGivesTheSameCoordinatesWhenScaledAndRounded) {
    TRLGeometriaImpressora g{600, 600, 37, 41, 0, 0};
    const TRLAlvo a = AlvoDaPagina(794, 1123, g);
    for (int x : {0, 1, 13, 397, 793}) {
        const double escala = a.Largura / 794;
        EXPECT_EQ(static_cast<int>(std::lround(x * escala) + a.X), MapearX(x, g)) << x;
    }
    EXPECT_EQ(TRLGeometriaImpressora::Padrao().DpiX, 300);
    EXPECT_EQ(TRLGeometriaImpressora::Padrao().DeslocamentoY, 75);
}

TEST(Papel, FromTheStoreMacros) {
    TRLMacros m;
    m.Set("PaperWidth", "215,9");
    m.Set("PaperHeight", "279");
    m.Set("Orientation", "2");
    const TRLPapel p = PapelDoArmazem(m);
    EXPECT_DOUBLE_EQ(p.LarguraMm, 215.9);
    EXPECT_DOUBLE_EQ(p.AlturaMm, 279);
    EXPECT_TRUE(p.Paisagem);
    m.Set("PaperWidth", "x");
    m.Set("Orientation", "1");
    EXPECT_EQ(PapelDoArmazem(m).LarguraMm, 0);
    EXPECT_FALSE(PapelDoArmazem(m).Paisagem);
}

}  // namespace

namespace {

struct CasoFolha {
    const char* nome;
    TRLPapel papel;
    int largura;  // the page, design pixels
    int altura;
    TRLFolha folha;
};

class Folha : public testing::TestWithParam<CasoFolha> {};

TEST_P(Folha, OfEachPage) {
    const CasoFolha& c = GetParam();
    const TRLFolha f = FolhaDaPagina(c.papel, c.largura, c.altura);
    EXPECT_NEAR(f.LarguraMm, c.folha.LarguraMm, 0.01);
    EXPECT_NEAR(f.AlturaMm, c.folha.AlturaMm, 0.01);
}

const TRLPapel a4{210, 297, false};
const TRLPapel a4Deitado{210, 297, true};
INSTANTIATE_TEST_SUITE_P(
    Paginas, Folha,
    testing::Values(
        CasoFolha{"StorePaperForItsPage", a4, 794, 1123, {210, 297}},
        CasoFolha{"StorePaperTurnedForLandscape", a4Deitado, 1123, 794, {297, 210}},
        CasoFolha{"LetterToAPixel", {215.9, 279.4, false}, 816, 1055, {215.9, 279.4}},
        CasoFolha{"ARollOnAnA4StoreKeepsItsSize", a4, 302, 600, {79.904, 158.75}},
        CasoFolha{"APortraitRollInALandscapeStoreStaysUpright", a4Deitado, 302, 600, {79.904, 158.75}},
        CasoFolha{"APortraitShapedPageInALandscapeStoreIsNotTheStorePaper",
                  a4Deitado,
                  794,
                  1123,
                  {210.079, 297.127}},
        CasoFolha{"NoStorePaperTheWideStaysWide", {}, 1123, 794, {297.127, 210.079}},
        CasoFolha{"NoStorePaperButLandscapeTurnsIt", {0, 0, true}, 794, 1123, {297.127, 210.079}}),
    [](const testing::TestParamInfo<CasoFolha>& i) { return std::string(i.param.nome); });

}  // namespace
