// The PDF written by cairo against Qt's own PDF writer: the same pages must look the same once
// drawn back by pdftoppm, keep their text and their sheets, embed only a subset of the font, and a
// destination that refuses the bytes must be told.
#include "report/RLExport.h"
#include "report/RLPagedOutput.h"

#include "PdfTeste.h"
#include "test_pages_common.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

// Two pages of the kinds a report draws (clip, hatch, dashes, picture, fallback characters),
// the second on a landscape sheet.
void Preencher(TRLGraphicStorage& store) {
    GarantirAplicacao();
    store.Macros().Set("LastPageNumber", "2");
    store.Macros().Set("Title", "Relatório de teste");
    store.Add(PaginaCompleta(1));
    TRLGraphicSurface deitada(1123, 794);
    deitada.Font.Name = "Times New Roman";
    deitada.Font.Height = -16;
    deitada.Pen.Width = 3;
    deitada.Rectangle({40, 40, 1083, 754});
    deitada.TextOut({60, 60, 160, 80}, 62, 60, "TEXTO CORTADO PELA CAIXA ESTREITA", tfUnbreakable);
    deitada.TextRect({60, 100, 900, 130}, 62, 100, "Valor total: R$ 1.234,56", TRLPageAlignment::Right,
                     TRLPageLayout::Center, tfUnbreakable);
    store.Add(std::move(deitada));
}

class PdfCairo : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TemPdfToPpm()) GTEST_SKIP() << "poppler-utils is not installed: the PDFs cannot be read back";
    }
};

TEST_F(PdfCairo, EveryPageLooksAsQtsPdfWriterDrawsIt) {
    TRLGraphicStorage store;
    Preencher(store);
    const QByteArray cairo = PdfEmMemoria(store, false);
    const QByteArray qt = PdfEmMemoria(store, true);
    for (int pagina = 1; pagina <= 2; ++pagina) {
        const QImage a = Rasterizar(cairo, pagina);
        const QImage b = Rasterizar(qt, pagina);
        ASSERT_FALSE(a.isNull()) << "page " << pagina;
        EXPECT_EQ(a.size(), b.size()) << "page " << pagina;
        EXPECT_LT(PixelsDiferentes(a, b), 0.002) << "page " << pagina;
    }
}

TEST_F(PdfCairo, SheetsTextAndFontSubsetAreKept) {
    TRLGraphicStorage store;
    Preencher(store);
    const QByteArray pdf = PdfEmMemoria(store, false);
    const std::vector<Caixa> caixas = CaixasDoPdf(pdf);
    ASSERT_EQ(caixas.size(), 2u);
    EXPECT_NEAR(caixas[0].Largura, 595.3, 0.5);
    EXPECT_NEAR(caixas[0].Altura, 841.9, 0.5);
    EXPECT_NEAR(caixas[1].Largura, 841.9, 0.5);
    EXPECT_NEAR(caixas[1].Altura, 595.3, 0.5);

    // The same text in the same order; of a text its box cuts, only the glyphs one can see (Qt's
    // writer keeps the hidden ones too).
    const std::string texto = Poppler(pdf, "pdftotext -enc UTF-8");
    std::string doQt = Poppler(PdfEmMemoria(store, true), "pdftotext -enc UTF-8");
    const size_t cortado = doQt.find("CAIXA ESTREITA");
    ASSERT_NE(cortado, std::string::npos) << doQt;
    doQt.replace(cortado, std::string("CAIXA ESTREITA").size(), "CAIXA EST");
    EXPECT_EQ(texto, doQt);
    const size_t nota = texto.find("NOTA FISCAL Nº 1 – 2");
    const size_t acao = texto.find("Ação ção €");
    EXPECT_NE(nota, std::string::npos) << texto;
    EXPECT_NE(acao, std::string::npos) << texto;
    EXPECT_LT(nota, acao);
    EXPECT_NE(texto.find("Valor total: R$ 1.234,56"), std::string::npos) << texto;

    // Every font embedded, as a subset (its name has the six-letter tag).
    const std::string fontes = Poppler(pdf, "pdffonts");
    EXPECT_NE(fontes.find("LiberationSerif"), std::string::npos) << fontes;
    EXPECT_EQ(fontes.find(" no "), std::string::npos) << fontes;
    EXPECT_NE(fontes.find("+LiberationSerif"), std::string::npos) << fontes;
    EXPECT_NE(Poppler(pdf, "pdfinfo").find("Relatório de teste"), std::string::npos);
}

// A destination that takes the first bytes and then refuses the rest, as a full disk does.
class DiscoCheio : public QIODevice {
public:
    explicit DiscoCheio(qint64 cabe) : cabe_(cabe) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 n) override {
        if (cabe_ < n) {
            setErrorString(QStringLiteral("Não há espaço no dispositivo"));
            return -1;
        }
        cabe_ -= n;
        return n;
    }

private:
    qint64 cabe_;
};

TEST_F(PdfCairo, ADestinationThatRefusesTheBytesIsReported) {
    TRLGraphicStorage store;
    Preencher(store);
    DiscoCheio disco(1000);
    try {
        GravarPdf(store, disco, TodasAsPaginas(store), ProgressoNulo());
        FAIL() << "a refused write went unnoticed";
    } catch (const ERLDispositivoRecusou& e) {
        EXPECT_NE(std::string(e.what()).find("Não há espaço no dispositivo"), std::string::npos) << e.what();
    }
}

}  // namespace
