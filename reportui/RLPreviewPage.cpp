#include "reportui/RLPreviewPage.h"

#include "report/RLPagePainter.h"
#include "report/RLPagedOutput.h"
#include "report/RLTexts.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <cmath>

namespace luvenor {
namespace {

const QColor cinzaSombra(128, 128, 128);
constexpr int ladoMarca = 5;

}  // namespace

TRLPreviewPage::TRLPreviewPage(const TRLGraphicStorage& paginas, QWidget* parent)
    : QAbstractScrollArea(parent), paginas_(paginas), desenhista_(std::make_unique<TRLPagePainter>()) {
    TRLTamanho tamanho;
    if (paginas_.Count() > 0) {
        const auto p = paginas_.Page(0);
        tamanho = {p->Width(), p->Height()};
    }
    estado_.DefinirPaginas(paginas_.Count(), tamanho);
    estado_.DefinirLarguraDaBarra(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(PassoRolagem);
    verticalScrollBar()->setSingleStep(PassoRolagem);
}

TRLPreviewPage::~TRLPreviewPage() = default;

TRLTamanho TRLPreviewPage::Cliente() const {
    return {viewport()->width(), viewport()->height()};
}

TRLTamanho TRLPreviewPage::Area() const {
    TRLTamanho a = Cliente();
    if (verticalScrollBar()->isVisible()) a.Largura += verticalScrollBar()->width();
    if (horizontalScrollBar()->isVisible()) a.Altura += horizontalScrollBar()->height();
    return a;
}

TRLLayoutPainel TRLPreviewPage::Layout() const {
    std::vector<TRLTamanho> tamanhos;
    const int primeira = estado_.PaginaAtual();
    for (int i = 0; i < estado_.CaixasMostradas(); ++i) {
        const auto p = paginas_.Page(primeira + i);
        tamanhos.push_back({p->Width(), p->Height()});
    }
    return CalcularLayout(tamanhos, primeira, estado_.Zoom(), Cliente());
}

void TRLPreviewPage::AjustarBarras() {
    const TRLLayoutPainel l = Layout();
    const TRLTamanho c = Cliente();
    horizontalScrollBar()->setRange(0, std::max(0, l.Conteudo.Largura - c.Largura));
    horizontalScrollBar()->setPageStep(std::max(1, c.Largura));
    verticalScrollBar()->setRange(0, std::max(0, l.Conteudo.Altura - c.Altura));
    verticalScrollBar()->setPageStep(std::max(1, c.Altura));
    if (l.CentradoHorizontal) horizontalScrollBar()->setValue(0);
    if (l.CentradoVertical) verticalScrollBar()->setValue(0);
}

void TRLPreviewPage::Atualizar(bool mudou, bool zerarRolagem) {
    if (!mudou) return;
    AjustarBarras();
    if (zerarRolagem) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    viewport()->update();
    emit Mudou();
}

void TRLPreviewPage::AjustarAoAbrir(double padrao) {
    zoomDeAbertura_ = padrao;
    AplicarZoomDeAbertura();
}

void TRLPreviewPage::AplicarZoomDeAbertura() {
    if (!zoomDeAbertura_) return;
    // The default first, so a pane made smaller goes back to it rather than keeping a larger fit.
    const double antes = estado_.Zoom();
    estado_.DefinirZoom(*zoomDeAbertura_);
    estado_.AjustarAoAbrir(Area(), *zoomDeAbertura_);
    Atualizar(estado_.Zoom() != antes, true);
}

void TRLPreviewPage::MostrarAchado() {
    const TRLAchado& a = estado_.UltimoAchado();
    if (a.Pagina < 0 || a.Pagina >= paginas_.Count()) return;
    const auto pagina = paginas_.Page(a.Pagina);
    if (a.Objeto < 0 || a.Objeto >= static_cast<int>(pagina->Objects().size())) return;
    const TRLLayoutPainel l = Layout();
    const auto alvo = RetanguloNoConteudo(l, a.Pagina, {pagina->Width(), pagina->Height()},
                                          pagina->Objects()[static_cast<size_t>(a.Objeto)].BoundsRect);
    if (!alvo) return;
    const TRLPonto agora{horizontalScrollBar()->value(), verticalScrollBar()->value()};
    const TRLPonto novo = RolagemParaMostrar(*alvo, agora, Cliente(), l.Conteudo);
    horizontalScrollBar()->setValue(novo.X);
    verticalScrollBar()->setValue(novo.Y);
}

void TRLPreviewPage::Rolar(int dx, int dy) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void TRLPreviewPage::AplicarRolagem(const TRLRolagem& r) {
    for (const auto& [barra, extremo] :
         {std::pair{horizontalScrollBar(), r.ExtremoX}, std::pair{verticalScrollBar(), r.ExtremoY}})
        if (extremo != 0) barra->setValue(extremo < 0 ? barra->minimum() : barra->maximum());
    Rolar(r.Dx, r.Dy);
}

int TRLPreviewPage::PaginaNoPonto(QPoint ponto) const {
    const QPoint conteudo = ponto + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (const TRLCaixaPagina& c : Layout().Caixas)
        if (QRect(c.X, c.Y, c.Tamanho.Largura, c.Tamanho.Altura).contains(conteudo)) return c.Pagina;
    return -1;
}

std::optional<QPoint> TRLPreviewPage::PontoNaPagina(QPoint ponto, int& pagina) const {
    const QPoint conteudo = ponto + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (const TRLCaixaPagina& c : Layout().Caixas) {
        const QRect dentro(c.X, c.Y, c.Folha.Largura, c.Folha.Altura);
        if (!dentro.contains(conteudo) || dentro.width() <= 0 || dentro.height() <= 0) continue;
        const auto p = paginas_.Page(c.Pagina);
        pagina = c.Pagina;
        return QPoint((conteudo.x() - dentro.x()) * p->Width() / dentro.width(),
                      (conteudo.y() - dentro.y()) * p->Height() / dentro.height());
    }
    return std::nullopt;
}

void TRLPreviewPage::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    // Smoothed letters keep small print legible; rules stay unsmoothed, each on whole pixels.
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    const QPoint origem(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    for (const TRLCaixaPagina& c : Layout().Caixas) DesenharCaixa(p, c, origem);
}

void TRLPreviewPage::DesenharCaixa(QPainter& p, const TRLCaixaPagina& c, QPoint origem) {
    const int x = c.X + origem.x();
    const int y = c.Y + origem.y();
    const int w = c.Folha.Largura;
    const int h = c.Folha.Altura;
    p.fillRect(x + w, y + 5, 5, h - 5, cinzaSombra);
    p.fillRect(x + 5, y + h, w, 5, cinzaSombra);
    p.fillRect(x, y, w, h, Qt::white);
    const QRect folha(x, y, w, h);
    if (w > 2 && h > 2) {
        // The page takes the whole sheet, so at 100% a design pixel is a screen pixel and no rule
        // shifts by rounding; the frame is drawn over the sheet's edge, where pages have margins.
        const auto pagina = paginas_.Page(c.Pagina);
        p.save();
        p.setClipRect(folha.adjusted(1, 1, -1, -1));
        desenhista_->Desenhar(*pagina, paginas_.Macros(), p, QRectF(folha));
        p.restore();
        DesenharMarcas(p, *pagina, c.Pagina, folha);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(x, y, w - 1, h - 1);
}

void TRLPreviewPage::DesenharMarcas(QPainter& p, const TRLGraphicSurface& pagina, int indice,
                                    QRect folha) const {
    const double sx = pagina.Width() > 0 ? double(folha.width()) / pagina.Width() : 1.0;
    const double sy = pagina.Height() > 0 ? double(folha.height()) / pagina.Height() : 1.0;
    const auto naTela = [&](const TRLPageRect& r) {
        return QRect(
            QPoint(folha.x() + int(std::lround(r.Left * sx)), folha.y() + int(std::lround(r.Top * sy))),
            QPoint(folha.x() + int(std::lround(r.Right * sx)) - 1,
                   folha.y() + int(std::lround(r.Bottom * sy)) - 1));
    };
    const TRLAchado& achado = estado_.UltimoAchado();
    if (achado.Pagina == indice && achado.Objeto >= 0 && achado.Objeto < int(pagina.Objects().size())) {
        p.save();
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(naTela(pagina.Objects()[achado.Objeto].BoundsRect).adjusted(-2, -2, 2, 2));
        p.restore();
    }
    const TRLAchado& selecao = estado_.Selecao();
    if (!estado_.Editando() || selecao.Pagina != indice) return;
    const std::vector<int> marcados = ObjetosDoGrupo(pagina, selecao.Objeto);
    const bool varios = marcados.size() > 1;
    p.setPen(varios ? QPen(Qt::white) : QPen(Qt::NoPen));
    p.setBrush(varios ? cinzaSombra : QColor(Qt::black));
    for (int i : marcados) {
        const QRect r = naTela(pagina.Objects()[i].BoundsRect);
        for (int px : {r.left(), r.center().x(), r.right()})
            for (int py : {r.top(), r.center().y(), r.bottom()}) {
                if (px == r.center().x() && py == r.center().y()) continue;
                p.drawRect(px - ladoMarca / 2, py - ladoMarca / 2, ladoMarca - 1, ladoMarca - 1);
            }
    }
}

void TRLPreviewPage::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    AjustarBarras();
    AplicarZoomDeAbertura();
}

void TRLPreviewPage::DefinirCursorDeArraste(bool ctrl) {
    if (arrastando_) return;
    if (ctrl)
        viewport()->setCursor(Qt::OpenHandCursor);
    else
        viewport()->unsetCursor();
}

void TRLPreviewPage::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit Ativado();
}

void TRLPreviewPage::mousePressEvent(QMouseEvent* event) {
    emit Ativado();
    setFocus();
    if (event->button() != Qt::LeftButton) return;
    if (event->modifiers() & Qt::ControlModifier) {
        arrastando_ = true;
        ultimoPonto_ = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (!estado_.Editando()) return;
    int pagina = -1;
    if (const auto ponto = PontoNaPagina(event->position().toPoint(), pagina)) {
        const int objeto = ObjetoNoPonto(*paginas_.Page(pagina), ponto->x(), ponto->y());
        estado_.Selecionar(objeto >= 0 ? TRLAchado{pagina, objeto} : TRLAchado{});
    } else {
        estado_.Selecionar({});
    }
    viewport()->update();
}

void TRLPreviewPage::mouseMoveEvent(QMouseEvent* event) {
    if (arrastando_) {
        const QPoint agora = event->position().toPoint();
        const QPoint d = agora - ultimoPonto_;
        ultimoPonto_ = agora;
        Rolar(-d.x(), -d.y());
        return;
    }
    DefinirCursorDeArraste(event->modifiers() & Qt::ControlModifier);
}

void TRLPreviewPage::mouseReleaseEvent(QMouseEvent* event) {
    if (!arrastando_) return;
    arrastando_ = false;
    DefinirCursorDeArraste(event->modifiers() & Qt::ControlModifier);
}

void TRLPreviewPage::mouseDoubleClickEvent(QMouseEvent* event) {
    const int pagina = PaginaNoPonto(event->position().toPoint());
    if (pagina < 0 || event->button() != Qt::LeftButton) return;
    ManterZoom();
    estado_.AlternarVista(pagina, Area());
    Atualizar(true, true);
}

void TRLPreviewPage::wheelEvent(QWheelEvent* event) {
    const QPoint graus = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        ManterZoom();
        if (graus.y() > 0)
            Atualizar(estado_.AumentarZoom(), false);
        else if (graus.y() < 0)
            Atualizar(estado_.DiminuirZoom(), false);
    } else {
        const int linhas = QApplication::wheelScrollLines();
        Rolar(-RolagemDaRoda(graus.x(), linhas), -RolagemDaRoda(graus.y(), linhas));
    }
    event->accept();
}

void TRLPreviewPage::contextMenuEvent(QContextMenuEvent* event) {
    const int pagina = PaginaNoPonto(event->pos());
    if (pagina < 0) return;
    QMenu menu(this);
    menu.addAction(QString::fromStdString(LSTexto(TextoRL::CopiarComoBitmap)), this,
                   [this, pagina] { CopiarComoBitmap(pagina); });
    menu.addAction(QString::fromStdString(LSTexto(TextoRL::CopiarComoMetafile)), this,
                   [this, pagina] { CopiarComoMetafile(pagina); });
    menu.exec(event->globalPos());
}

QImage TRLPreviewPage::ImagemDaPagina(int pagina) const {
    const auto p = paginas_.Page(pagina);
    QImage imagem(std::max(1, p->Width()), std::max(1, p->Height()), QImage::Format_RGB32);
    if (imagem.isNull()) return imagem;
    imagem.fill(Qt::white);
    QPainter painter(&imagem);
    DesenharPagina(*p, paginas_, painter, QRectF(0, 0, p->Width(), p->Height()));
    return imagem;
}

// The vector picture is a one-page PDF, on the page's sheet as printing and export give it: the
// clipboard's vector format on Linux.
QByteArray TRLPreviewPage::PdfDaPagina(int pagina) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TRLPedidoSaida pedido;
    pedido.Paginas = {pagina + 1};
    GravarPdf(paginas_, buffer, pedido, ProgressoNulo());
    return bytes;
}

void TRLPreviewPage::CopiarComoBitmap(int pagina) const {
    QGuiApplication::clipboard()->setImage(ImagemDaPagina(pagina));
}

void TRLPreviewPage::CopiarComoMetafile(int pagina) const {
    auto* dados = new QMimeData;
    dados->setData(QStringLiteral("application/pdf"), PdfDaPagina(pagina));
    QGuiApplication::clipboard()->setMimeData(dados);
}

}  // namespace luvenor
