// What reaches a page when a band is split: each part's boxes closed at its edges, the band's
// captions repeated above a continuation, and nothing of the band lost or printed twice.
#include "report/RLBandPart.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace luvenor;

namespace {

// A band 200 rows high: a caption at the top, a box from row 12 to its foot, one text line every
// 20 rows inside it.
TRLGraphicSurface BandaComCaixa() {
    TRLGraphicSurface b(300, 200);
    b.Polygon({{0, 12}, {299, 12}, {299, 200}, {0, 200}});
    b.TextOut({2, 0, 120, 10}, 3, 0, "LEGENDA", tfUnbreakable);
    b.RotatedText({290, 40, 299, 90}, {290, 88}, "TÍTULO", 90, tfUnclipped);  // beside the box
    for (int y = 20; y < 200; y += 20) b.TextOut({5, y, 200, y + 9}, 6, y, "linha " + std::to_string(y), 0);
    return b;
}

std::vector<const TRLGraphicObject*> Caixas(const TRLGraphicSurface& s) {
    std::vector<const TRLGraphicObject*> r;
    for (const auto& o : s.Objects())
        if (o.As<TRLPolygonObject>()) r.push_back(&o);
    return r;
}

std::vector<std::string> Textos(const TRLGraphicSurface& s) {
    std::vector<std::string> r;
    for (const auto& o : s.Objects())
        if (const auto* t = o.As<TRLTextObject>()) r.push_back(t->Text);
    return r;
}

const TRLGraphicObject* Texto(const TRLGraphicSurface& s, const std::string& texto) {
    for (const auto& o : s.Objects())
        if (const auto* t = o.As<TRLTextObject>(); t && t->Text == texto) return &o;
    return nullptr;
}

}  // namespace

TEST(PartesDaBanda, PrimeiraParteFechaACaixaNoCorteSemRepetirNada) {
    const TRLGraphicSurface banda = BandaComCaixa();
    TRLGraphicSurface pagina(800, 1000);
    DrawBandPart(pagina, banda, 300, {30, 500}, {0, 90, 0});
    const auto caixas = Caixas(pagina);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0]->As<TRLPolygonObject>()->Points,
              (std::vector<TRLPagePoint>{{30, 512}, {329, 512}, {329, 590}, {30, 590}}))
        << "the box ends on the row below the part, its own bottom rule";
    EXPECT_NE(Texto(pagina, "LEGENDA"), nullptr);
    EXPECT_NE(Texto(pagina, "linha 80"), nullptr);
}

TEST(PartesDaBanda, ContinuacaoRepeteALegendaEFechaACaixaEmCimaEEmBaixo) {
    const TRLGraphicSurface banda = BandaComCaixa();
    TRLGraphicSurface pagina(800, 1000);
    const TRLBandPart parte{100, 160, 12};
    EXPECT_EQ(parte.Height(), 72);
    DrawBandPart(pagina, banda, 300, {30, 40}, parte);
    const auto caixas = Caixas(pagina);
    ASSERT_EQ(caixas.size(), 1u);
    // The box keeps its top rule (it starts in the repeated heading) and closes at the part's end.
    EXPECT_EQ(caixas[0]->BoundsRect, (TRLPageRect{30, 52, 330, 40 + 72 + 1}));
    const TRLGraphicObject* legenda = Texto(pagina, "LEGENDA");
    ASSERT_NE(legenda, nullptr) << "the caption is not repeated";
    EXPECT_EQ(legenda->BoundsRect.Top, 40);
    const TRLGraphicObject* titulo = Texto(pagina, "TÍTULO");
    ASSERT_NE(titulo, nullptr) << "the turned section title is not repeated";
    EXPECT_EQ(titulo->BoundsRect.Top, 80) << "at its own rows, from the part's top";
    // Band row 100 is the first body row, right below the heading.
    const TRLGraphicObject* linha = Texto(pagina, "linha 100");
    ASSERT_NE(linha, nullptr);
    EXPECT_EQ(linha->BoundsRect.Top, 40 + 12);
    const auto textos = Textos(pagina);
    for (const char* fora : {"linha 80", "linha 160", "linha 180"})
        EXPECT_EQ(std::count(textos.begin(), textos.end(), fora), 0) << fora << " is not in this part";
}

TEST(PartesDaBanda, CaixaQueComecaDentroDaParteGuardaSeuTopoECaixaForaDelaSome) {
    TRLGraphicSurface banda(300, 200);
    banda.Polygon({{0, 0}, {99, 0}, {99, 40}, {0, 40}});        // above the part
    banda.Polygon({{0, 120}, {99, 120}, {99, 150}, {0, 150}});  // inside it, whole
    banda.Line(0, 130, 50, 130);                                // not a box: clipped, not closed
    TRLGraphicSurface pagina(800, 1000);
    DrawBandPart(pagina, banda, 300, {0, 0}, {100, 180, 0});
    const auto caixas = Caixas(pagina);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0]->BoundsRect, (TRLPageRect{0, 20, 100, 51}));
}

TEST(PartesDaBanda, FimDoConteudoIgnoraAsCaixas) {
    TRLGraphicSurface b = BandaComCaixa();
    EXPECT_EQ(ContentBottom(b), 189);
    TRLGraphicSurface soCaixas(100, 100);
    soCaixas.Polygon({{0, 0}, {99, 0}, {99, 99}, {0, 99}});
    EXPECT_EQ(ContentBottom(soCaixas), 0);
    // A polygon that is not an upright box is content.
    soCaixas.Polygon({{0, 0}, {50, 90}, {99, 0}, {40, 10}});
    EXPECT_EQ(ContentBottom(soCaixas), 91);
}
