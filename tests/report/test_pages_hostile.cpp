// Hostile prepared-page files: each is refused with a message naming the bound it breaks, or read
// and drawn in bounded time, however large what it claims.
#include "PaginasHostis.h"
#include "test_pages_common.h"

#include "report/RLPagePainter.h"
#include "report/RLPagedOutput.h"

#include <QBuffer>

#include <QPainter>

#include <gtest/gtest.h>

namespace luvenor {
namespace {

namespace h = teste::hostis;

// The message of the refusal, or empty when the file was read.
std::string Recusa(const std::string& bytes) {
    TRLGraphicStorage store;
    try {
        LerArquivoPaginas(bytes, store);
    } catch (const ERLPageFileError& e) {
        EXPECT_EQ(store.Count(), 0);
        return e.what();
    }
    return {};
}

void Desenhar(const std::string& bytes) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    LerArquivoPaginas(bytes, store);
    QImage imagem(60, 85, QImage::Format_RGB32);
    QPainter painter(&imagem);
    for (int i = 0; i < store.Count(); ++i)
        DesenharPagina(*store.Page(i), store, painter, QRectF(0, 0, 60, 85));
}

TEST(PaginasHostis, DeepClipsAreRefusedAtTheBoundAndShallowOnesDrawn) {
    EXPECT_EQ(Recusa(h::RecortesAninhados(30000)),
              "página 1: mais recortes aninhados do que o limite (o limite é 64)");
    EXPECT_NE(Recusa(h::RecortesAninhados(LimitesArquivoPaginas::RecortesAninhados + 1)), "");
    EXPECT_EQ(Recusa(h::RecortesAninhados(LimitesArquivoPaginas::RecortesAninhados)), "");
    // Opened and closed again, clips never nest: thousands of them in turn are fine.
    EXPECT_EQ(Recusa(h::RecortesEmSequencia(5000)), "");
    Desenhar(h::RecortesAninhados(LimitesArquivoPaginas::RecortesAninhados));
}

TEST(PaginasHostis, APageRecordSharedByManyEntriesIsRefused) {
    EXPECT_EQ(Recusa(h::RegistroRepartido(5000)),
              "página 2: o registro se sobrepõe ao da página 1 (cada página deve ter um registro próprio)");
    EXPECT_EQ(Recusa(h::RegistroRepartido(2)).substr(0, 34), "página 2: o registro se sobrepõe");
    EXPECT_EQ(Recusa(h::RegistroRepartido(50000)), "50000 páginas (o limite é 10000)");
    EXPECT_EQ(Recusa(h::RegistroRepartido(1)), "");
    // Pages of their own, in any order of the table, are read.
    const std::string tres =
        h::Arquivo({h::Pagina({h::Texto("a")}), h::Pagina({h::Texto("b")}), h::Pagina({h::Texto("c")})});
    EXPECT_EQ(Recusa(tres), "");
}

TEST(PaginasHostis, MacroFloodsAreRefusedBeforeTheyAreSearched) {
    EXPECT_EQ(Recusa(h::MacrosDaLoja(200000)),
              "a contagem de macros do arquivo: 200000 macros (o limite é 1000)");
    EXPECT_EQ(Recusa(h::MacrosDaPagina(5000)),
              "página 1: a contagem de macros da página: 5000 macros (o limite é 1000)");
    EXPECT_EQ(Recusa(h::MacrosDaLoja(1000)), "");
}

TEST(PaginasHostis, PicturesAreBoundedByTheirDeclaredPixels) {
    const std::string grande = h::FigurasRle(1, 5600);
    EXPECT_EQ(Recusa(grande),
              "página 1: o objeto 1 (figura): figura de 5600 x 5600 pixels (o limite é 16777216)");
    // Each within the bound, together beyond the page's.
    EXPECT_EQ(Recusa(h::FigurasRle(80, 4000)),
              "página 1: figuras com mais pixels, somadas, do que o limite (o limite é 67108864)");
    EXPECT_EQ(Recusa(h::FigurasRle(3, 64)), "");
    Desenhar(h::FigurasRle(3, 64));
    // Whatever made it, a picture beyond the bound is not decoded for drawing.
    EXPECT_TRUE(DecodificarImagem(h::FiguraRle(5600, 5600)).isNull());
    EXPECT_EQ(DecodificarImagem(h::FiguraRle(64, 32)).size(), QSize(64, 32));
}

TEST(PaginasHostis, HugeTextsAndObjectCountsAreRefused) {
    EXPECT_EQ(Recusa(h::TextoEnorme(size_t{4} << 20)),
              "página 1: o objeto 1 (texto): texto de 4194304 bytes (o limite é 65536)");
    EXPECT_EQ(Recusa(h::TextoEnorme(LimitesArquivoPaginas::BytesPorTexto)), "");
    std::vector<std::string> muitos(LimitesArquivoPaginas::ObjetosPorPagina + 1, h::FimDoRecorte());
    EXPECT_EQ(Recusa(h::Arquivo({h::Pagina(muitos)})), "página 1: 200001 objetos (o limite é 200000)");
}

TEST(PaginasHostis, CornersAtTheIntegerLimitsAreDrawnWithoutOverflow) {
    EXPECT_EQ((TRLPageRect{INT_MIN, 0, 100, 0}).Width(), INT_MAX);
    EXPECT_EQ((TRLPageRect{100, INT_MIN, INT_MIN, INT_MAX}).Width(), INT_MIN);
    EXPECT_EQ((TRLPageRect{0, INT_MIN, 0, INT_MAX}).Height(), INT_MAX);
    EXPECT_EQ(Recusa(h::FiguraEmIntMin()), "");
    Desenhar(h::FiguraEmIntMin());
}

TEST(PaginasHostis, APageAsTallAsTheIntRangeGoesIntoAPdf) {
    teste::GarantirAplicacao();
    for (const std::string& arquivo : {h::PaginaSemFim(), h::PaginaSemFimComTextoLonge()}) {
        TRLGraphicStorage store;
        LerArquivoPaginas(arquivo, store);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        EXPECT_EQ(GravarPdf(store, pdf, TodasAsPaginas(store), ProgressoNulo()).Folhas, 1);
        EXPECT_TRUE(pdf.data().startsWith("%PDF"));
    }
}

}  // namespace
}  // namespace luvenor
