// Hostile invoices at the DANFE: a word of megabytes is broken into lines or cut at its box, fast;
// no amount prints "inf", "nan" or digits past its box.
#include "DanfeTeste.h"

#include "report/RLTextLayout.h"

#include <gtest/gtest.h>

namespace luvenor {
namespace {

using teste::DanfePreparado;

size_t BytesDeTexto(const DanfePreparado& d) {
    size_t n = 0;
    for (const TRLGraphicSurface& p : d.paginas)
        for (const std::string& t : teste::Textos(p)) n += t.size();
    return n;
}

TEST(DanfeHostil, WordsOfMegabytesInTheFreeTextsGiveAFewSheets) {
    TNotaFiscal nf;
    teste::PreencherNota(nf);
    nf.ObservOrig = std::string(size_t{4} << 20, 'W');
    nf.MsgTrib = std::string(size_t{2} << 20, 'F');
    const DanfePreparado d = teste::Preparar(nf);
    ASSERT_TRUE(d.preparado);
    // Both texts cut to what the DANFE prints of a text, broken into lines at the box.
    EXPECT_LE(d.paginas.size(), 12u);
    EXPECT_LT(BytesDeTexto(d), size_t{100} << 10);
    bool w = false;
    bool f = false;
    for (const TRLGraphicSurface& p : d.paginas) {
        w = w || teste::TemTextoComecando(p, "WWWWWWWWWW");
        f = f || teste::TemTextoComecando(p, "FFFFFFFFFF");
    }
    EXPECT_TRUE(w && f);
}

TEST(DanfeHostil, AWordOfMegabytesInAPartyNameIsCutAtTheBox) {
    TNotaFiscal nf;
    teste::PreencherNota(nf);
    nf.Participantes[1].Razao = std::string(size_t{4} << 20, 'N');
    const DanfePreparado d = teste::Preparar(nf);
    ASSERT_TRUE(d.preparado);
    EXPECT_EQ(d.paginas.size(), 1u);
    EXPECT_LT(BytesDeTexto(d), size_t{200} << 10);
}

TEST(DanfeHostil, LargeAndNegativeAmountsPrintWholeWithTheirSign) {
    TNotaFiscal nf;
    teste::PreencherNota(nf, 2);
    nf.ItensNF[0].VlrItem = -9999999999999.99;
    nf.ItensNF[1].VlrItem = 999999999999;
    nf.TotNota = 9999999999999.99;
    const DanfePreparado d = teste::Preparar(nf);
    ASSERT_TRUE(d.preparado);
    const TRLGraphicSurface& p = d.paginas[0];
    EXPECT_TRUE(teste::TemTexto(p, "-9.999.999.999.999,99"));
    EXPECT_TRUE(teste::TemTexto(p, "999.999.999.999,00"));
    EXPECT_TRUE(teste::TemTexto(p, "9.999.999.999.999,99"));
    // In the item row, the long amount is printed smaller than its neighbours, so that all its
    // digits fit in its box (cut there, it would read as another value).
    const TRLGraphicObject* total = nullptr;
    const TRLGraphicObject* vizinho = nullptr;
    for (const TRLGraphicObject& o : p.Objects()) {
        const auto* t = o.As<TRLTextObject>();
        if (t && t->Text == "999.999.999.999,00") total = &o;
        if (t && t->Text == "10,00") vizinho = &o;
    }
    ASSERT_NE(total, nullptr);
    ASSERT_NE(vizinho, nullptr);
    const TRLPageFont& fonte = total->As<TRLTextObject>()->Font;
    EXPECT_LT(-fonte.Height, -vizinho->As<TRLTextObject>()->Font.Height);
    TRLFont medida;
    medida.Name = fonte.Name;
    medida.Height = fonte.Height;
    medida.Style = fonte.Style;
    EXPECT_LE(TRLTextMeasurer(medida).TextWidth("999.999.999.999,00"), total->BoundsRect.Width());
    for (const std::string& t : teste::Textos(p)) {
        EXPECT_EQ(t.find("****"), std::string::npos) << t;
        EXPECT_EQ(t.find("inf"), std::string::npos) << t;
        EXPECT_EQ(t.find("nan"), std::string::npos) << t;
    }
}

TEST(LayoutDeTexto, BreakingAWordOfMegabytesIsLinear) {
    teste::GarantirAplicacao();
    TRLFont fonte;
    fonte.Name = "Times New Roman";
    fonte.Height = -9;
    const TRLTextMeasurer m(fonte);
    const std::string palavra(size_t{2} << 20, 'W');
    const auto linhas = QuebrarLinhas(palavra + " fim", m, 300);
    // A first word wider than the width stays whole; what follows goes to the next line.
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].Text.size(), palavra.size());
    EXPECT_EQ(linhas[1].Text, "fim");
}

}  // namespace
}  // namespace luvenor
