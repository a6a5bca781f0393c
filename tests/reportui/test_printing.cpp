// Printing driven headless: the print dialog filled in by the test, the printer writing a PDF,
// the engine's copies, page choice, sheet and progress.
#include "reportui/PreviaTeste.h"
#include "report/PdfTeste.h"

#include "reportui/RLPrintDialog.h"
#include "reportui/RLPrinting.h"
#include "reportui/RLProgressWindow.h"
#include "report/RLQtTexto.h"
#include "report/RLTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

class Impressao : public Previa {
protected:
    void SetUp() override {
        Previa::SetUp();
        ConfiguracaoImpressao() = {};
        // The PDF file the dialog suggests lies in the test's folder, never in the user's.
        ConfiguracaoImpressao().ArquivoPdf = pasta.filePath(QStringLiteral("anterior.pdf"));
        pdf = pasta.filePath(QStringLiteral("impresso.pdf"));
        janela->PrepararImpressora = [this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            orientacaoAntes = p.pageLayout().orientation();
            impressora = &p;
        };
    }
    // Prints through the dialog after `preencher` has filled it in.
    void Imprimir(const std::function<void(TRLPrintDialog&)>& preencher) {
        janela->ExecutarDialogo = [&](QDialog& d) {
            auto& dialogo = dynamic_cast<TRLPrintDialog&>(d);
            preencher(dialogo);
            dialogo.BotaoOk()->click();
            return dialogo.result() == QDialog::Accepted;
        };
        janela->Imprimir();
    }
    static void Digitar(QLineEdit* campo, const char* texto) {
        campo->setText(QString::fromLatin1(texto));
        emit campo->textEdited(campo->text());
    }

    QString pdf;
    QPrinter* impressora = nullptr;
    QPageLayout::Orientation orientacaoAntes = QPageLayout::Portrait;
};

TEST_F(Impressao, DialogStartsWithAllPagesAndTheSharedSettings) {
    ConfiguracaoImpressao().ParImpar = TRLParImpar::Pares;
    ConfiguracaoImpressao().Copias = 3;
    janela->ExecutarDialogo = [&](QDialog& d) {
        auto& dialogo = dynamic_cast<TRLPrintDialog&>(d);
        EXPECT_TRUE(dialogo.OpcaoTudo()->isChecked());
        EXPECT_EQ(dialogo.CampoDe()->text(), QStringLiteral("1"));
        EXPECT_EQ(dialogo.CampoAte()->text(), QStringLiteral("5"));
        EXPECT_EQ(dialogo.CampoCopias()->text(), QStringLiteral("3"));
        EXPECT_EQ(dialogo.ListaParImpar()->currentText(),
                  QStringLiteral("Todas"));  // reset by the print button
        EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Imprimir"));
        return false;
    };
    janela->Imprimir();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Impressao, SelectionTextPrintsTheChosenPagesOnce) {
    Imprimir([](TRLPrintDialog& d) { Digitar(d.CampoSelecao(), "4;1-2; 2"); });
    EXPECT_EQ(PaginasNoPdf(pdf), 3);
    EXPECT_TRUE(mensagens.mensagens.empty());
}

TEST_F(Impressao, OddPagesOfAnInterval) {
    Imprimir([](TRLPrintDialog& d) {
        Digitar(d.CampoAte(), "4");
        EXPECT_TRUE(d.OpcaoPaginas()->isChecked());
        d.ListaParImpar()->setCurrentIndex(0);
    });
    EXPECT_EQ(PaginasNoPdf(pdf), 2);
    EXPECT_EQ(ConfiguracaoImpressao().ParImpar, TRLParImpar::Impares);
}

TEST_F(Impressao, CopiesAreMadeByTheEngineAndThePrinterAskedForOne) {
    Imprimir([](TRLPrintDialog& d) {
        Digitar(d.CampoDe(), "3");
        d.CampoCopias()->setText(QStringLiteral("2"));
    });
    EXPECT_EQ(PaginasNoPdf(pdf), 6);
    ASSERT_NE(impressora, nullptr);
    EXPECT_EQ(ConfiguracaoImpressao().Copias, 2);
    // The next dialog (of this preview or the next invoice's) starts at two copies.
    Imprimir([](TRLPrintDialog& d) { EXPECT_EQ(d.CampoCopias()->text(), QStringLiteral("2")); });
}

TEST_F(Impressao, FromZeroOrNotANumberPrintsNothing) {
    for (const char* de : {"0", "x"}) {
        Imprimir([de](TRLPrintDialog& d) { Digitar(d.CampoDe(), de); });
        EXPECT_FALSE(QFile::exists(pdf)) << de;
    }
}

TEST_F(Impressao, ToPageBeyondTheLastPrintsToTheLast) {
    Imprimir([](TRLPrintDialog& d) {
        Digitar(d.CampoDe(), "4");
        Digitar(d.CampoAte(), "99");
    });
    EXPECT_EQ(PaginasNoPdf(pdf), 2);
}

// With no print queue the dialog listed nothing and OK failed; the PDF file is always the list's
// last entry, chosen at once when there is no printer, named after the job in the last folder.
TEST_F(Impressao, ThePdfFileIsAlwaysOfferedAndPrintsOnAMachineWithoutPrinters) {
    janela->PrepararImpressora = nullptr;
    const bool semImpressoras = QPrinterInfo::availablePrinterNames().isEmpty();
    const QString destino = pasta.filePath(QStringLiteral("danfe"));
    Imprimir([&](TRLPrintDialog& d) {
        QComboBox* lista = d.ListaImpressoras();
        EXPECT_EQ(lista->itemText(lista->count() - 1), QStringLiteral("Arquivo PDF"));
        if (semImpressoras) {
            EXPECT_TRUE(d.ImprimirEmPdf());
        }
        lista->setCurrentIndex(lista->count() - 1);
        EXPECT_TRUE(d.CaixaEmArquivo()->isChecked());
        EXPECT_TRUE(d.CampoArquivoPdf()->isEnabled());
        EXPECT_EQ(d.CampoArquivoPdf()->text(), pasta.filePath(QStringLiteral("Nota 12.pdf")));
        d.CampoArquivoPdf()->setText(destino);
    });
    EXPECT_TRUE(mensagens.mensagens.empty()) << mensagens.mensagens.front();
    EXPECT_EQ(PaginasNoPdf(destino + QStringLiteral(".pdf")), 5);
    EXPECT_TRUE(ConfiguracaoImpressao().ImprimirEmPdf);
    // The next dialog starts on the PDF file again, in the same folder.
    janela->ExecutarDialogo = [&](QDialog& d) {
        auto& dialogo = dynamic_cast<TRLPrintDialog&>(d);
        EXPECT_TRUE(dialogo.ImprimirEmPdf());
        EXPECT_EQ(QFileInfo(dialogo.ArquivoPdf()).absolutePath(), pasta.path());
        return false;
    };
    janela->Imprimir();
}

TEST_F(Impressao, APdfFileThatCannotBeWrittenKeepsTheDialogWithTheReason) {
    janela->PrepararImpressora = nullptr;
    QFile(pasta.filePath(QStringLiteral("existe.pdf"))).open(QIODevice::WriteOnly);
    int perguntas = 0;
    struct Caso {
        QString arquivo;
        std::string mensagem;
    };
    const Caso casos[] = {
        {QStringLiteral("/nao/existe/x.pdf"), "A pasta /nao/existe não existe ou não permite gravar."},
        {pasta.filePath(QStringLiteral("existe.pdf")), ""},  // asked first, and the answer was no
        {QString(), ""},
    };
    for (const Caso& c : casos) {
        mensagens.mensagens.clear();
        mensagens.gravidades.clear();
        bool aceito = true;
        janela->ExecutarDialogo = [&](QDialog& d) {
            auto& dialogo = dynamic_cast<TRLPrintDialog&>(d);
            dialogo.ConfirmarSobrescrita = [&](const QString&) { return ++perguntas, false; };
            dialogo.ListaImpressoras()->setCurrentIndex(dialogo.ListaImpressoras()->count() - 1);
            dialogo.CampoArquivoPdf()->setText(c.arquivo);
            dialogo.BotaoOk()->click();
            aceito = dialogo.result() == QDialog::Accepted;
            return aceito;
        };
        janela->Imprimir();
        EXPECT_FALSE(aceito) << c.arquivo.toStdString();
        if (c.mensagem.empty()) {
            EXPECT_TRUE(mensagens.mensagens.empty());
        } else {
            EXPECT_EQ(mensagens.mensagens, std::vector<std::string>{c.mensagem});
            EXPECT_EQ(mensagens.gravidades, std::vector<Gravidade>{Gravidade::Aviso});
        }
    }
    EXPECT_EQ(perguntas, 1);
}

TEST_F(Impressao, AJobThatCannotStartIsAWarningNamingWhereItWentAndTheWindowStays) {
    const QString inalcancavel = pasta.filePath(QStringLiteral("sumiu/x.pdf"));
    janela->PrepararImpressora = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(inalcancavel);
    };
    Imprimir([](TRLPrintDialog&) {});
    EXPECT_EQ(
        mensagens.mensagens,
        std::vector<std::string>{"A impressão não pôde ser iniciada: não foi possível gravar o arquivo " +
                                 inalcancavel.toStdString() + "."});
    EXPECT_EQ(mensagens.gravidades, std::vector<Gravidade>{Gravidade::Aviso});
    EXPECT_TRUE(janela->isVisible());
}

// A printer writing a PDF in a temporary folder, asked for two copies.
struct ImpressoraPdf {
    ImpressoraPdf() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pasta.filePath(QStringLiteral("p.pdf")));
        printer.setCopyCount(2);
    }
    QTemporaryDir pasta;
    QPrinter printer{QPrinter::HighResolution};
};

TEST(ImprimirPaginas, LandscapeStoreIsPrintedLandscapeWithTheJobTitle) {
    TRLGraphicStorage store;
    PreencherPaginas(store, 2);
    store.Macros().Set("Orientation", "2");
    store.Macros().Set("JobTitle", "Relatório \"x\"");
    ImpressoraPdf pdf;
    QPrinter& printer = pdf.printer;
    printer.setPageOrientation(QPageLayout::Portrait);
    TRLProgressWindow progresso;
    EXPECT_EQ(ImprimirPaginas(store, printer, {1, 2, TRLParImpar::Todas, "", 1}, progresso), 4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.docName(), QStringLiteral("Relatório \"x\""));
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_EQ(progresso.Barra()->maximum(), 4);
    EXPECT_FALSE(progresso.isVisible());
    EXPECT_EQ(progresso.windowTitle(), ParaQString(LSTexto(TextoRL::SalvandoRelatorio)));
}

// Letter pages on a printer that keeps a 10 mm unprintable edge: the job is on Letter and the
// page's corners land on the paper's corners, not on the printable area's.
TEST(ImprimirPaginas, LetterStoreIsPrintedOnLetterFromThePapersCorner) {
    TRLGraphicStorage store;
    store.Macros().Set("PaperWidth", "215,9");
    store.Macros().Set("PaperHeight", "279,4");
    store.Macros().Set("Orientation", "1");
    store.Add(teste::PaginaComCantos(816, 1056));
    ImpressoraPdf pdf;
    QPrinter& printer = pdf.printer;
    printer.setCopyCount(1);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    EXPECT_EQ(ImprimirPaginas(store, printer, {1, 1, TRLParImpar::Todas, "", 1}, ProgressoNulo()), 1);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QFile f(printer.outputFileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const auto caixas = teste::CaixasDoPdf(bytes);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_NEAR(caixas[0].Largura, 612, 1);
    EXPECT_NEAR(caixas[0].Altura, 792, 1);
    if (!teste::TemPdfToPpm()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    teste::EsperarCantos(teste::Rasterizar(bytes, 1));
}

// The PDF is written beside the chosen name and put in place whole: no temporary file stays
// behind, and a link at the chosen name is replaced by the PDF, its target left as it was.
TEST(ImprimirPaginas, PdfTakesThePlaceOfALinkAndLeavesNoTemporaryFile) {
    TRLGraphicStorage store;
    PreencherPaginas(store, 2);
    ImpressoraPdf pdf;
    QPrinter& printer = pdf.printer;
    printer.setCopyCount(1);
    const QString alvoDoLink = pdf.pasta.filePath(QStringLiteral("outro.txt"));
    QFile outro(alvoDoLink);
    ASSERT_TRUE(outro.open(QIODevice::WriteOnly));
    outro.write("intocado");
    outro.close();
    ASSERT_TRUE(QFile::link(alvoDoLink, printer.outputFileName()));
    EXPECT_EQ(ImprimirPaginas(store, printer, {1, 2, TRLParImpar::Todas, "", 1}, ProgressoNulo()), 2);
    EXPECT_EQ(printer.outputFileName(), pdf.pasta.filePath(QStringLiteral("p.pdf")));
    EXPECT_FALSE(QFileInfo(printer.outputFileName()).isSymLink());
    EXPECT_EQ(PaginasNoPdf(printer.outputFileName()), 2);
    ASSERT_TRUE(outro.open(QIODevice::ReadOnly));
    EXPECT_EQ(outro.readAll(), QByteArray("intocado"));
    EXPECT_EQ(QDir(pdf.pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// A progress that asks to cancel after its first step.
class CancelaNoPrimeiro : public TRLProgress {
public:
    void Abrir(const std::string&) override { passos = 0; }
    void DefinirPasso(const std::string&) override {}
    void DefinirMaximo(int) override {}
    void Avancar() override { ++passos; }
    void Fechar() override { fechado = true; }
    bool Cancelado() const override { return passos > 0; }
    int passos = 0;
    bool fechado = false;
};

TEST(ImprimirPaginas, CancelStopsEachCopyAfterItsCurrentPage) {
    TRLGraphicStorage store;
    PreencherPaginas(store, 3);
    ImpressoraPdf pdf;
    QPrinter& printer = pdf.printer;
    CancelaNoPrimeiro progresso;
    EXPECT_EQ(ImprimirPaginas(store, printer, {1, 3, TRLParImpar::Todas, "", 1}, progresso), 2);
    EXPECT_TRUE(progresso.fechado);
    EXPECT_EQ(PaginasNoPdf(printer.outputFileName()), 2);
}

TEST(JanelaDeProgresso, CancelRaisesTheFlagUntilTheNextOpen) {
    TRLProgressWindow janela;
    janela.Abrir("Imprimindo");
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.Passo(), QStringLiteral("Aguarde..."));
    EXPECT_EQ(janela.Barra()->maximum(), 100);
    janela.DefinirMaximo(3);
    janela.Avancar();
    EXPECT_EQ(janela.Barra()->value(), 1);
    EXPECT_FALSE(janela.Cancelado());
    janela.BotaoCancelar()->click();
    EXPECT_TRUE(janela.Cancelado());
    janela.Abrir("Imprimindo");
    EXPECT_FALSE(janela.Cancelado());
    janela.Fechar();
    EXPECT_FALSE(janela.isVisible());
}

}  // namespace

int main(int argc, char** argv) {
    return luvenor::teste::ExecutarEmPortugues(argc, argv);
}
