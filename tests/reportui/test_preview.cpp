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
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
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

// Rows stand in their designed order, at their place or pushed along by a wider caption before them,
// each as wide as its text ("Imprimir" lost its ends at 50 pixels), none over another, and the
// information button at the right end never covers them, however narrow the window is made.
TEST_F(Previa, ToolBarRowsStandInOrderSizedToTheirTextsAndNeverOverlap) {
    std::vector<std::pair<const TRLItemBarra*, const QWidget*>> linhas;
    for (const TRLItemBarra& item : ItensDaBarra()) {
        if (!item.Nome[0] || item.Tipo == TRLTipoItemBarra::Informacao) continue;
        const QWidget* w = janela->findChild<QWidget*>(QString::fromLatin1(item.Nome));
        ASSERT_NE(w, nullptr) << item.Nome;
        EXPECT_GE(w->x(), item.X) << item.Nome;
        EXPECT_GE(w->width(), item.Largura) << item.Nome;
        if (const auto* b = qobject_cast<const QToolButton*>(w); b && !b->text().isEmpty()) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << item.Nome << " cuts its caption";
        }
        EXPECT_LE(w->geometry().bottom(), AlturaDaBarra) << item.Nome;
        linhas.emplace_back(&item, w);
    }
    std::sort(linhas.begin(), linhas.end(), [](auto& a, auto& b) { return a.first->X < b.first->X; });
    for (size_t i = 1; i < linhas.size(); ++i)
        EXPECT_LE(linhas[i - 1].second->geometry().right(), linhas[i].second->x())
            << linhas[i - 1].first->Nome << " runs into " << linhas[i].first->Nome;
    const QToolButton* info = janela->Botao("informacao");
    ASSERT_NE(info, nullptr);
    janela->resize(300, 500);
    janela->layout()->activate();
    EXPECT_EQ(info->geometry().right(), info->parentWidget()->width() - 1) << "at the right end";
    EXPECT_GT(info->x(), linhas.back().second->geometry().right()) << "the narrow window keeps every row";
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

// Typed key by key, "5" was completed to "500%" as it was typed, and taken.
TEST_F(Previa, TypingFiveInTheZoomListChangesNothing) {
    QLineEdit* campo = janela->ListaZoom()->lineEdit();
    campo->selectAll();
    for (const auto& [tecla, texto] : {std::pair{Qt::Key_5, "5"}, std::pair{Qt::Key_Return, "\r"}}) {
        QKeyEvent e(QEvent::KeyPress, tecla, Qt::NoModifier, QString::fromLatin1(texto));
        QApplication::sendEvent(campo, &e);
    }
    EXPECT_EQ(Estado().Zoom(), 100);
    EXPECT_EQ(CampoZoom(), QStringLiteral("100%"));
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

// Page width fills the width beside the vertical bar and leaves no horizontal scroll at all (it
// used to leave one that moved a few pixels).
TEST_F(Previa, ZoomListItemsFitThePane) {
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::LarguraDaPagina));
    QApplication::processEvents();
    EXPECT_GT(Estado().Zoom(), 100);
    EXPECT_TRUE(painel->verticalScrollBar()->isVisible());
    EXPECT_EQ(painel->horizontalScrollBar()->maximum(), 0);
    EXPECT_LE(painel->Layout().Caixas.at(0).Tamanho.Largura, painel->Cliente().Largura);
    EXPECT_GE(painel->Layout().Caixas.at(0).Tamanho.Largura, painel->Cliente().Largura - 9);
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::VariasPaginas));
    EXPECT_EQ(Estado().Caixas(), 3);
    EXPECT_EQ(painel->Layout().Caixas.size(), 3u);
    emit janela->ListaZoom()->activated(static_cast<int>(TRLItemZoom::z200));
    EXPECT_EQ(Estado().Zoom(), 200);
}

TEST_F(Previa, WheelScrollsTheDesktopsLinesAndZoomsWithCtrl) {
    painel->Estado().DefinirZoom(200);
    painel->Atualizar(true, true);
    const int entalhe = 3 * PixelsPorLinhaDaRoda;
    ASSERT_EQ(QApplication::wheelScrollLines(), 3);
    Roda(painel, -120);
    EXPECT_EQ(painel->verticalScrollBar()->value(), entalhe);
    Roda(painel, -240);
    EXPECT_EQ(painel->verticalScrollBar()->value(), 3 * entalhe);
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
    EXPECT_GT(Estado().Zoom(), 100) << "page width";
    EXPECT_EQ(painel->horizontalScrollBar()->maximum(), 0);
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
    EXPECT_FALSE(busca->Situacao()->isVisible());
    busca->BotaoProxima()->click();  // past the last match: on from the first page, saying so
    EXPECT_EQ(Estado().PaginaAtual(), 1);
    EXPECT_TRUE(busca->Situacao()->isVisible());
    EXPECT_EQ(busca->Situacao()->text(),
              QStringLiteral("Fim das páginas: a busca continuou da primeira página."));
    EXPECT_TRUE(mensagens.mensagens.empty());
    busca->OpcaoAcima()->setChecked(true);
    busca->BotaoProxima()->click();  // upwards from page 2: on from the last page
    EXPECT_EQ(Estado().PaginaAtual(), 3);
    EXPECT_EQ(busca->Situacao()->text(),
              QStringLiteral("Início das páginas: a busca continuou da última página."));
    busca->CampoTexto()->setText(QStringLiteral("inexistente"));
    busca->BotaoProxima()->click();
    EXPECT_EQ(mensagens.mensagens, std::vector<std::string>{"Não encontrado"});
    EXPECT_EQ(mensagens.gravidades, std::vector<Gravidade>{Gravidade::Informacao});
    EXPECT_EQ(Estado().PaginaAtual(), 3);
}

// A match far down a page at 200% is scrolled into view, not only its page shown.
TEST_F(Previa, FindScrollsTheMatchIntoView) {
    TRLGraphicStorage longa;
    PreencherPaginas(longa, 2);
    TRLGraphicSurface s(794, 1123);
    s.TextOut({600, 1050, 780, 1070}, 600, 1050, "rodapé da nota", 0);
    longa.Add(std::move(s));
    TRLPreviewWindow previa(longa);
    previa.resize(900, 600);
    previa.show();
    TRLPreviewPage* p = previa.PainelAtivo();
    p->Estado().DefinirZoom(200);
    p->Atualizar(true, true);
    previa.AbrirBusca();
    previa.JanelaBusca()->CampoTexto()->setText(QStringLiteral("RODAPÉ"));
    previa.JanelaBusca()->BotaoProxima()->click();
    ASSERT_EQ(p->Estado().UltimoAchado(), (TRLAchado{2, 0}));
    const TRLCaixaPagina c = p->Layout().Caixas.at(0);
    const QRect visivel(p->horizontalScrollBar()->value(), p->verticalScrollBar()->value(),
                        p->Cliente().Largura, p->Cliente().Altura);
    EXPECT_TRUE(visivel.contains(QRect(c.X + 1200, c.Y + 2100, 360, 40)))
        << visivel.x() << "," << visivel.y();
}

// A message box takes the focus from the find window, which closes when it loses it; its own "not
// found" box must leave it open, ready for another text.
class CaixaQueTomaOFoco : public MensagensCapturadas {
public:
    explicit CaixaQueTomaOFoco(QWidget* outra) : outra_(outra) {}
    void Mostrar(const std::string& mensagem, bool bipe) override {
        QApplication::setActiveWindow(outra_);
        MensagensCapturadas::Mostrar(mensagem, bipe);
    }

private:
    QWidget* outra_;
};

TEST_F(Previa, NotFoundLeavesTheFindWindowOpenAnotherWindowClosesIt) {
    QWidget outra;
    outra.show();
    CaixaQueTomaOFoco caixa(&outra);
    janela->AbrirBusca();
    TRLFindWindow* busca = janela->JanelaBusca();
    QApplication::setActiveWindow(busca);
    ASSERT_TRUE(busca->isActiveWindow());
    busca->CampoTexto()->setText(QStringLiteral("inexistente"));
    busca->BotaoProxima()->click();
    ASSERT_EQ(caixa.mensagens.size(), 1u);
    EXPECT_TRUE(busca->isVisible());
    EXPECT_TRUE(busca->CampoTexto()->hasSelectedText()) << "ready for a new text";
    QApplication::setActiveWindow(busca);
    QApplication::setActiveWindow(&outra);
    EXPECT_FALSE(busca->isVisible()) << "turning to another window still closes it";
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
    const std::string texto(dados.constData(), static_cast<size_t>(dados.size()));
    const std::regex pagina("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(texto.begin(), texto.end(), pagina), std::sregex_iterator()),
              5)
        << "one page object per page";
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

// At 100% the page takes the whole sheet, so every design pixel is a screen pixel: rules far down
// the page land on their own row (a sheet shrunk by its frame moved them a pixel up into the text).
TEST_F(Previa, AtFullSizeADesignPixelIsAScreenPixel) {
    TRLGraphicStorage regras;
    TRLGraphicSurface s(794, 1123);
    for (int y : {300, 1000}) s.Line(100, y, 700, y);
    s.Line(700, 100, 700, 1100);
    regras.Add(std::move(s));
    TRLPreviewWindow previa(regras);
    previa.resize(900, 1300);
    previa.show();
    TRLPreviewPage* p = previa.PainelAtivo();
    ASSERT_EQ(p->Estado().Zoom(), 100);
    const TRLCaixaPagina c = p->Layout().Caixas.at(0);
    const QImage tela = p->viewport()->grab().toImage();
    const int y0 = c.Y - p->verticalScrollBar()->value();
    const int x0 = c.X - p->horizontalScrollBar()->value();
    for (int y : {300, 1000}) {
        EXPECT_EQ(tela.pixelColor(x0 + 400, y0 + y), QColor(Qt::black)) << y;
        EXPECT_EQ(tela.pixelColor(x0 + 400, y0 + y - 1), QColor(Qt::white)) << y;
        EXPECT_EQ(tela.pixelColor(x0 + 400, y0 + y + 1), QColor(Qt::white)) << y;
    }
    EXPECT_EQ(tela.pixelColor(x0 + 700, y0 + 600), QColor(Qt::black));
    EXPECT_EQ(tela.pixelColor(x0 + 699, y0 + 600), QColor(Qt::white));
}

TEST_F(Previa, MarksOfAGroupAreGreySquaresOutlinedInWhite) {
    janela->AlternarEdicao(true);
    Mouse(painel, QEvent::MouseButtonPress, NaPrimeiraCaixa(painel, 151, 621));
    ASSERT_EQ(Estado().Selecao().Pagina, 0);
    const TRLCaixaPagina c = painel->Layout().Caixas.at(0);
    const QImage tela = painel->viewport()->grab().toImage();
    // The rectangle (100, 600)-(300, 640) is one of two marked objects: its top-left mark is centred
    // on its corner as drawn on the sheet.
    const double sx = c.Folha.Largura / 794.0;
    const double sy = c.Folha.Altura / 1123.0;
    const int x = c.X - painel->horizontalScrollBar()->value() + int(std::lround(100 * sx));
    const int y = c.Y - painel->verticalScrollBar()->value() + int(std::lround(600 * sy));
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
    const int x = c.X - painel->horizontalScrollBar()->value() + 150;
    const int y = c.Y - painel->verticalScrollBar()->value() + 40 - 2;
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
