// The main window's ways of opening files and its keys, driven headless: the title naming the
// loaded file, the DANFE button when the path field names another file, drops, Enter, the
// shortcuts and mnemonics as the platform sends them, the recent files and page files.
#include "app/JanelaPrincipalTeste.h"

#include "app/ArquivosRecentes.h"
#include "app/FrmSobre.h"
#include "report/RLGraphics.h"
#include "report/RLPageFile.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <set>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

class Abertura : public JanelaPrincipal {
protected:
    void SetUp() override {
        JanelaPrincipal::SetUp();
        janela->Recentes().Limpar();
        janela->PerguntarDanfe = [this](const QString& carregado, const QString& campo) {
            perguntas.emplace_back(carregado, campo);
            return resposta;
        };
        janela->VisualizarPaginas = [this](const TRLGraphicStorage& p) { paginasMostradas = p.Count(); };
    }
    // A copy of the sample under another number, so two invoices can be told apart.
    std::string OutraNota() {
        return Gravar("outra.xml", Trocar(Ler(Exemplo), "<nNF>4321</nNF>", "<nNF>77</nNF>"));
    }
    std::string Recusado() { return Gravar("recusado.xml", "<NFe/>"); }
    QString Absoluto(const std::string& caminho) {
        return QFileInfo(QString::fromStdString(caminho)).absoluteFilePath();
    }
    void Soltar(QMimeData* dados) {
        QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(janela.get(), &entra);
        EXPECT_TRUE(entra.isAccepted());
        QDropEvent e(QPointF(50, 50), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(janela.get(), &e);
        QApplication::processEvents();  // the drop opens its files once it is over
    }

    TEscolhaDanfe resposta = TEscolhaDanfe::Cancelar;
    std::vector<std::pair<QString, QString>> perguntas;
    int paginasMostradas = -1;
};

TEST_F(Abertura, TheTitleNamesTheLoadedFileAndARefusedLoadLeavesIt) {
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Luvenor"));
    Carregar(Exemplo);
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("nfe-exemplo.xml"));
    EXPECT_EQ(janela->ArquivoCarregado(), Absoluto(Exemplo));
    Carregar(Recusado());
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("nfe-exemplo.xml")) << "the fields still show it";
    EXPECT_EQ(mensagens.gravidades, std::vector<Gravidade>{Gravidade::Aviso});
}

// The wrong invoice: A loaded, B refused, the DANFE button pressed. The DANFE of A printed with
// no word while the field named B; now the button asks, and the answer decides.
struct CasoDanfe {
    const char* nome;
    TEscolhaDanfe resposta;
    bool campoValido;  // the field names another invoice that loads, rather than a refused file
    int previas;
    int numeroImpresso;
};

class DanfeDeOutroArquivo : public Abertura, public ::testing::WithParamInterface<CasoDanfe> {};

TEST_P(DanfeDeOutroArquivo, TheButtonAsksWhichInvoiceBeforePrinting) {
    const CasoDanfe& c = GetParam();
    Carregar(Exemplo);
    const std::string campo = c.campoValido ? OutraNota() : Recusado();
    if (c.campoValido) {
        janela->EdNomeArquivo->setText(QString::fromStdString(campo));  // typed, not loaded
    } else {
        Carregar(campo);
    }
    mensagens.mensagens.clear();
    resposta = c.resposta;
    janela->BitBtn2->click();
    ASSERT_EQ(perguntas.size(), 1u);
    EXPECT_EQ(perguntas[0].first, Absoluto(Exemplo));
    EXPECT_EQ(perguntas[0].second.toStdString(), campo);
    EXPECT_EQ(previas, c.previas);
    if (c.previas > 0) {
        EXPECT_EQ(janela->NotaFiscal().NumLcto, c.numeroImpresso);
    }
    if (c.resposta == TEscolhaDanfe::Cancelar) {
        EXPECT_TRUE(janela->EdNomeArquivo->hasFocus());
    }
    EXPECT_TRUE(janela->Panel1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Respostas, DanfeDeOutroArquivo,
    ::testing::Values(
        CasoDanfe{"CancelPrintsNothing", TEscolhaDanfe::Cancelar, false, 0, 0},
        CasoDanfe{"TheLoadedInvoiceWhenTheUserSaysSo", TEscolhaDanfe::NotaCarregada, false, 1, 4321},
        CasoDanfe{"LoadingARefusedFieldPrintsNothing", TEscolhaDanfe::CarregarOCampo, false, 0, 0},
        CasoDanfe{"LoadingATypedFieldPrintsThatInvoice", TEscolhaDanfe::CarregarOCampo, true, 1, 77}),
    [](const ::testing::TestParamInfo<CasoDanfe>& i) { return std::string(i.param.nome); });

TEST_F(Abertura, TheFieldNamingTheLoadedFileAsksNothingAndTheJobIsNamedAfterTheInvoice) {
    Carregar(Exemplo);
    janela->EdNomeArquivo->setText(QString::fromStdString(LUVENOR_SOURCE_DIR "/samples/./nfe-exemplo.xml"));
    janela->BitBtn2->click();
    EXPECT_TRUE(perguntas.empty());
    EXPECT_EQ(previas, 1);
    EXPECT_EQ(tituloDaTarefa, "DANFE NF-e 4321 - CONSTRUTORA HORIZONTE AZUL LTDA");
}

TEST_F(Abertura, ADroppedFileOpensAndNoFieldTakesItsPathAsText) {
    EXPECT_TRUE(janela->acceptDrops());
    for (QLineEdit* campo : janela->findChildren<QLineEdit*>()) EXPECT_FALSE(campo->acceptDrops());
    janela->EdNomeArquivo->setText(QStringLiteral("digitado"));
    auto* urls = new QMimeData;
    urls->setUrls({QUrl::fromLocalFile(QString::fromStdString(Exemplo))});
    Soltar(urls);
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321);
    EXPECT_EQ(janela->EdNomeArquivo->text().toStdString(), Exemplo);
    auto* texto = new QMimeData;  // a file:// text, as some programs drop it
    texto->setText(QUrl::fromLocalFile(QString::fromStdString(OutraNota())).toString() +
                   QStringLiteral("\r\n"));
    Soltar(texto);
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 77);
    EXPECT_EQ(janela->EdNomeArquivo->text(), Absoluto(OutraNota()));
    EXPECT_TRUE(mensagens.mensagens.empty());
    delete urls;
    delete texto;
}

TEST_F(Abertura, EnterInThePathFieldLoads) {
    janela->EdNomeArquivo->setText(QString::fromStdString(Exemplo));
    QTest::keyClick(janela->EdNomeArquivo, Qt::Key_Return);
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321);
}

// Closes the next modal window that opens, after `ver` has looked at it.
void FecharQuandoAbrir(const std::function<void(QWidget*)>& ver) {
    QTimer::singleShot(0, [ver] {
        QWidget* modal = QApplication::activeModalWidget();
        ver(modal);
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    });
}

TEST_F(Abertura, ShortcutsReachTheirButtonsAsTheKeyboardSendsThem) {
    Carregar(Exemplo);
    QTest::keyClick(janela.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previas, 1);
    QTest::keyClick(janela.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(previas, 2);
    bool contato = false;
    FecharQuandoAbrir([&](QWidget* w) { contato = qobject_cast<TFrmSobre*>(w) != nullptr; });
    QTest::keyClick(janela.get(), Qt::Key_F1);
    EXPECT_TRUE(contato);
    QApplication::setActiveWindow(janela.get());  // back from the contact window
    QString pastaDoDialogo;
    FecharQuandoAbrir([&](QWidget* w) {
        if (auto* d = qobject_cast<QFileDialog*>(w)) pastaDoDialogo = d->directory().absolutePath();
    });
    janela->EdNomeArquivo->clear();
    QTest::keyClick(janela.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(pastaDoDialogo.toStdString(), LUVENOR_SOURCE_DIR "/samples") << "the folder of the last file";
    QApplication::setActiveWindow(janela.get());
    QTest::keyClick(janela.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(janela->isVisible());
}

TEST_F(Abertura, EveryButtonHasItsOwnMnemonicAndAltPressesIt) {
    std::set<QChar> letras;
    for (QAbstractButton* b : janela->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty()) continue;  // a field's icon button
        const qsizetype e = b->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(e, 0) << b->text().toStdString();
        EXPECT_TRUE(letras.insert(b->text().at(e + 1).toLower()).second) << b->text().toStdString();
    }
    janela->EdNomeArquivo->setText(QString::fromStdString(Exemplo));
    // A mnemonic presses its button as a click that shows: the press comes a moment later.
    QTest::keyClick(janela.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return janela->NotaFiscal().NumLcto == 4321; }, 2000));
    QTest::keyClick(janela.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return janela->ckVerXml->isChecked(); }, 2000));
}

TEST_F(Abertura, RecentFilesListTheLoadedOnesAndReopenThem) {
    Carregar(Exemplo);
    Carregar(OutraNota());
    Carregar(Recusado());  // refused: not a recent file
    emit janela->MenuRecentes->aboutToShow();
    QStringList listados;
    QAction* exemplo = nullptr;
    for (QAction* a : janela->MenuRecentes->actions()) {
        if (a->toolTip().endsWith(QStringLiteral(".xml"))) listados.append(a->toolTip());
        if (a->toolTip() == Absoluto(Exemplo)) exemplo = a;
    }
    EXPECT_EQ(listados, (QStringList{Absoluto(OutraNota()), Absoluto(Exemplo)}));
    ASSERT_NE(exemplo, nullptr);
    EXPECT_TRUE(exemplo->text().startsWith(QStringLiteral("&2  nfe-exemplo.xml")));
    mensagens.mensagens.clear();
    exemplo->trigger();
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321);
    EXPECT_EQ(janela->ArquivoCarregado(), Absoluto(Exemplo));
}

TEST_F(Abertura, APageFileIsShownInThePreviewAndADamagedOneSaysWhy) {
    Carregar(Exemplo);
    TRLGraphicStorage paginas;
    for (int i = 0; i < 2; ++i) {
        TRLGraphicSurface s(794, 1123);
        s.TextOut({10, 10, 200, 30}, 10, 10, "Página salva", 0);
        paginas.Add(std::move(s));
    }
    const std::string rpf = pasta.filePath(QStringLiteral("salvo.rpf")).toStdString();
    SalvarArquivoPaginas(paginas, rpf);
    EXPECT_TRUE(janela->Abrir(QString::fromStdString(rpf)));
    EXPECT_EQ(paginasMostradas, 2);
    EXPECT_EQ(janela->EdNomeArquivo->text(), Absoluto(Exemplo)) << "the field names the invoice again";
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321);
    EXPECT_TRUE(mensagens.mensagens.empty());

    paginasMostradas = -1;
    const std::string quebrado = Gravar("quebrado.rpf", "isto não tem assinatura");
    EXPECT_FALSE(janela->Abrir(QString::fromStdString(quebrado)));
    EXPECT_EQ(paginasMostradas, -1);
    EXPECT_EQ(mensagens.mensagens,
              std::vector<std::string>{"Erro ao abrir arquivo " + quebrado +
                                       " - não é um arquivo de páginas salvas pela pré-visualização."});
}

TEST_F(Abertura, DetailsAreInformationAndErrorsWarnings) {
    Carregar(Exemplo);
    janela->BtnDetalhes->click();
    Carregar(Recusado());
    EXPECT_EQ(mensagens.gravidades, (std::vector<Gravidade>{Gravidade::Informacao, Gravidade::Aviso}));
}

}  // namespace
