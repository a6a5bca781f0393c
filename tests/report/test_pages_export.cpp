// PDF and PNG export of a page store.
#include "report/RLExport.h"

#include "PdfTeste.h"
#include "test_pages_common.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

using namespace luvenor;

namespace {

TRLGraphicSurface PaginaDeTexto(int numero, int largura, int altura) {
    TRLGraphicSurface p(largura, altura);
    p.Macros().Set("PageNo", std::to_string(numero));
    p.Font.Name = "Times New Roman";
    p.Font.Height = -13;
    p.Pen.Width = 1;
    p.Rectangle({30, 30, largura - 30, altura - 30});
    p.TextOut({40, 40, 600, 60}, 43, 40, "Folha {PageNo} de {LastPageNumber} – Ação Fictícia ✓",
              tfUnbreakable);
    return p;
}

void Preencher(TRLGraphicStorage& store, int paginas, bool paisagem) {
    store.Macros().Set("LastPageNumber", std::to_string(paginas));
    store.Macros().Set("Orientation", paisagem ? "2" : "1");
    store.Macros().Set("Title", "DANFE de teste");
    for (int i = 1; i <= paginas; ++i)
        store.Add(paisagem ? PaginaDeTexto(i, 1123, 794) : PaginaDeTexto(i, 794, 1123));
}

std::string LerArquivo(const std::string& caminho) {
    QFile f(QString::fromStdString(caminho));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), size_t(b.size()));
}

int Contar(const std::string& s, const std::regex& r) {
    return int(std::distance(std::sregex_iterator(s.begin(), s.end(), r), std::sregex_iterator()));
}

bool TemPdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

TEST(PdfExport, EveryPageOnA4WithTheStoreOrientation) {
    teste::GarantirAplicacao();
    for (const bool paisagem : {false, true}) {
        TRLGraphicStorage store;
        Preencher(store, 3, paisagem);
        const std::string caminho = testing::TempDir() + (paisagem ? "pages_land.pdf" : "pages_port.pdf");
        ExportarPdf(store, caminho);
        const std::string pdf = LerArquivo(caminho);
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
        EXPECT_EQ(Contar(pdf, std::regex("/Type\\s*/Page[^s]")), 3);
        const std::regex caixa(paisagem ? "/MediaBox\\s*\\[\\s*0 0 84[12][.\\d]* 59[45]"
                                        : "/MediaBox\\s*\\[\\s*0 0 59[45][.\\d]* 84[12]");
        EXPECT_EQ(Contar(pdf, caixa), 3) << (paisagem ? "landscape" : "portrait");
    }
}

TEST(PdfExport, TextIsRealAndSelectable) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    Preencher(store, 2, false);
    const std::string caminho = testing::TempDir() + "pages_text.pdf";
    ExportarPdf(store, caminho);
    if (!TemPdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text cannot be extracted";
    const std::string texto = teste::SaidaDoComando("pdftotext -enc UTF-8 '" + caminho + "' - 2>/dev/null");
    EXPECT_NE(texto.find("Folha 1 de 2"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Folha 2 de 2"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Ação Fictícia"), std::string::npos) << texto;
}

TEST(PdfExport, UnwritablePathFailsAndCancelStops) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    Preencher(store, 1, false);
    EXPECT_THROW(ExportarPdf(store, "/no/such/folder/x.pdf"), std::runtime_error);

    struct Cancelador final : TRLProgress {
        void Abrir(const std::string&) override { abertos++; }
        void DefinirPasso(const std::string&) override {}
        void DefinirMaximo(int) override {}
        void Avancar() override {}
        void Fechar() override { fechados++; }
        bool Cancelado() const override { return true; }
        int abertos = 0, fechados = 0;
    } cancelador;
    const std::string caminho = testing::TempDir() + "pages_cancelled.pdf";
    std::remove(caminho.c_str());
    EXPECT_THROW(ExportarPdf(store, caminho, cancelador), std::runtime_error);
    EXPECT_EQ(cancelador.abertos, 1);
    EXPECT_EQ(cancelador.fechados, 1) << "the progress closes on every way out";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(caminho))) << "a cancelled export leaves no file";
}

TEST(PngExport, OneFilePerPageAtTheChosenResolution) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    Preencher(store, 2, false);
    const std::string base = testing::TempDir() + "pages_png.png";
    const auto nomes = ExportarPng(store, base, 48);
    ASSERT_EQ(nomes.size(), 2u);
    EXPECT_EQ(nomes[0], testing::TempDir() + "pages_png-1.png");
    EXPECT_EQ(nomes[1], testing::TempDir() + "pages_png-2.png");
    QImage img(QString::fromStdString(nomes[1]));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(397, 562)) << "794 x 1123 design pixels at half of 96 dpi";
    EXPECT_NEAR(img.dotsPerMeterX(), 48 / 0.0254, 1);
    EXPECT_EQ(img.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(15, 100), qRgb(0, 0, 0)) << "the frame's left side";
    EXPECT_THROW(ExportarPng(store, base, 5), std::runtime_error);
}

TEST(PngExport, PageNumberGoesBeforeTheExtension) {
    EXPECT_EQ(NomeDoArquivoDaPagina("out.png", 3), "out-3.png");
    EXPECT_EQ(NomeDoArquivoDaPagina("dir.v2/out", 1), "dir.v2/out-1");
    EXPECT_EQ(NomeDoArquivoDaPagina("a/.hidden", 2), "a/.hidden-2");
    EXPECT_EQ(NomeDoArquivoDaPagina("a.b.png", 10), "a.b-10.png");
}

}  // namespace
