// Paper on a roll (ContinuousPaper): each page is cut below its last band and the store names that
// cut sheet, so preview, printing, PDF and the page file see a page as tall as its content; a
// content taller than the roll's longest page still breaks onto a next, cut page.
#include "test_prepare_apoio.h"

#include "report/RLBand.h"
#include "report/RLPageFile.h"

#include <gtest/gtest.h>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

// A roll 80 mm wide with 4 mm margins, at most `alturaMm` long, over `itens` rows of 20 pixels.
void Bobina(RelatorioDeTeste& r, double alturaMm) {
    r.relatorio.PageSetup.PaperSize = TRLPaperSize::fpCustom;
    r.relatorio.PageSetup.PaperWidth = 80;
    r.relatorio.PageSetup.PaperHeight = alturaMm;
    r.relatorio.Margins = TRLMargins{4.0, 4.0, 4.0, 4.0};
    r.relatorio.ContinuousPaper = true;
    r.relatorio.ApplyPageSetup();
    Banda(r.relatorio, "cab", TRLBandType::btHeader, 0, 30).SetBounds(15, 15, 272, 30);
    auto& sub = r.SubDetalhe(45);
    sub.SetBounds(15, 45, 272, 20);
    Banda(sub, "item", TRLBandType::btDetail, 0, 20).SetBounds(0, 0, 272, 20);
}

}  // namespace

TEST(PapelContinuo, ThePageIsCutBelowTheLastBandAndTheStoreNamesThatSheet) {
    RelatorioDeTeste r(10);
    Bobina(r, 5000);
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_EQ(r.Paginas(), 1);
    // Top margin 15, header 30, ten rows of 20, bottom margin 15.
    EXPECT_EQ(r.Pagina(0)->Height(), 15 + 30 + 200 + 15);
    EXPECT_EQ(r.Pagina(0)->Width(), MilimetrosParaPixels(80));
    EXPECT_EQ(r.relatorio.Pages().Macros().Value("PaperWidth"), "80");
    EXPECT_EQ(r.relatorio.Pages().Macros().Value("PaperHeight"), "68,79");  // 260 px

    // A second preparation of fewer rows cuts anew.
    r.linhas.Empty();
    r.linhas.Append();
    r.linhas.SetInteger("ITEM", 1);
    r.linhas.Post();
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(r.Pagina(0)->Height(), 15 + 30 + 20 + 15);
}

TEST(PapelContinuo, ContentLongerThanTheRollBreaksOntoCutPagesThatSurviveThePageFile) {
    RelatorioDeTeste r(40);
    Bobina(r, 100);  // 378 px: 15 + 30 + 16 rows + 15 fit on one page
    ASSERT_TRUE(r.relatorio.PreparePages());
    ASSERT_GE(r.Paginas(), 3);
    for (int i = 0; i + 1 < r.Paginas(); ++i) EXPECT_LE(r.Pagina(i)->Height(), MilimetrosParaPixels(100));
    // The last page holds only what is left.
    EXPECT_LT(r.Pagina(r.Paginas() - 1)->Height(), r.Pagina(0)->Height());

    TRLGraphicStorage lida;
    LerArquivoPaginas(GerarArquivoPaginas(r.relatorio.Pages()), lida);
    ASSERT_EQ(lida.Count(), r.Paginas());
    for (int i = 0; i < lida.Count(); ++i) EXPECT_EQ(lida.Page(i)->Height(), r.Pagina(i)->Height()) << i;
}

TEST(PapelContinuo, SheetsStayWholeWithoutIt) {
    RelatorioDeTeste r(3);
    Bobina(r, 200);
    r.relatorio.ContinuousPaper = false;
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(r.Pagina(0)->Height(), MilimetrosParaPixels(200));
    EXPECT_EQ(r.relatorio.Pages().Macros().Value("PaperHeight"), "200");
}
