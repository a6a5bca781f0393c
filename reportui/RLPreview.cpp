#include "reportui/RLPreview.h"

#include "report/RLQtTexto.h"
#include "reportui/RLPreviewPage.h"
#include "reportui/RLFindWindow.h"
#include "reportui/RLPrintDialog.h"
#include "reportui/RLPrinting.h"
#include "reportui/RLProgressWindow.h"
#include "report/RLExport.h"
#include "report/RLPageFile.h"
#include "report/RLPagePainter.h"
#include "report/RLReport.h"
#include "report/RLTexts.h"
#include "util/Notificador.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace luvenor {
namespace {

const char* const versaoMotor = "Luvenor Report 0.1";

// A magnifier with a minus or plus sign; the platform has no such standard icon.
QIcon Lupa(bool mais) {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(4, 6), QPointF(8, 6));
    if (mais) p.drawLine(QPointF(6, 4), QPointF(6, 8));
    return QIcon(px);
}

QIcon Divisao() {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setPen(Qt::black);
    p.drawRect(1, 1, 13, 5);
    p.drawRect(1, 9, 13, 5);
    return QIcon(px);
}

QFrame* Separador(QWidget* pai, int x) {
    auto* f = new QFrame(pai);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(x, 2, 4, 19);
    return f;
}

// A key's meaning in a text field: editing keys stay with the field, everything else is the window's.
bool TeclaDoCampo(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return !(e->modifiers() & Qt::ControlModifier) && !e->text().isEmpty() &&
                   e->key() != Qt::Key_Escape;
    }
}

}  // namespace

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
    barra->setFixedHeight(23);
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
    const auto botao = [&](const char* nome, int x, int largura) {
        auto* b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setGeometry(x, 0, largura, 23);
        b->setAutoRaise(true);
        b->installEventFilter(this);
        return b;
    };
    const std::vector<std::string> captions =
        ComAceleradores({LSTexto(TextoRL::Imprimir), LSTexto(TextoRL::Fechar), LSTexto(TextoRL::Salvar),
                         LSTexto(TextoRL::Enviar)});
    auto* imprimir = botao("imprimir", 1, 50);
    imprimir->setText(ParaQString(captions[0]));
    imprimir->setToolTip(ParaQString(LSTexto(TextoRL::Imprimir)));
    auto* salvar = botao("salvar", 51, 50);
    salvar->setText(ParaQString(captions[2]));
    salvar->setToolTip(ParaQString(LSTexto(TextoRL::SalvarEmDisco)));
    auto* enviar = botao("enviar", 101, 50);
    enviar->setText(ParaQString(captions[3]));
    enviar->setToolTip(ParaQString(LSTexto(TextoRL::EnviarPara)));
    enviar->setEnabled(false);
    auto* fechar = botao("fechar", 151, 50);
    fechar->setText(ParaQString(captions[1]));
    fechar->setToolTip(ParaQString(LSTexto(TextoRL::Fechar)));
    Separador(barra, 203);

    const QStyle* s = style();
    auto* primeira = botao("primeira", 209, 22);
    primeira->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    primeira->setToolTip(ParaQString(LSTexto(TextoRL::PrimeiraPagina)));
    auto* anterior = botao("anterior", 231, 22);
    anterior->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    anterior->setToolTip(ParaQString(LSTexto(TextoRL::PaginaAnterior)));
    auto* rotulo = new QLabel(ParaQString(LSTexto(TextoRL::Pagina)), barra);
    rotulo->setGeometry(256, 0, 42, 23);
    campoPagina_ = new QLineEdit(barra);
    campoPagina_->setObjectName(QStringLiteral("campoPagina"));
    campoPagina_->setGeometry(299, 1, 36, 21);
    campoPagina_->installEventFilter(this);
    auto* de = new QLabel(ParaQString(LSTexto(TextoRL::DeTotal)), barra);
    de->setGeometry(338, 0, 18, 23);
    de->setAlignment(Qt::AlignCenter);
    total_ = new QLabel(barra);
    total_->setObjectName(QStringLiteral("total"));
    total_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    total_->setGeometry(357, 1, 33, 21);
    total_->setAlignment(Qt::AlignCenter);
    auto* proxima = botao("proxima", 392, 22);
    proxima->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    proxima->setToolTip(ParaQString(LSTexto(TextoRL::ProximaPagina)));
    auto* ultima = botao("ultima", 414, 22);
    ultima->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    ultima->setToolTip(ParaQString(LSTexto(TextoRL::UltimaPagina)));
    for (QToolButton* b : {anterior, proxima}) {
        b->setAutoRepeat(true);  // one step at once, then every 100 ms after half a second
        b->setAutoRepeatDelay(500);
        b->setAutoRepeatInterval(100);
    }
    Separador(barra, 440);

    auto* menos = botao("menosZoom", 447, 22);
    menos->setIcon(Lupa(false));
    menos->setToolTip(ParaQString(LSTexto(TextoRL::DicaDoZoom)));
    auto* mais = botao("maisZoom", 469, 22);
    mais->setIcon(Lupa(true));
    mais->setToolTip(ParaQString(LSTexto(TextoRL::DicaDoZoom)));
    zoom_ = new QComboBox(barra);
    zoom_->setObjectName(QStringLiteral("listaZoom"));
    zoom_->setGeometry(492, 0, 145, 23);
    zoom_->setEditable(true);
    zoom_->setInsertPolicy(QComboBox::NoInsert);
    zoom_->setMaxVisibleItems(11);
    for (const std::string& t : TextosDaListaDeZoom()) zoom_->addItem(ParaQString(t));
    zoom_->lineEdit()->installEventFilter(this);
    Separador(barra, 640);
    auto* dividir = botao("dividir", 646, 24);
    dividir->setIcon(Divisao());
    dividir->setToolTip(ParaQString(LSTexto(TextoRL::DividirTela)));
    Separador(barra, 672);
    editar_ = botao("editar", 677, 24);
    editar_->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    editar_->setToolTip(ParaQString(LSTexto(TextoRL::Editar)));
    editar_->setCheckable(true);
    auto* info = botao("informacao", 0, 24);
    info->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
    info->setToolTip(QString::fromLatin1(versaoMotor));
    auto* direita = new QHBoxLayout(barra);  // keeps the information button at the right end
    direita->setContentsMargins(0, 0, 0, 0);
    direita->addStretch(1);
    direita->addWidget(info);

    connect(imprimir, &QToolButton::clicked, this, &TRLPreviewWindow::Imprimir);
    connect(salvar, &QToolButton::clicked, this, &TRLPreviewWindow::Salvar);
    connect(fechar, &QToolButton::clicked, this, &QDialog::close);
    connect(primeira, &QToolButton::clicked, this, [this] { Navegar(&TRLPreviewPane::Primeira); });
    connect(anterior, &QToolButton::clicked, this, [this] { Navegar(&TRLPreviewPane::Anterior); });
    connect(proxima, &QToolButton::clicked, this, [this] { Navegar(&TRLPreviewPane::Proxima); });
    connect(ultima, &QToolButton::clicked, this, [this] { Navegar(&TRLPreviewPane::Ultima); });
    connect(campoPagina_, &QLineEdit::returnPressed, this, &TRLPreviewWindow::PaginaDigitada);
    connect(campoPagina_, &QLineEdit::editingFinished, this, &TRLPreviewWindow::Sincronizar);
    connect(menos, &QToolButton::clicked, this, [this] { MudarZoom(ativo_->Estado().DiminuirZoom()); });
    connect(mais, &QToolButton::clicked, this, [this] { MudarZoom(ativo_->Estado().AumentarZoom()); });
    connect(zoom_, &QComboBox::activated, this, &TRLPreviewWindow::ZoomDaLista);
    connect(zoom_->lineEdit(), &QLineEdit::returnPressed, this, &TRLPreviewWindow::ZoomDigitado);
    connect(dividir, &QToolButton::clicked, this, &TRLPreviewWindow::AlternarDivisao);
    connect(editar_, &QToolButton::toggled, this, &TRLPreviewWindow::AlternarEdicao);
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
    ativo_->Atualizar(mudou, false);
    Sincronizar();
}

void TRLPreviewWindow::ZoomDaLista(int indice) {
    if (indice < 0 || indice >= QuantidadeItensZoom) return;
    MudarZoom(ativo_->Estado().AplicarItemZoom(static_cast<TRLItemZoom>(indice), ativo_->Cliente()));
}

void TRLPreviewWindow::ZoomDigitado() {
    const QString texto = zoom_->currentText();
    const int item = zoom_->findText(texto);
    const auto selecionado = item >= 0 ? std::optional(static_cast<TRLItemZoom>(item)) : std::nullopt;
    MudarZoom(ativo_->Estado().AplicarTextoZoom(ParaUtf8(texto), selecionado, ativo_->Cliente()));
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
    const auto achado =
        Procurar(paginas_, ParaUtf8(busca_->Texto()), e.PaginaAtual(), e.UltimoAchado(), busca_->Opcoes());
    if (!achado) {
        Notificar(LSTexto(TextoRL::NaoEncontrado));
        return;
    }
    e.DefinirAchado(*achado);
    const bool mudou = e.IrPara(achado->Pagina);
    ativo_->Atualizar(true, mudou);
}

void TRLPreviewWindow::Imprimir() {
    QWidget* foco = QApplication::focusWidget();
    ConfiguracaoImpressao().ParImpar = TRLParImpar::Todas;
    TRLPrintDialog dialogo(paginas_.Count(), this);
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
    if (!ativo_) return false;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    QScrollBar* h = ativo_->horizontalScrollBar();
    QScrollBar* v = ativo_->verticalScrollBar();
    const TRLTamanho c = ativo_->Cliente();
    switch (e->key()) {
        case Qt::Key_PageUp:
            if (ctrl)
                v->setValue(v->minimum());
            else
                Navegar(&TRLPreviewPane::Anterior);
            return true;
        case Qt::Key_PageDown:
            if (ctrl)
                v->setValue(v->maximum());
            else
                Navegar(&TRLPreviewPane::Proxima);
            return true;
        case Qt::Key_Home:
            if (ctrl)
                Navegar(&TRLPreviewPane::Primeira);
            else
                h->setValue(h->minimum());
            return true;
        case Qt::Key_End:
            if (ctrl)
                Navegar(&TRLPreviewPane::Ultima);
            else
                h->setValue(h->maximum());
            return true;
        case Qt::Key_Left:
            ativo_->Rolar(ctrl ? -c.Largura : -PassoRolagem, 0);
            return true;
        case Qt::Key_Right:
            ativo_->Rolar(ctrl ? c.Largura : PassoRolagem, 0);
            return true;
        case Qt::Key_Up:
            ativo_->Rolar(0, ctrl ? -c.Altura : -PassoRolagem);
            return true;
        case Qt::Key_Down:
            ativo_->Rolar(0, ctrl ? c.Altura : PassoRolagem);
            return true;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!ctrl) return false;
            MudarZoom(ativo_->Estado().AumentarZoom());
            return true;
        case Qt::Key_Minus:
            if (!ctrl) return false;
            MudarZoom(ativo_->Estado().DiminuirZoom());
            return true;
        case Qt::Key_0:
            if (!ctrl) return false;
            MudarZoom(ativo_->Estado().DefinirZoom(ZoomPadrao));
            return true;
        case Qt::Key_F:
            if (!ctrl) return false;
            AbrirBusca();
            return true;
        case Qt::Key_F3:
            if (ctrl || !busca_)
                AbrirBusca();
            else
                ProcurarProxima();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
    }
}

bool TRLPreviewWindow::eventFilter(QObject* objeto, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* tecla = static_cast<QKeyEvent*>(event);
        if (tecla->key() == Qt::Key_Control && ativo_)
            ativo_->DefinirCursorDeArraste(event->type() == QEvent::KeyPress);
        if (event->type() == QEvent::KeyPress && !(qobject_cast<QLineEdit*>(objeto) && TeclaDoCampo(tecla)))
            if (TratarTecla(tecla)) return true;
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
    TRLPreviewWindow janela(report.Pages(), parent);
    const TRLPreviewSettings& settings = PreviewSettings();
    if (!settings.Caption.isEmpty()) janela.setWindowTitle(settings.Caption);
    if (const QScreen* tela = janela.screen())
        janela.move(tela->availableGeometry().center() - janela.rect().center());
    janela.PainelAtivo()->Estado().DefinirZoom(settings.Zoom);
    janela.setWindowState(settings.EstadoJanela);
    janela.exec();
    return true;
}

}  // namespace luvenor
