// The DANFE's PDF as cairo writes it against Qt's PDF writer: every page drawn back by pdftoppm must
// look the same, with the same lines of text, in a file no larger.
#include "DanfeTeste.h"
#include "report/PdfTeste.h"
#include "report/RLPagedOutput.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

struct DoisPdfs {
    QByteArray cairo;
    QByteArray qt;
    int paginas = 0;
};

DoisPdfs Danfe(int itens, bool paisagem) {
    GarantirAplicacao();
    TNotaFiscal nf;
    PreencherNota(nf, itens);
    nf.tpImp = paisagem ? "2" : "1";
    nf.ObservOrig = "Pedido 4711 – entrega às terças; frágil: não empilhar.";
    DoisPdfs r;
    ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
        f.RLReport1().ShowProgress = false;
        if (!f.RLReport1().PreparePages()) return;
        r.paginas = f.RLReport1().Pages().Count();
        r.cairo = PdfEmMemoria(f.RLReport1().Pages(), false);
        r.qt = PdfEmMemoria(f.RLReport1().Pages(), true);
    });
    return r;
}

std::multiset<std::string> Linhas(const std::string& texto) {
    std::multiset<std::string> linhas;
    size_t inicio = 0;
    for (size_t fim; (fim = texto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
        if (fim > inicio) linhas.insert(texto.substr(inicio, fim - inicio));
    return linhas;
}

struct Caso {
    const char* nome;
    int itens;
    bool paisagem;
};

class PdfDoDanfe : public ::testing::TestWithParam<Caso> {};

TEST_P(PdfDoDanfe, CairoDrawsThePagesQtsWriterDrawsInAFileOfAboutItsSize) {
    if (!TemPdfToPpm()) GTEST_SKIP() << "poppler-utils is not installed: the PDFs cannot be read back";
    const DoisPdfs pdf = Danfe(GetParam().itens, GetParam().paisagem);
    ASSERT_GT(pdf.paginas, 0);
    for (int pagina = 1; pagina <= pdf.paginas; ++pagina) {
        const QImage a = Rasterizar(pdf.cairo, pagina);
        const QImage b = Rasterizar(pdf.qt, pagina);
        ASSERT_FALSE(a.isNull()) << "page " << pagina;
        // Qt's writer stores the barcode and the logo as JPEG; their blur against cairo's exact
        // pixels is most of what differs (up to half a percent on a landscape page at 96 dpi).
        EXPECT_LT(PixelsDiferentes(a, b), 0.006) << "page " << pagina;
    }
    // The same lines of text; pdftotext may group a label and its value in another order when
    // two writers place a glyph a fraction of a point apart, so the lines are compared as a set.
    EXPECT_EQ(Linhas(Poppler(pdf.cairo, "pdftotext -enc UTF-8")),
              Linhas(Poppler(pdf.qt, "pdftotext -enc UTF-8")));
    // With the barcode drawn as bars by both writers, a one-sheet DANFE through cairo is a few
    // percent larger than Qt's (34 KB against 33 KB, both below the 37 KB Qt wrote with a JPEG
    // barcode); longer ones are much smaller.
    EXPECT_LE(pdf.cairo.size(), pdf.qt.size() * 105 / 100);
}

INSTANTIATE_TEST_SUITE_P(Danfes, PdfDoDanfe,
                         ::testing::Values(Caso{"retrato_3_itens", 3, false},
                                           Caso{"paisagem_3_itens", 3, true},
                                           Caso{"retrato_120_itens", 120, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
