// The preview window driven headless: keys, wheel, mouse and tool bar reach the pane's state;
// find, copy and save go through the same paths the user's clicks take, with the dialogs filled in
// by the test.
#include "reportui/PreviaTeste.h"
#include "report/PdfTeste.h"

#include "reportui/RLFindWindow.h"
#include "reportui/RLPreviewToolBar.h"
#include "reportui/RLPrintDialog.h"
#include "reportui/RLProgressWindow.h"
#include "report/RLPageFile.h"
#include "report/RLQtTexto.h"
#include "report/RLReport.h"
#include "report/RLTexts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <tuple>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

TEST_F(Previa, OpensOnPageOneOfNAtDefaultZoomWithItsCaption) {
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Pré-visualização"));
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("1"));
    EXPECT_EQ(janela->CaixaTotal()->text(), QStringLiteral("5"));
    EXPECT_EQ(CampoZoom(), QStringLiteral("100%"));
    EXPECT_EQ(janela->ListaZoom()->count(), 11);
    EXPECT_EQ(janela->ListaZoom()->itemText(8), QStringLiteral("Largura da página"));
}

TEST_F(Previa, ButtonsTakeAcceleratorsInCreationOrderAndSendIsDisabled) {
    EXPECT_EQ(janela->Botao("imprimir")->text(), QStringLiteral("&Imprimir"));
    EXPECT_EQ(janela->Botao("fechar")->text(), QStringLiteral("&Fechar"));
    EXPECT_EQ(janela->Botao("salvar")->text(), QStringLiteral("&Salvar"));
    EXPECT_EQ(janela->Botao("enviar")->text(), QStringLiteral("&Enviar"));
    EXPECT_EQ(janela->Botao("fechar")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F));
    EXPECT_FALSE(janela->Botao("enviar")->isEnabled());
    EXPECT_EQ(janela->Botao("salvar")->toolTip(), QStringLiteral("Salvar em disco"));
}

// A row put on a place another row holds, or given a name another row has, hides a button.
TEST(BarraDaPrevia, RowsHaveTheirOwnNamesAndPlaces) {
    std::vector<const TRLItemBarra*> colocados;
    std::set<std::string> nomes;
    for (const TRLItemBarra& item : ItensDaBarra()) {
        if (item.Nome[0]) {
            EXPECT_TRUE(nomes.insert(item.Nome).second) << item.Nome;
        }
        EXPECT_GT(item.Largura, 0) << item.Nome;
        if (item.Tipo != TRLTipoItemBarra::Informacao) colocados.push_back(&item);
    }
    std::sort(colocados.begin(), colocados.end(), [](auto* a, auto* b) { return a->X < b->X; });
    for (size_t i = 1; i < colocados.size(); ++i)
        EXPECT_LE(colocados[i - 1]->X + colocados[i - 1]->Largura, colocados[i]->X)
            << colocados[i - 1]->X << " overlaps " << colocados[i]->X;
}

TEST_F(Previa, EveryToolBarRowStandsAtItsPlace) {
    for (const TRLItemBarra& item : ItensDaBarra()) {
        if (!item.Nome[0] || item.Tipo == TRLTipoItemBarra::Informacao) continue;
        const QWidget* w = janela->findChild<QWidget*>(QString::fromLatin1(item.Nome));
        ASSERT_NE(w, nullptr) << item.Nome;
        EXPECT_EQ(w->x(), item.X) << item.Nome;
        EXPECT_EQ(w->width(), item.Largura) << item.Nome;
        EXPECT_LE(w->geometry().bottom(), AlturaDaBarra) << item.Nome;
    }
    const QToolButton* info = janela->Botao("informacao");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->geometry().right(), info->parentWidget()->width() - 1) << "at the right end";
    EXPECT_TRUE(janela->Botao("editar")->isCheckable());
    EXPECT_TRUE(janela->Botao("proxima")->autoRepeat());
}

TEST_F(Previa, PageKeysAndButtonsNavigateAndStopAtTheEnds) {
    Tecla(janela.get(), Qt::Key_PageDown);
    EXPECT_EQ(Estado().PaginaAtual(), 1);
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("2"));
    Tecla(painel->viewport(), Qt::Key_End, Qt::ControlModifier);  // the window sees the pane's keys first
    EXPECT_EQ(Estado().PaginaAtual(), 4);
    janela->Botao("proxima")->click();
    EXPECT_EQ(Estado().PaginaAtual(), 4);
    Tecla(janela.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Estado().PaginaAtual(), 0);
    janela->Botao("anterior")->click();
    EXPECT_EQ(Estado().PaginaAtual(), 0);
    janela->Botao("ultima")->click();
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("5"));
}

TEST_F(Previa, PageFieldGoesToTypedPageOrKeepsTheCurrentOne) {
    janela->CampoPagina()->setText(QStringLiteral("3"));
    emit janela->CampoPagina()->returnPressed();
    EXPECT_EQ(Estado().PaginaAtual(), 2);
    janela->CampoPagina()->setText(QStringLiteral("abc"));
    emit janela->CampoPagina()->returnPressed();
    EXPECT_EQ(Estado().PaginaAtual(), 2);
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("3"));
}

TEST_F(Previa, CtrlKeysZoomInStepsOfTenAndZeroRestoresDefault) {
    Tecla(janela.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(Estado().Zoom(), 110);
    EXPECT_EQ(CampoZoom(), QStringLiteral("110%"));
    Tecla(janela.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    Tecla(janela.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Estado().Zoom(), 90);
    Tecla(janela.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Estado().Zoom(), 100);
    Tecla(janela.get(), Qt::Key_Plus);  // without Ctrl: nothing
    EXPECT_EQ(Estado().Zoom(), 100);
}

TEST_F(Previa, TypedZoomWithCommaAndPercentIsTakenAndFiveIsNot) {
    QComboBox* lista = janela->ListaZoom();
    lista->setEditText(QStringLiteral("75,5%"));
    emit lista->lineEdit()->returnPressed();
    EXPECT_EQ(Estado().Zoom(), 75.5);
    EXPECT_EQ(CampoZoom(), QStringLiteral("75,5%"));
    lista->setEditText(QStringLiteral("5"));
    emit lista->lineEdit()->returnPressed();
    EXPECT_EQ(Estado().Zoom(), 75.5);
    EXPECT_EQ(CampoZoom(), QStringLiteral("75,5%"));
}

TEST_F(Previa, ZoomListItemsFitThePane) {
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::LarguraDaPagina));
    EXPECT_EQ(Estado().Zoom(), ZoomLarguraDaPagina(painel->Cliente(), {794, 1123}));
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::VariasPaginas));
    EXPECT_EQ(Estado().Caixas(), 3);
    EXPECT_EQ(painel->Layout().Caixas.size(), 3u);
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::z200));
    EXPECT_EQ(Estado().Zoom(), 200);
}

TEST_F(Previa, WheelScrollsByTenAndZoomsWithCtrl) {
    painel->Estado().DefinirZoom(200);
    painel->Atualizar(true, true);
    Roda(painel, -120);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 10);
    Roda(painel, -240);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 30);
    Roda(painel, 120, Qt::ControlModifier);
    EXPECT_EQ(Estado().Zoom(), 210);
    Roda(painel, -120, Qt::ControlModifier);
    EXPECT_EQ(Estado().Zoom(), 200);
    EXPECT_EQ(CampoZoom(), QStringLiteral("200%"));
}

TEST_F(Previa, ArrowAndHomeEndKeysScrollThePane) {
    painel->Estado().DefinirZoom(300);
    painel->Atualizar(true, true);
    Tecla(janela.get(), Qt::Key_Down);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 10);
    Tecla(janela.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 10 + painel->Cliente().Altura);
    Tecla(janela.get(), Qt::Key_End);
    EXPECT_EQ(painel->horizontalScrollBar()->value(), painel->horizontalScrollBar()->maximum());
    EXPECT_GT(painel->horizontalScrollBar()->maximum(), 0);
    Tecla(janela.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(painel->verticalScrollBar()->value(), painel->verticalScrollBar()->maximum());
    Tecla(janela.get(), Qt::Key_PageDown);  // next page resets both scrolls
    EXPECT_EQ(Estado().PaginaAtual(), 1);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 0);
    EXPECT_EQ(painel->horizontalScrollBar()->value(), 0);
}

TEST_F(Previa, CtrlDragScrollsByTheDistanceMoved) {
    painel->Estado().DefinirZoom(300);
    painel->Atualizar(true, true);
    painel->Rolar(100, 100);
    Tecla(janela.get(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(painel->viewport()->cursor().shape(), Qt::OpenHandCursor);
    Mouse(painel, QEvent::MouseButtonPress, {200, 200}, Qt::ControlModifier);
    EXPECT_EQ(painel->viewport()->cursor().shape(), Qt::ClosedHandCursor);
    Mouse(painel, QEvent::MouseMove, {170, 150}, Qt::ControlModifier);
    EXPECT_EQ(painel->horizontalScrollBar()->value(), 130);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 150);
    Mouse(painel, QEvent::MouseButtonRelease, {170, 150}, Qt::ControlModifier);
    EXPECT_EQ(painel->viewport()->cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(Previa, DoubleClickSwitchesToThreePagesAndBackToPageWidthOfTheClickedPage) {
    Mouse(painel, QEvent::MouseButtonDblClick, NaPrimeiraCaixa(painel));
    EXPECT_EQ(Estado().Caixas(), 3);
    const TRLCaixaPagina terceira = painel->Layout().Caixas.at(2);
    Mouse(painel, QEvent::MouseButtonDblClick,
          {terceira.X + 10 - painel->horizontalScrollBar()->value(), terceira.Y + 10});
    EXPECT_EQ(Estado().Caixas(), 1);
    EXPECT_EQ(Estado().PaginaAtual(), 2);
    EXPECT_EQ(Estado().Zoom(), ZoomLarguraDaPagina(painel->Cliente(), {794, 1123}));
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("3"));
}

TEST_F(Previa, FindStepsThroughMatchesInAnyCaseAndReportsNotFound) {
    Tecla(janela.get(), Qt::Key_F, Qt::ControlModifier);
    TRLFindWindow* busca = janela->JanelaBusca();
    ASSERT_NE(busca, nullptr);
    EXPECT_TRUE(busca->isVisible());
    EXPECT_EQ(busca->windowTitle(), QStringLiteral("Procurar"));
    EXPECT_TRUE(busca->OpcaoAbaixo()->isChecked());
    busca->CampoTexto()->setText(QStringLiteral("TOTAL"));
    busca->BotaoProxima()->click();
    EXPECT_EQ(Estado().PaginaAtual(), 1);
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("2"));
    busca->BotaoProxima()->click();
    EXPECT_EQ(Estado().PaginaAtual(), 3);
    busca->BotaoProxima()->click();
    EXPECT_EQ(mensagens.mensagens, std::vector<std::string>{"Não encontrado"});
    EXPECT_EQ(Estado().PaginaAtual(), 3);
    busca->OpcaoAcima()->setChecked(true);
    busca->BotaoProxima()->click();
    EXPECT_EQ(Estado().PaginaAtual(), 1);
}

TEST_F(Previa, SplitAddsAPaneTheToolBarFollowsTheActiveOneAndSplitAgainRemovesIt) {
    janela->Botao("dividir")->click();
    ASSERT_EQ(janela->QuantidadePaineis(), 2);
    TRLPreviewPage* segundo = janela->Painel(1);
    Mouse(segundo, QEvent::MouseButtonPress, {5, 5});
    ASSERT_EQ(janela->PainelAtivo(), segundo);
    janela->Botao("ultima")->click();
    EXPECT_EQ(segundo->Estado().PaginaAtual(), 4);
    EXPECT_EQ(janela->Painel(0)->Estado().PaginaAtual(), 0);
    janela->Botao("dividir")->click();
    EXPECT_EQ(janela->QuantidadePaineis(), 1);
    EXPECT_EQ(janela->PainelAtivo(), janela->Painel(0));
    EXPECT_EQ(janela->CampoPagina()->text(), QStringLiteral("1"));
}

TEST_F(Previa, EditModeSelectsTheClickedObjectAndLeavingDropsIt) {
    painel->Estado().DefinirZoom(100);
    janela->Botao("editar")->click();
    ASSERT_TRUE(Estado().Editando());
    // Design point (150, 620) is inside the framed label; the box is drawn one pixel in.
    Mouse(painel, QEvent::MouseButtonPress, NaPrimeiraCaixa(painel, 151, 621));
    const TRLAchado sel = Estado().Selecao();
    EXPECT_EQ(sel.Pagina, 0);
    EXPECT_EQ(store.Page(0)->Objects().at(sel.Objeto).BoundsRect, (TRLPageRect{120, 610, 280, 630}));
    janela->grab();  // draws the marks
    janela->Botao("editar")->click();
    EXPECT_FALSE(Estado().Editando());
    EXPECT_EQ(Estado().Selecao(), TRLAchado{});
}

TEST(CopiaVetorial, IsOnThePagesSheetAsPrintingGivesIt) {
    TRLGraphicStorage store;
    store.Macros().Set("PaperWidth", "148");
    store.Macros().Set("PaperHeight", "210");
    store.Macros().Set("Orientation", "2");
    store.Add(teste::PaginaComCantos(794, 559));
    store.Add(teste::PaginaComCantos(302, 600));
    TRLPreviewPage painel(store);
    for (const auto& [pagina, largura, altura] : {std::tuple{0, 595.3, 419.5}, std::tuple{1, 226.5, 450.0}}) {
        const auto caixas = teste::CaixasDoPdf(painel.PdfDaPagina(pagina));
        ASSERT_EQ(caixas.size(), 1u) << "one page in the picture";
        EXPECT_NEAR(caixas[0].Largura, largura, 1) << pagina;
        EXPECT_NEAR(caixas[0].Altura, altura, 1) << pagina;
    }
}

TEST_F(Previa, CopiesABitmapAtDesignSizeAndAPdfPicture) {
    painel->CopiarComoBitmap(0);
    const QImage imagem = QGuiApplication::clipboard()->image();
    EXPECT_EQ(imagem.size(), QSize(794, 1123));
    EXPECT_EQ(imagem.pixelColor(5, 5), QColor(Qt::white));
    painel->CopiarComoMetafile(1);
    const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dados, nullptr);
    EXPECT_TRUE(dados->data(QStringLiteral("application/pdf")).startsWith("%PDF"));
}

TEST_F(Previa, SaveAddsTheExtensionAndWritesEveryPageWhateverTheRange) {
    const QString nome = pasta.filePath(QStringLiteral("danfe"));
    janela->ExecutarDialogo = [&](QDialog& d) {
        auto& salvar = dynamic_cast<TRLSaveDialog&>(d);
        EXPECT_TRUE(salvar.CampoNome()->text().endsWith(QStringLiteral("Nota 12")));
        EXPECT_FALSE(salvar.OpcaoSelecao()->isEnabled());
        salvar.CampoNome()->setText(nome);
        salvar.CampoDe()->setText(QStringLiteral("2"));
        emit salvar.CampoDe()->textEdited(QStringLiteral("2"));
        EXPECT_TRUE(salvar.OpcaoPaginas()->isChecked());
        salvar.accept();
        return salvar.result() == QDialog::Accepted;
    };
    janela->Salvar();
    TRLGraphicStorage lido;
    CarregarArquivoPaginas((nome + QStringLiteral(".rpf")).toStdString(), lido);
    EXPECT_EQ(lido.Count(), 5);
    EXPECT_TRUE(mensagens.mensagens.empty());
}

TEST_F(Previa, ANameEndingInPdfGetsAPdfOfEveryPage) {
    const QString arquivo = pasta.filePath(QStringLiteral("danfe.PDF"));
    ASSERT_TRUE(janela->SalvarEm(arquivo));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dados = f.readAll();
    EXPECT_TRUE(dados.startsWith("%PDF-"));
    EXPECT_EQ(dados.count("/Type /Page\n") + dados.count("/Type /Page\r"), 5) << "one page object per page";
    EXPECT_TRUE(mensagens.mensagens.empty());
}

TEST_F(Previa, SavingOverAFileAsksFirstAndCancelKeepsTheDialog) {
    const QString arquivo = pasta.filePath(QStringLiteral("danfe.rpf"));
    { std::ofstream(arquivo.toStdString()) << "x"; }
    TRLSaveDialog dialogo(5, pasta.filePath(QStringLiteral("danfe")));
    QString perguntado;
    bool resposta = false;
    dialogo.ConfirmarSobrescrita = [&](const QString& f) {
        perguntado = f;
        return resposta;
    };
    dialogo.accept();
    EXPECT_EQ(perguntado, arquivo);
    EXPECT_NE(dialogo.result(), QDialog::Accepted);
    resposta = true;
    dialogo.accept();
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(ParaQString(LSTexto(TextoRL::ArquivoJaExiste)),
              QStringLiteral("File already exists. Overwrite?"));
}

TEST_F(Previa, SaveErrorIsShownAndTheWindowStays) {
    EXPECT_FALSE(janela->SalvarEm(pasta.filePath(QStringLiteral("nao/existe/danfe.rpf"))));
    EXPECT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_TRUE(janela->isVisible());
}

TEST_F(Previa, PageBoxIsAFramedWhitePageWithAGreyShadow) {
    painel->Estado().DefinirZoom(50);
    painel->Atualizar(true, true);
    const TRLCaixaPagina c = painel->Layout().Caixas.at(0);
    const QImage tela = painel->viewport()->grab().toImage();
    const auto cor = [&](int x, int y) { return tela.pixelColor(c.X + x, c.Y + y); };
    const int w = c.Folha.Largura;
    const int h = c.Folha.Altura;
    EXPECT_EQ(cor(0, h / 2), QColor(Qt::black));  // frame
    EXPECT_EQ(cor(w - 1, h / 2), QColor(Qt::black));
    EXPECT_EQ(cor(w / 2, h - 30), QColor(Qt::white));     // blank paper
    EXPECT_EQ(cor(w + 2, h / 2), QColor(128, 128, 128));  // right shadow
    EXPECT_EQ(cor(w / 2, h + 2), QColor(128, 128, 128));  // bottom shadow
    EXPECT_NE(cor(w + 2, 2), QColor(128, 128, 128));      // the shadow starts 5 pixels down
    EXPECT_NE(cor(2, h + 2), QColor(128, 128, 128));      // and 5 pixels in
    EXPECT_NE(cor(w + 6, h / 2), QColor(128, 128, 128));  // 5 wide
}

TEST_F(Previa, MarksOfAGroupAreGreySquaresOutlinedInWhite) {
    janela->AlternarEdicao(true);
    Mouse(painel, QEvent::MouseButtonPress, NaPrimeiraCaixa(painel, 151, 621));
    ASSERT_EQ(Estado().Selecao().Pagina, 0);
    const TRLCaixaPagina c = painel->Layout().Caixas.at(0);
    const QImage tela = painel->viewport()->grab().toImage();
    // The rectangle (100, 600)-(300, 640) is one of two marked objects: its top-left mark is centred
    // on its corner as drawn in the page inside the frame.
    const double sx = (c.Folha.Largura - 2) / 794.0;
    const double sy = (c.Folha.Altura - 2) / 1123.0;
    const int x = c.X - painel->horizontalScrollBar()->value() + 1 + int(std::lround(100 * sx));
    const int y = c.Y - painel->verticalScrollBar()->value() + 1 + int(std::lround(600 * sy));
    EXPECT_EQ(tela.pixelColor(x, y), QColor(128, 128, 128));
    EXPECT_EQ(tela.pixelColor(x - 2, y - 2), QColor(Qt::white));
}

TEST_F(Previa, FoundTextIsFramedInverted) {
    const QImage antes = painel->viewport()->grab().toImage();
    janela->AbrirBusca();
    janela->JanelaBusca()->CampoTexto()->setText(QStringLiteral("página 1"));
    janela->JanelaBusca()->BotaoProxima()->click();
    ASSERT_EQ(Estado().UltimoAchado(), (TRLAchado{0, 0}));
    const QImage depois = painel->viewport()->grab().toImage();
    const TRLCaixaPagina c = painel->Layout().Caixas.at(0);
    // Just outside the text's box (40, 40)-(300, 60), over blank paper: white turns black.
    const int x = c.X - painel->horizontalScrollBar()->value() + 1 + 150;
    const int y = c.Y - painel->verticalScrollBar()->value() + 1 + 40 - 2;
    EXPECT_EQ(antes.pixelColor(x, y), QColor(Qt::white));
    EXPECT_EQ(depois.pixelColor(x, y), QColor(Qt::black));
}

TEST_F(Previa, AbsurdTypedZoomChangesNothingAndTheLargestStillDraws) {
    QComboBox* lista = janela->ListaZoom();
    lista->setEditText(QStringLiteral("99999999999"));
    emit lista->lineEdit()->returnPressed();
    EXPECT_EQ(Estado().Zoom(), 100);
    lista->setEditText(QString::number(ZoomMaximo));
    emit lista->lineEdit()->returnPressed();
    EXPECT_EQ(Estado().Zoom(), ZoomMaximo);
    Tecla(janela.get(), Qt::Key_End);
    Tecla(janela.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_FALSE(painel->viewport()->grab().isNull());
}

TEST_F(Previa, EscapeClosesTheWindow) {
    Tecla(janela.get(), Qt::Key_Escape);
    EXPECT_FALSE(janela->isVisible());
}

// ---- the report's operation ----

// Closes the modal preview once it shows (the progress window may run the event loop earlier),
// first restoring it when asked.
void FecharPreviaAoAbrir(bool restaurar, Qt::WindowStates* estadoAoAbrir) {
    auto* vigia = new QTimer;
    QObject::connect(vigia, &QTimer::timeout, [=] {
        auto* previa = qobject_cast<TRLPreviewWindow*>(QApplication::activeModalWidget());
        if (!previa) return;
        vigia->stop();
        vigia->deleteLater();
        if (estadoAoAbrir) *estadoAoAbrir = previa->windowState();
        if (restaurar) previa->setWindowState(Qt::WindowNoState);
        previa->close();
    });
    vigia->start(0);
}

TEST(ShowPreview, PreparesShowsMaximizedAndCarriesTheWindowStateToTheNext) {
    PreviewSettings() = {};
    TRLReport relatorio("RLReport1");
    relatorio.ShowProgress = false;
    Qt::WindowStates estado;
    FecharPreviaAoAbrir(true, &estado);
    EXPECT_TRUE(ShowPreview(relatorio));
    EXPECT_EQ(estado, Qt::WindowMaximized);
    EXPECT_EQ(relatorio.Pages().Count(), 1);
    EXPECT_EQ(PreviewSettings().EstadoJanela, Qt::WindowNoState);
    FecharPreviaAoAbrir(false, &estado);
    EXPECT_TRUE(ShowPreview(relatorio));
    EXPECT_EQ(estado, Qt::WindowNoState);
    PreviewSettings() = {};
}

TEST(ShowPreview, ShowsTheProgressWindowWhilePreparing) {
    TRLReport relatorio("RLReport1");
    relatorio.ShowProgress = true;
    QString caption;
    bool visivel = false;
    relatorio.BeforePrint = [&](TRLCustomControl&, bool&) {
        if (auto* janela = dynamic_cast<TRLProgressWindow*>(relatorio.Progress)) {
            caption = janela->windowTitle();
            visivel = janela->isVisible();
        }
    };
    FecharPreviaAoAbrir(false, nullptr);
    EXPECT_TRUE(ShowPreview(relatorio));
    EXPECT_TRUE(visivel);
    EXPECT_EQ(caption, ParaQString(LSTexto(TextoRL::ImprimindoRelatorio)));
    EXPECT_EQ(relatorio.Progress, nullptr);
    PreviewSettings() = {};
}

TEST(ShowPreview, FailedPreparationShowsNothing) {
    TRLReport relatorio("RLReport1");
    relatorio.ShowProgress = false;
    relatorio.BeforePrint = [](TRLCustomControl&, bool& imprimir) { imprimir = false; };
    bool abriu = false;
    QTimer::singleShot(0, [&] {
        if (auto* w = QApplication::activeModalWidget()) {
            abriu = true;
            w->close();
        }
    });
    EXPECT_FALSE(ShowPreview(relatorio));
    QCoreApplication::processEvents();
    EXPECT_FALSE(abriu);
}

}  // namespace

int main(int argc, char** argv) {
    return luvenor::teste::ExecutarEmPortugues(argc, argv);
}
