#include "reportui/RLPreview.h"

#include "report/RLExport.h"
#include "report/RLPageFile.h"
#include "report/RLQtTexto.h"
#include "report/RLReport.h"
#include "report/RLTexts.h"
#include "reportui/RLFindWindow.h"
#include "reportui/RLPreviewPage.h"
#include "reportui/RLPreviewToolBar.h"
#include "reportui/RLPrintDialog.h"
#include "reportui/RLPrinting.h"
#include "reportui/RLProgressWindow.h"
#include "util/Notificador.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace luvenor {

TRLPreviewSettings& PreviewSettings() {
    static TRLPreviewSettings settings;
    return settings;
}

// ---- the window ----

TRLPreviewWindow::TRLPreviewWindow(const TRLGraphicStorage& paginas, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      paginas_(paginas) {
    setObjectName(QStringLiteral("previa"));
    setWindowTitle(ParaQString(LSTexto(TextoRL::PreVisualizacao)));
    ExecutarDialogo = [](QDialog& d) { return d.exec() == QDialog::Accepted; };

    auto* barra = new QWidget(this);
    barra->setFixedHeight(AlturaDaBarra);
    CriarBarra(barra);
    divisor_ = new QSplitter(Qt::Vertical, this);
    divisor_->setHandleWidth(3);
    divisor_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(barra);
    layout->addWidget(divisor_, 1);
    Ativar(NovoPainel());
    resize(1000, 700);
}

TRLPreviewWindow::~TRLPreviewWindow() = default;

void TRLPreviewWindow::CriarBarra(QWidget* barra) {
    const TRLBarraPrevia b = CriarBarraPrevia(barra, this);
    campoPagina_ = b.CampoPagina;
    total_ = b.Total;
    zoom_ = b.Zoom;
    for (const auto& [botao, acao] : b.Botoes) {
        connect(botao, &QToolButton::clicked, this, [this, acao = acao] { Executar(acao); });
        if (acao == TRLAcaoPrevia::Editar) editar_ = botao;
    }
    connect(campoPagina_, &QLineEdit::returnPressed, this, &TRLPreviewWindow::PaginaDigitada);
    connect(campoPagina_, &QLineEdit::editingFinished, this, &TRLPreviewWindow::Sincronizar);
    connect(zoom_, &QComboBox::activated, this, &TRLPreviewWindow::ZoomDaLista);
    connect(zoom_->lineEdit(), &QLineEdit::returnPressed, this, &TRLPreviewWindow::ZoomDigitado);
}

void TRLPreviewWindow::Executar(TRLAcaoPrevia acao) {
    if (!ativo_) return;
    if (const auto rolagem = RolagemDaAcao(acao, ativo_->Cliente())) return ativo_->AplicarRolagem(*rolagem);
    TRLPreviewPane& e = ativo_->Estado();
    switch (acao) {
        case TRLAcaoPrevia::Imprimir:
            return Imprimir();
        case TRLAcaoPrevia::Salvar:
            return Salvar();
        case TRLAcaoPrevia::Fechar:
            close();
            return;
        case TRLAcaoPrevia::PrimeiraPagina:
            return Navegar(&TRLPreviewPane::Primeira);
        case TRLAcaoPrevia::PaginaAnterior:
            return Navegar(&TRLPreviewPane::Anterior);
        case TRLAcaoPrevia::ProximaPagina:
            return Navegar(&TRLPreviewPane::Proxima);
        case TRLAcaoPrevia::UltimaPagina:
            return Navegar(&TRLPreviewPane::Ultima);
        case TRLAcaoPrevia::AumentarZoom:
            return MudarZoom(e.AumentarZoom());
        case TRLAcaoPrevia::DiminuirZoom:
            return MudarZoom(e.DiminuirZoom());
        case TRLAcaoPrevia::ZoomPadrao:
            return MudarZoom(e.DefinirZoom(ZoomPadrao));
        case TRLAcaoPrevia::Dividir:
            return AlternarDivisao();
        case TRLAcaoPrevia::Editar:
            return AlternarEdicao(!e.Editando());
        case TRLAcaoPrevia::AbrirBusca:
            return AbrirBusca();
        case TRLAcaoPrevia::ProcurarProxima:
            return busca_ ? ProcurarProxima() : AbrirBusca();
        default:
            return;  // the scrolls, done above
    }
}

QToolButton* TRLPreviewWindow::Botao(const char* nome) const {
    return findChild<QToolButton*>(QString::fromLatin1(nome));
}

TRLPreviewPage* TRLPreviewWindow::NovoPainel() {
    auto* painel = new TRLPreviewPage(paginas_, divisor_);
    painel->Estado().DefinirZoom(ativo_ ? ativo_->Estado().Zoom() : PreviewSettings().Zoom);
    painel->installEventFilter(this);
    painel->viewport()->installEventFilter(this);
    connect(painel, &TRLPreviewPage::Mudou, this, [this, painel] {
        if (painel == ativo_) Sincronizar();
    });
    connect(painel, &TRLPreviewPage::Ativado, this, [this, painel] { Ativar(painel); });
    divisor_->addWidget(painel);
    return painel;
}

int TRLPreviewWindow::QuantidadePaineis() const {
    return divisor_->count();
}

TRLPreviewPage* TRLPreviewWindow::Painel(int i) const {
    return qobject_cast<TRLPreviewPage*>(divisor_->widget(i));
}

void TRLPreviewWindow::Ativar(TRLPreviewPage* painel) {
    if (!painel) return;
    ativo_ = painel;
    const QSignalBlocker bloqueio(editar_);
    editar_->setChecked(painel->Estado().Editando());
    Sincronizar();
}

void TRLPreviewWindow::Sincronizar() {
    if (!ativo_) return;
    const TRLPreviewPane& e = ativo_->Estado();
    total_->setText(QString::number(e.QuantidadePaginas()));
    campoPagina_->setText(ParaQString(e.TextoDaPagina()));
    zoom_->setEditText(ParaQString(TextoDoZoom(e.Zoom())));
}

void TRLPreviewWindow::Navegar(bool (TRLPreviewPane::*passo)()) {
    ativo_->Atualizar((ativo_->Estado().*passo)(), true);
}

void TRLPreviewWindow::MudarZoom(bool mudou) {
    ativo_->ManterZoom();  // the user's zoom: a resize no longer fits the page width
    ativo_->Atualizar(mudou, false);
    Sincronizar();
}

void TRLPreviewWindow::ZoomDaLista(int indice) {
    if (indice < 0 || indice >= QuantidadeItensZoom) return;
    MudarZoom(ativo_->Estado().AplicarItemZoom(static_cast<TRLItemZoom>(indice), ativo_->Area()));
}

void TRLPreviewWindow::ZoomDigitado() {
    const QString texto = zoom_->currentText();
    const int item = zoom_->findText(texto);
    const auto selecionado = item >= 0 ? std::optional(static_cast<TRLItemZoom>(item)) : std::nullopt;
    MudarZoom(ativo_->Estado().AplicarTextoZoom(ParaUtf8(texto), selecionado, ativo_->Area()));
}

void TRLPreviewWindow::PaginaDigitada() {
    ativo_->Atualizar(ativo_->Estado().IrParaTexto(ParaUtf8(campoPagina_->text())), true);
    Sincronizar();
}

void TRLPreviewWindow::AlternarDivisao() {
    if (QuantidadePaineis() == 1) {
        TRLPreviewPage* novo = NovoPainel();
        novo->Estado().IrPara(ativo_->Estado().PaginaAtual());
        const int metade = std::max(1, (divisor_->height() - divisor_->handleWidth()) / 2);
        divisor_->setSizes({metade, metade});
        novo->Atualizar(true, true);
    } else {
        TRLPreviewPage* ultimo = Painel(QuantidadePaineis() - 1);
        if (ultimo == ativo_) Ativar(Painel(0));
        delete ultimo;  // the split button is not in the pane, so this is not its own handler
    }
}

void TRLPreviewWindow::AlternarEdicao(bool ligado) {
    ativo_->Estado().DefinirEdicao(ligado);
    if (editar_->isChecked() != ligado) {
        const QSignalBlocker bloqueio(editar_);
        editar_->setChecked(ligado);
    }
    ativo_->viewport()->update();
}

void TRLPreviewWindow::AbrirBusca() {
    if (!busca_) {
        busca_ = new TRLFindWindow(this);
        connect(busca_, &TRLFindWindow::ProcurarProxima, this, &TRLPreviewWindow::ProcurarProxima);
    }
    busca_->show();
    busca_->raise();
    busca_->activateWindow();
    busca_->CampoTexto()->setFocus();
}

void TRLPreviewWindow::ProcurarProxima() {
    if (!busca_ || busca_->Texto().isEmpty()) return;
    TRLPreviewPane& e = ativo_->Estado();
    const TRLOpcoesBusca opcoes = busca_->Opcoes();
    const auto r =
        ProcurarComVolta(paginas_, ParaUtf8(busca_->Texto()), e.PaginaAtual(), e.UltimoAchado(), opcoes);
    if (!r) {
        busca_->MostrarSituacao({});
        busca_->Avisar(LSTexto(TextoRL::NaoEncontrado));
        return;
    }
    const TextoRL volta = opcoes.ParaCima ? TextoRL::BuscaContinuouDoFim : TextoRL::BuscaContinuouDoInicio;
    busca_->MostrarSituacao(r->DeuVolta ? ParaQString(LSTexto(volta)) : QString());
    e.DefinirAchado(r->Achado);
    const bool mudou = e.IrPara(r->Achado.Pagina);
    ativo_->Atualizar(true, mudou);
    ativo_->MostrarAchado();
}

void TRLPreviewWindow::Imprimir() {
    QWidget* foco = QApplication::focusWidget();
    ConfiguracaoImpressao().ParImpar = TRLParImpar::Todas;
    TRLPrintDialog dialogo(paginas_.Count(), this);
    dialogo.SugerirArquivoPdf(ParaQString(TituloDaTarefa(paginas_.Macros())));
    if (ExecutarDialogo(dialogo)) {
        try {
            QPrinter printer(QPrinter::HighResolution);
            dialogo.Configurar(printer);
            if (PrepararImpressora) PrepararImpressora(printer);
            TRLProgressWindow progresso(this);
            ImprimirPaginas(paginas_, printer, dialogo.Pedido(), progresso);
        } catch (const std::exception& e) {
            Notificar(e.what());
        }
    }
    if (foco) foco->setFocus();
}

void TRLPreviewWindow::Salvar() {
    QWidget* foco = QApplication::focusWidget();
    const QString titulo = ParaQString(paginas_.Macros().Value("Title"));
    TRLSaveDialog dialogo(paginas_.Count(), TRLSaveDialog::NomeDoTitulo(titulo), this);
    if (ExecutarDialogo(dialogo)) SalvarEm(TRLSaveDialog::ComExtensao(dialogo.NomeArquivo()));
    if (foco) foco->setFocus();
}

bool TRLPreviewWindow::SalvarEm(const QString& arquivo) {
    // A name ending in .pdf gets a PDF: a page file under that name would be a file no program opens.
    try {
        if (QFileInfo(arquivo).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
            ExportarPdf(paginas_, ParaUtf8(arquivo));
        else
            SalvarArquivoPaginas(paginas_, ParaUtf8(arquivo));
        return true;
    } catch (const std::exception& e) {
        Notificar(e.what());
        return false;
    }
}

bool TRLPreviewWindow::TratarTecla(QKeyEvent* e) {
    const auto acao = AcaoDaTecla(e->key(), e->modifiers() & Qt::ControlModifier);
    if (!ativo_ || !acao) return false;
    Executar(*acao);
    return true;
}

bool TRLPreviewWindow::eventFilter(QObject* objeto, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* tecla = static_cast<QKeyEvent*>(event);
        if (tecla->key() == Qt::Key_Control && ativo_)
            ativo_->DefinirCursorDeArraste(event->type() == QEvent::KeyPress);
        const bool doCampo = qobject_cast<QLineEdit*>(objeto) &&
                             TeclaDoCampoDeTexto(tecla->key(), tecla->modifiers() & Qt::ControlModifier,
                                                 !tecla->text().isEmpty());
        if (event->type() == QEvent::KeyPress && !doCampo && TratarTecla(tecla)) return true;
    }
    return QDialog::eventFilter(objeto, event);
}

void TRLPreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control && ativo_) ativo_->DefinirCursorDeArraste(true);
    if (TratarTecla(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TRLPreviewWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control && ativo_) ativo_->DefinirCursorDeArraste(false);
    QDialog::keyReleaseEvent(event);
}

void TRLPreviewWindow::done(int resultado) {
    // Minimised is not carried over: the next modal preview would open out of sight.
    PreviewSettings().EstadoJanela = windowState() & ~Qt::WindowMinimized;
    if (busca_) busca_->close();
    QDialog::done(resultado);
}

// ---- the report's operation ----

bool ShowPreview(TRLCustomReport& report, QWidget* parent) {
    if (report.ForcePrepare) report.Pages().Clear();
    if (report.Pages().Count() == 0) {
        std::unique_ptr<TRLProgressWindow> janela;
        TRLProgress* anterior = report.Progress;
        if (report.ShowProgress && !report.Progress) {
            janela = std::make_unique<TRLProgressWindow>(parent);
            report.Progress = janela.get();
        }
        const bool pronto = report.PreparePages();
        report.Progress = anterior;
        if (!pronto) return false;
    }
    MostrarPaginas(report.Pages(), parent);
    return true;
}

void MostrarPaginas(const TRLGraphicStorage& paginas, QWidget* parent) {
    TRLPreviewWindow janela(paginas, parent);
    const TRLPreviewSettings& settings = PreviewSettings();
    if (!settings.Caption.isEmpty()) janela.setWindowTitle(settings.Caption);
    if (const QScreen* tela = janela.screen())
        janela.move(tela->availableGeometry().center() - janela.rect().center());
    janela.PainelAtivo()->AjustarAoAbrir(settings.Zoom);
    janela.setWindowState(settings.EstadoJanela);
    janela.exec();
}

}  // namespace luvenor
