// The paged output loop on real PDF writers: each page on its sheet from the store's paper, the
// page's corners on the sheet's corners, the progress and the cancel rule, and what a refusing
// device leads to.
#include "report/RLExport.h"
#include "report/RLPagedOutput.h"

#include "PdfTeste.h"
#include "test_pages_common.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

void DefinirPapel(TRLGraphicStorage& store, const char* largura, const char* altura, const char* orientacao) {
    store.Macros().Set("PaperWidth", largura);
    store.Macros().Set("PaperHeight", altura);
    store.Macros().Set("Orientation", orientacao);
}

QByteArray Pdf(const TRLGraphicStorage& store, const TRLPedidoSaida& pedido, TRLProgress& progresso) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    GravarPdf(store, buffer, pedido, progresso);
    return bytes;
}

QByteArray Pdf(const TRLGraphicStorage& store) {
    return Pdf(store, TodasAsPaginas(store), ProgressoNulo());
}

struct CasoPapel {
    const char* nome;
    const char* larguraMm;
    const char* alturaMm;
    const char* orientacao;
    int larguraPagina;  // design pixels of a page on that paper
    int alturaPagina;
    double larguraPt;  // the PDF sheet
    double alturaPt;
};

class PapelDoArmazemNoPdf : public testing::TestWithParam<CasoPapel> {
protected:
    void SetUp() override { teste::GarantirAplicacao(); }
};

TEST_P(PapelDoArmazemNoPdf, EachPageOnThatSheetWithItsCornersOnTheSheetsCorners) {
    const CasoPapel& c = GetParam();
    TRLGraphicStorage store;
    DefinirPapel(store, c.larguraMm, c.alturaMm, c.orientacao);
    store.Add(PaginaComCantos(c.larguraPagina, c.alturaPagina));
    store.Add(PaginaComCantos(c.larguraPagina, c.alturaPagina));
    const QByteArray pdf = Pdf(store);
    const std::vector<Caixa> caixas = CaixasDoPdf(pdf);
    ASSERT_EQ(caixas.size(), 2u);
    for (const Caixa& caixa : caixas) {
        EXPECT_NEAR(caixa.Largura, c.larguraPt, 1.0);
        EXPECT_NEAR(caixa.Altura, c.alturaPt, 1.0);
    }
    if (!TemPdfToPpm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the corners cannot be seen";
    EsperarCantos(Rasterizar(pdf, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Papeis, PapelDoArmazemNoPdf,
    testing::Values(CasoPapel{"A4Portrait", "210", "297", "1", 794, 1123, 595.3, 841.9},
                    CasoPapel{"A4Landscape", "210", "297", "2", 1123, 794, 841.9, 595.3},
                    CasoPapel{"LetterPortrait", "215,9", "279,4", "1", 816, 1056, 612, 792},
                    CasoPapel{"LetterLandscape", "215,9", "279,4", "2", 1056, 816, 792, 612},
                    CasoPapel{"A5Portrait", "148", "210", "1", 559, 794, 419.5, 595.3},
                    CasoPapel{"A5Landscape", "148", "210", "2", 794, 559, 595.3, 419.5}),
    [](const testing::TestParamInfo<CasoPapel>& i) { return std::string(i.param.nome); });

TEST(SaidaPaginada, PagesOfAnotherSizeKeepTheirOwnSheet) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    DefinirPapel(store, "210", "297", "1");
    store.Add(PaginaComCantos(794, 1123));
    store.Add(PaginaComCantos(302, 600));  // a receipt roll, 80 mm wide
    store.Add(PaginaComCantos(794, 1123));
    const QByteArray pdf = Pdf(store);
    const std::vector<Caixa> caixas = CaixasDoPdf(pdf);
    ASSERT_EQ(caixas.size(), 3u);
    EXPECT_NEAR(caixas[0].Largura, 595.3, 1.0);
    EXPECT_NEAR(caixas[1].Largura, 226.5, 1.0);
    EXPECT_NEAR(caixas[1].Altura, 450, 1.0);
    EXPECT_NEAR(caixas[2].Altura, 841.9, 1.0) << "the A4 page after the roll is on A4 again";
    if (!TemPdfToPpm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the corners cannot be seen";
    EsperarCantos(Rasterizar(pdf, 2));
}

// Records what the loop tells its progress and cancels after a given number of steps.
class Progresso final : public TRLProgress {
public:
    explicit Progresso(int cancelarApos = -1) : cancelarApos_(cancelarApos) {}
    void Abrir(const std::string& caption) override {
        ++abertos;
        this->caption = caption;
    }
    void DefinirPasso(const std::string& linha) override { linhas.push_back(linha); }
    void DefinirMaximo(int m) override { maximo = m; }
    void Avancar() override { ++passos; }
    void Fechar() override { ++fechados; }
    bool Cancelado() const override { return cancelarApos_ >= 0 && passos >= cancelarApos_; }

    int abertos = 0, fechados = 0, maximo = -1, passos = 0;
    std::string caption;
    std::vector<std::string> linhas;

private:
    int cancelarApos_;
};

void TresPaginasA4(TRLGraphicStorage& store) {
    DefinirPapel(store, "210", "297", "1");
    for (int i = 0; i < 3; ++i) store.Add(PaginaComCantos(794, 1123));
}

TEST(SaidaPaginada, ProgressCountsTheCopiesAndNamesEachPage) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    TresPaginasA4(store);
    Progresso progresso;
    TRLPedidoSaida pedido;
    pedido.Paginas = {3, 1};
    pedido.Copias = 2;
    const QByteArray pdf = Pdf(store, pedido, progresso);
    EXPECT_EQ(CaixasDoPdf(pdf).size(), 4u);
    EXPECT_EQ(progresso.caption, LSTexto(TextoRL::SalvandoRelatorio));
    EXPECT_EQ(progresso.maximo, 4);
    EXPECT_EQ(progresso.passos, 4);
    const std::string p = LSTexto(TextoRL::Pagina);
    EXPECT_EQ(progresso.linhas, (std::vector<std::string>{p + " 3", p + " 1", p + " 3", p + " 1"}));
    EXPECT_EQ(progresso.abertos, 1);
    EXPECT_EQ(progresso.fechados, 1);
}

TEST(SaidaPaginada, CancelEndsEachCopyAfterThePageInHand) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    TresPaginasA4(store);
    Progresso progresso(1);
    TRLPedidoSaida pedido = TodasAsPaginas(store);
    pedido.Copias = 2;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const TRLResultadoSaida r = GravarPdf(store, buffer, pedido, progresso);
    EXPECT_TRUE(r.Cancelada);
    EXPECT_EQ(r.Folhas, 2) << "the first page of each copy";
    EXPECT_EQ(CaixasDoPdf(bytes).size(), 2u);
    EXPECT_EQ(progresso.fechados, 1);
}

TEST(SaidaPaginada, NothingToDrawStartsNoJob) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    TresPaginasA4(store);
    Progresso progresso;
    EXPECT_TRUE(Pdf(store, TRLPedidoSaida{}, progresso).isEmpty());
    TRLPedidoSaida semCopias = TodasAsPaginas(store);
    semCopias.Copias = 0;
    EXPECT_TRUE(Pdf(store, semCopias, progresso).isEmpty());
    EXPECT_EQ(progresso.abertos, progresso.fechados);
}

// A PDF writer standing in for a printer that stops taking pages after the first, or that will
// not change the sheet while a job runs.
class Teimoso : public QPdfWriter {
public:
    explicit Teimoso(QIODevice* destino) : QPdfWriter(destino) {}
    bool newPage() override { return recusarPagina ? false : QPdfWriter::newPage(); }
    bool setPageSize(const QPageSize& tamanho) override {
        if (recusarFolhaEmTrabalho && paintingActive()) {
            ++folhasRecusadas;
            return false;
        }
        return QPdfWriter::setPageSize(tamanho);
    }
    bool recusarPagina = false;
    bool recusarFolhaEmTrabalho = false;
    int folhasRecusadas = 0;
};

TEST(SaidaPaginada, ARefusedPageEndsTheJobWithWhatWasDrawnAndClosesTheProgress) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    TresPaginasA4(store);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Progresso progresso;
    Teimoso impressora(&buffer);
    impressora.recusarPagina = true;
    try {
        DesenharPaginas(store, impressora, TodasAsPaginas(store), progresso);
        ADD_FAILURE() << "a refused page must end the job with an error";
    } catch (const ERLDispositivoRecusou& e) {
        EXPECT_EQ(e.FolhasFeitas, 1);
        EXPECT_EQ(std::string(e.what()), "o dispositivo recusou uma nova página depois de 1 páginas");
    }
    EXPECT_EQ(progresso.fechados, 1);
    EXPECT_EQ(CaixasDoPdf(bytes).size(), 1u) << "the page drawn is kept";
}

TEST(SaidaPaginada, ASheetRefusedMidJobStartsANewJobOnThatSheet) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    DefinirPapel(store, "210", "297", "1");
    store.Add(PaginaComCantos(794, 1123));
    store.Add(PaginaComCantos(302, 600));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Teimoso impressora(&buffer);
    impressora.recusarFolhaEmTrabalho = true;
    EXPECT_EQ(DesenharPaginas(store, impressora, TodasAsPaginas(store), ProgressoNulo()).Folhas, 2);
    EXPECT_EQ(impressora.folhasRecusadas, 1);
    EXPECT_EQ(bytes.count("%PDF-"), 2) << "two jobs";
    const std::vector<Caixa> caixas = CaixasDoPdf(bytes);
    ASSERT_EQ(caixas.size(), 2u);
    EXPECT_NEAR(caixas[1].Largura, 226.5, 1.0);
}

TEST(ExportarPdf, ACancelOrAnEmptyStoreLeavesAnOlderFileAsItWas) {
    teste::GarantirAplicacao();
    QTemporaryDir pasta;
    const std::string caminho = pasta.filePath(QStringLiteral("danfe.pdf")).toStdString();
    {
        QFile antigo(QString::fromStdString(caminho));
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("antigo");
    }
    TRLGraphicStorage store;
    TresPaginasA4(store);
    Progresso cancela(1);
    try {
        ExportarPdf(store, caminho, cancela);
        ADD_FAILURE() << "a cancelled export must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), LSTexto(TextoRL::CanceladoPeloUsuario));
    }
    const TRLGraphicStorage vazio;
    try {
        ExportarPdf(vazio, caminho);
        ADD_FAILURE() << "an empty store has nothing to export";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível gravar " + caminho + ": não há páginas a gravar");
    }
    QFile depois(QString::fromStdString(caminho));
    ASSERT_TRUE(depois.open(QIODevice::ReadOnly));
    EXPECT_EQ(depois.readAll(), QByteArray("antigo"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST(ExportarPdf, AFolderThatDoesNotExistIsNamedInTheMessage) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    TresPaginasA4(store);
    try {
        ExportarPdf(store, "/nao/existe/danfe.pdf");
        ADD_FAILURE() << "the folder does not exist";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Não foi possível gravar /nao/existe/danfe.pdf: ", 0), 0u)
            << e.what();
    }
}

}  // namespace
