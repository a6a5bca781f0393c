#include "report/RLMotorPdfCairo.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>

namespace luvenor {
namespace {

// The surface's small writes gathered into blocks of this size before they reach the device.
constexpr qsizetype blocoDeEscrita = 64 * 1024;

cairo_status_t EscreverNoMotor(void* motor, const unsigned char* dados, unsigned int tamanho) {
    static_cast<TRLMotorPdfCairo*>(motor)->Receber(dados, tamanho);
    return CAIRO_STATUS_SUCCESS;
}

cairo_matrix_t MatrizCairo(const QTransform& t) {
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy());
    return m;
}

void DefinirCor(cairo_t* cr, const QColor& cor, double opacidade) {
    const QColor rgb = cor.toRgb();
    cairo_set_source_rgba(cr, rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF() * opacidade);
}

cairo_line_cap_t Ponta(Qt::PenCapStyle estilo) {
    switch (estilo) {
        case Qt::SquareCap:
            return CAIRO_LINE_CAP_SQUARE;
        case Qt::RoundCap:
            return CAIRO_LINE_CAP_ROUND;
        default:
            return CAIRO_LINE_CAP_BUTT;
    }
}

cairo_line_join_t Juncao(Qt::PenJoinStyle estilo) {
    switch (estilo) {
        case Qt::BevelJoin:
            return CAIRO_LINE_JOIN_BEVEL;
        case Qt::RoundJoin:
            return CAIRO_LINE_JOIN_ROUND;
        default:
            return CAIRO_LINE_JOIN_MITER;
    }
}

bool Hachura(Qt::BrushStyle estilo) {
    return estilo >= Qt::Dense1Pattern && estilo <= Qt::DiagCrossPattern;
}

// A hatch brush as Qt's raster engine draws it: its 8-pixel tile, repeated in device pixels.
cairo_pattern_t* PadraoDeHachura(const QBrush& pincel, double opacidade) {
    QImage ladrilho(8, 8, QImage::Format_ARGB32_Premultiplied);
    ladrilho.fill(Qt::transparent);
    {
        QPainter p(&ladrilho);
        p.setOpacity(opacidade);
        p.fillRect(ladrilho.rect(), pincel);
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(s);
    const int passo = cairo_image_surface_get_stride(s);
    for (int y = 0; y < 8; ++y)
        std::copy_n(ladrilho.constScanLine(y), 8 * 4, cairo_image_surface_get_data(s) + y * passo);
    cairo_surface_mark_dirty(s);
    cairo_pattern_t* padrao = cairo_pattern_create_for_surface(s);
    cairo_surface_destroy(s);
    cairo_pattern_set_extend(padrao, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(padrao, CAIRO_FILTER_NEAREST);
    return padrao;
}

}  // namespace

TRLMotorPdfCairo::TRLMotorPdfCairo(QIODevice& destino)
    : QPaintEngine(QPaintEngine::AllFeatures), destino_(destino) {}

TRLMotorPdfCairo::~TRLMotorPdfCairo() {
    Concluir();
}

void TRLMotorPdfCairo::DefinirMetadado(cairo_pdf_metadata_t campo, const std::string& valor) {
    metadados_.emplace_back(campo, valor);
    if (superficie_) cairo_pdf_surface_set_metadata(superficie_, campo, valor.c_str());
}

void TRLMotorPdfCairo::AdicionarMarcador(const std::string& titulo, int pagina) {
    marcadores_.emplace_back(titulo, pagina);
}

void TRLMotorPdfCairo::DefinirFolha(const QPageLayout& folha, int resolucao) {
    folha_ = folha;
    resolucao_ = resolucao;
}

bool TRLMotorPdfCairo::AbrirSuperficie() {
    if (superficie_) return true;
    const QSizeF pontos = folha_.fullRect(QPageLayout::Point).size();
    superficie_ = cairo_pdf_surface_create_for_stream(EscreverNoMotor, this, pontos.width(), pontos.height());
    if (cairo_surface_status(superficie_) != CAIRO_STATUS_SUCCESS) return false;
    for (const auto& [campo, valor] : metadados_)
        cairo_pdf_surface_set_metadata(superficie_, campo, valor.c_str());
    cr_ = cairo_create(superficie_);
    return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

bool TRLMotorPdfCairo::begin(QPaintDevice*) {
    if (!AbrirSuperficie()) return false;
    // A job begun again on the same device goes on in the same document, on a page of its own.
    if (paginaDesenhada_ && !NovaPagina()) return false;
    matriz_ = QTransform();
    recortes_.clear();
    recorteLigado_ = false;
    AjustarAFolha();
    return true;
}

void TRLMotorPdfCairo::AjustarAFolha() {
    const QRectF area = folha_.paintRect(QPageLayout::Point);
    const double escala = 72.0 / resolucao_;
    cairo_matrix_init(&base_, escala, 0, 0, escala, area.left(), area.top());
    AplicarMatriz(matriz_);
    AplicarRecorte();
}

bool TRLMotorPdfCairo::end() {
    return cr_ && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

bool TRLMotorPdfCairo::NovaPagina() {
    if (!cr_) return true;  // the first page opens with the job
    DescarregarTextos();
    cairo_show_page(cr_);
    const QSizeF pontos = folha_.fullRect(QPageLayout::Point).size();
    cairo_pdf_surface_set_size(superficie_, pontos.width(), pontos.height());
    AjustarAFolha();
    paginaDesenhada_ = false;
    return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

std::string TRLMotorPdfCairo::Concluir() {
    if (!superficie_) return {};
    DescarregarTextos();
    std::string erro;
    if (cr_ && cairo_status(cr_) != CAIRO_STATUS_SUCCESS) erro = cairo_status_to_string(cairo_status(cr_));
    if (cr_) cairo_destroy(cr_);
    cr_ = nullptr;
    for (auto& [chave, s] : imagens_) cairo_surface_destroy(s);
    imagens_.clear();
    for (const auto& [titulo, pagina] : marcadores_) {
        const std::string destino = "page=" + std::to_string(pagina);
        cairo_pdf_surface_add_outline(superficie_, CAIRO_PDF_OUTLINE_ROOT, titulo.c_str(), destino.c_str(),
                                      CAIRO_PDF_OUTLINE_FLAG_OPEN);
    }
    marcadores_.clear();
    cairo_surface_finish(superficie_);
    if (erro.empty() && cairo_surface_status(superficie_) != CAIRO_STATUS_SUCCESS)
        erro = cairo_status_to_string(cairo_surface_status(superficie_));
    cairo_surface_destroy(superficie_);
    superficie_ = nullptr;
    EscreverBuffer();
    if (erro.empty() && erroDeEscrita_) erro = destino_.errorString().toStdString();
    return erro;
}

void TRLMotorPdfCairo::Receber(const unsigned char* dados, unsigned int tamanho) {
    buffer_.append(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    if (buffer_.size() >= blocoDeEscrita) EscreverBuffer();
}

void TRLMotorPdfCairo::EscreverBuffer() {
    if (buffer_.isEmpty()) return;
    if (!erroDeEscrita_ && destino_.write(buffer_) != buffer_.size()) erroDeEscrita_ = true;
    buffer_.clear();
}

void TRLMotorPdfCairo::AplicarMatriz(const QTransform& t) {
    const cairo_matrix_t qt = MatrizCairo(t);
    cairo_matrix_t m;
    cairo_matrix_multiply(&m, &qt, &base_);
    cairo_set_matrix(cr_, &m);
}

void TRLMotorPdfCairo::updateState(const QPaintEngineState& estado) {
    if (!cr_) return;
    const QPaintEngine::DirtyFlags f = estado.state();
    // A pen or brush only colours what comes next; the texts gathered stay under the matrix, clip
    // and opacity they were added with.
    if (f & ~(DirtyPen | DirtyBrush | DirtyHints | DirtyFont | DirtyBrushOrigin | DirtyBackground |
              DirtyBackgroundMode))
        DescarregarTextos();
    if (f & DirtyPen) caneta_ = estado.pen();
    if (f & DirtyBrush) pincel_ = estado.brush();
    if (f & DirtyOpacity) opacidade_ = estado.opacity();
    if (f & DirtyHints) suavizarImagens_ = estado.renderHints().testFlag(QPainter::SmoothPixmapTransform);
    if (f & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) AtualizarRecorte(estado);
    if (f & DirtyTransform) {
        matriz_ = estado.transform();
        AplicarMatriz(matriz_);
    }
}

// Qt hands each clip in the coordinates of the transform it was set under; kept in device pixels,
// a later intersection needs no boolean geometry: cairo intersects the list as it applies it.
void TRLMotorPdfCairo::AtualizarRecorte(const QPaintEngineState& estado) {
    const QPaintEngine::DirtyFlags f = estado.state();
    if (f & DirtyClipEnabled) recorteLigado_ = estado.isClipEnabled();
    if (f & (DirtyClipPath | DirtyClipRegion)) {
        QPainterPath caminho;
        if (f & DirtyClipPath)
            caminho = estado.clipPath();
        else
            caminho.addRegion(estado.clipRegion());
        const Qt::ClipOperation op = estado.clipOperation();
        if (op != Qt::IntersectClip) recortes_.clear();
        if (op != Qt::NoClip) recortes_.push_back(estado.transform().map(caminho));
        recorteLigado_ = op != Qt::NoClip;
    }
    AplicarRecorte();
}

void TRLMotorPdfCairo::AplicarRecorte() {
    cairo_reset_clip(cr_);
    if (!recorteLigado_ || recortes_.empty()) return;
    AplicarMatriz(QTransform());
    for (const QPainterPath& r : recortes_) {
        Caminho(r);
        cairo_set_fill_rule(
            cr_, r.fillRule() == Qt::WindingFill ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr_);
    }
    AplicarMatriz(matriz_);
}

void TRLMotorPdfCairo::Caminho(const QPainterPath& caminho) {
    cairo_new_path(cr_);
    for (int i = 0; i < caminho.elementCount(); ++i) {
        const QPainterPath::Element& e = caminho.elementAt(i);
        if (e.isMoveTo()) {
            cairo_move_to(cr_, e.x, e.y);
        } else if (e.isLineTo()) {
            cairo_line_to(cr_, e.x, e.y);
        } else if (e.isCurveTo() && i + 2 < caminho.elementCount()) {
            const QPainterPath::Element& c2 = caminho.elementAt(i + 1);
            const QPainterPath::Element& fim = caminho.elementAt(i + 2);
            cairo_curve_to(cr_, e.x, e.y, c2.x, c2.y, fim.x, fim.y);
            i += 2;
        }
    }
}

void TRLMotorPdfCairo::Preencher() {
    if (!Hachura(pincel_.style())) {
        // Gradients and textures do not occur in our pages; they fill with their colour.
        DefinirCor(cr_, pincel_.color(), opacidade_);
        cairo_fill_preserve(cr_);
        return;
    }
    // Qt's hatches are drawn in screen pixels; at the PDF's resolution a tile pixel spans
    // resolution / 96 device pixels, so the lines keep the spacing a preview shows.
    cairo_save(cr_);
    AplicarMatriz(QTransform());
    cairo_pattern_t* padrao = PadraoDeHachura(pincel_, opacidade_);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 96.0 / resolucao_, 96.0 / resolucao_);
    cairo_pattern_set_matrix(padrao, &m);
    cairo_set_source(cr_, padrao);
    cairo_pattern_destroy(padrao);
    cairo_fill_preserve(cr_);
    cairo_restore(cr_);
}

// The scale from the pen's units to PDF points when it is the same on both axes, 0 when the
// drawing is rotated, sheared or stretched. A stroke in the page's own points is written without a
// matrix of its own ("q ... cm ... S Q"): on a page of item rows those were most of the numbers.
double TRLMotorPdfCairo::EscalaUniforme(bool cosmetica) const {
    if (cosmetica) return base_.xx;  // device pixels, the same on both axes
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    if (m.xy != 0 || m.yx != 0 || std::abs(m.xx) != std::abs(m.yy)) return 0;
    return std::abs(m.xx);
}

void TRLMotorPdfCairo::Tracar() {
    const bool cosmetica = caneta_.isCosmetic();
    const double espessura = cosmetica ? std::max(1.0, caneta_.widthF()) : caneta_.widthF();
    const double escala = EscalaUniforme(cosmetica);
    DefinirCor(cr_, caneta_.color(), opacidade_);
    cairo_set_line_cap(cr_, Ponta(caneta_.capStyle()));
    cairo_set_line_join(cr_, Juncao(caneta_.joinStyle()));
    cairo_set_miter_limit(cr_, std::max(1.0, caneta_.miterLimit()));
    // The path is kept in device space already; only the width and dashes follow the matrix.
    cairo_save(cr_);
    if (escala > 0) cairo_identity_matrix(cr_);
    const double unidade = escala > 0 ? escala : 1.0;
    if (caneta_.style() != Qt::SolidLine) {
        const double passo = (espessura > 0 ? espessura : 1.0) * unidade;
        std::vector<double> tracos;
        for (qreal d : caneta_.dashPattern()) tracos.push_back(d * passo);
        cairo_set_dash(cr_, tracos.data(), static_cast<int>(tracos.size()), caneta_.dashOffset() * passo);
    } else {
        cairo_set_dash(cr_, nullptr, 0, 0);
    }
    cairo_set_line_width(cr_, espessura * unidade);
    cairo_stroke_preserve(cr_);
    cairo_restore(cr_);
}

void TRLMotorPdfCairo::PreencherETracar(bool preencher, bool tracar) {
    if (preencher && pincel_.style() != Qt::NoBrush) {
        Preencher();
    }
    if (tracar && caneta_.style() != Qt::NoPen) Tracar();
    cairo_new_path(cr_);
    paginaDesenhada_ = true;
}

void TRLMotorPdfCairo::drawRects(const QRectF* rects, int n) {
    if (!cr_) return;
    DescarregarTextos();
    cairo_new_path(cr_);
    for (int i = 0; i < n; ++i)
        cairo_rectangle(cr_, rects[i].x(), rects[i].y(), rects[i].width(), rects[i].height());
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    PreencherETracar(true, true);
}

void TRLMotorPdfCairo::drawLines(const QLineF* linhas, int n) {
    if (!cr_) return;
    DescarregarTextos();
    cairo_new_path(cr_);
    for (int i = 0; i < n; ++i) {
        cairo_move_to(cr_, linhas[i].x1(), linhas[i].y1());
        cairo_line_to(cr_, linhas[i].x2(), linhas[i].y2());
    }
    PreencherETracar(false, true);
}

void TRLMotorPdfCairo::drawPath(const QPainterPath& caminho) {
    if (!cr_) return;
    DescarregarTextos();
    Caminho(caminho);
    cairo_set_fill_rule(
        cr_, caminho.fillRule() == Qt::WindingFill ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    PreencherETracar(true, true);
}

void TRLMotorPdfCairo::drawPolygon(const QPointF* pontos, int n, PolygonDrawMode modo) {
    if (!cr_ || n <= 0) return;
    DescarregarTextos();
    cairo_new_path(cr_);
    cairo_move_to(cr_, pontos[0].x(), pontos[0].y());
    for (int i = 1; i < n; ++i) cairo_line_to(cr_, pontos[i].x(), pontos[i].y());
    const bool poligono = modo != PolylineMode;
    if (poligono) cairo_close_path(cr_);
    cairo_set_fill_rule(cr_, modo == WindingMode ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    PreencherETracar(poligono, true);
}

cairo_surface_t* TRLMotorPdfCairo::SuperficieDaImagem(const QImage& imagem) {
    const auto achada = imagens_.find(imagem.cacheKey());
    if (achada != imagens_.end()) return achada->second;
    // Without transparency the picture needs no soft mask in the PDF.
    const bool opaca = !imagem.hasAlphaChannel();
    const QImage convertida =
        imagem.convertToFormat(opaca ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    cairo_surface_t* s = cairo_image_surface_create(opaca ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                                    convertida.width(), convertida.height());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(s);
        const int passo = cairo_image_surface_get_stride(s);
        unsigned char* dados = cairo_image_surface_get_data(s);
        const auto bytes = static_cast<size_t>(convertida.width()) * 4;
        for (int y = 0; y < convertida.height(); ++y)
            std::copy_n(convertida.constScanLine(y), bytes, dados + static_cast<size_t>(y) * passo);
        cairo_surface_mark_dirty(s);
    }
    imagens_.emplace(imagem.cacheKey(), s);
    return s;
}

void TRLMotorPdfCairo::drawImage(const QRectF& r, const QImage& imagem, const QRectF& sr,
                                 Qt::ImageConversionFlags) {
    if (!cr_ || imagem.isNull() || sr.width() <= 0 || sr.height() <= 0) return;
    DescarregarTextos();
    cairo_surface_t* s = SuperficieDaImagem(imagem);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return;
    cairo_pattern_t* padrao = cairo_pattern_create_for_surface(s);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, sr.x(), sr.y());
    cairo_matrix_scale(&m, sr.width() / r.width(), sr.height() / r.height());
    cairo_matrix_translate(&m, -r.x(), -r.y());
    cairo_pattern_set_matrix(padrao, &m);
    // A barcode must keep its hard edges; only a painter asking for smoothing gets it.
    cairo_pattern_set_filter(padrao, suavizarImagens_ ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_set_source(cr_, padrao);
    cairo_pattern_destroy(padrao);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    if (opacidade_ < 1.0) {
        cairo_save(cr_);
        cairo_clip(cr_);
        cairo_paint_with_alpha(cr_, opacidade_);
        cairo_restore(cr_);
    } else {
        cairo_fill(cr_);
    }
    paginaDesenhada_ = true;
}

void TRLMotorPdfCairo::drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) {
    drawImage(r, pixmap.toImage(), sr, Qt::AutoColor);
}

void TRLMotorPdfCairo::drawTiledPixmap(const QRectF& r, const QPixmap& pixmap, const QPointF& s) {
    if (!cr_ || pixmap.isNull()) return;
    DescarregarTextos();
    cairo_surface_t* superficie = SuperficieDaImagem(pixmap.toImage());
    cairo_pattern_t* padrao = cairo_pattern_create_for_surface(superficie);
    cairo_pattern_set_extend(padrao, CAIRO_EXTEND_REPEAT);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, s.x() - r.x(), s.y() - r.y());
    cairo_pattern_set_matrix(padrao, &m);
    cairo_set_source(cr_, padrao);
    cairo_pattern_destroy(padrao);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_fill(cr_);
    paginaDesenhada_ = true;
}

void TRLMotorPdfCairo::drawTextItem(const QPointF& p, const QTextItem& item) {
    if (!cr_) return;
    const QColor cor = caneta_.color().toRgb();
    const double rgba[4] = {cor.redF(), cor.greenF(), cor.blueF(), cor.alphaF() * opacidade_};
    if (!textos_.Acrescentar(cr_, p, item, rgba)) {
        DescarregarTextos();
        QPaintEngine::drawTextItem(p, item);  // outlines, drawn through drawPath
    }
    paginaDesenhada_ = true;
}

}  // namespace luvenor
