#include "report/RLPagePainter.h"

#include "report/RLFonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace luvenor {
namespace {

// Coordinates beyond this many design pixels (over 10 metres) come only from damaged files; they
// are held there so the device never rasterises absurd shapes.
constexpr double limiteDesenho = 400000.0;
constexpr int32_t limiteCaneta = 1000;
constexpr double limiteFonte = 2000.0;

double Limitado(double v, double limite) {
    return std::clamp(v, -limite, limite);
}

// Design pixels to device coordinates.
class Escala {
public:
    Escala(const TRLGraphicSurface& page, const QRectF& target)
        : sx_(page.Width() > 0 ? target.width() / page.Width() : 1.0),
          sy_(page.Height() > 0 ? target.height() / page.Height() : 1.0),
          origem_(target.topLeft()) {}
    double X(int32_t x) const { return std::round(Limitado(x, limiteDesenho) * sx_) + origem_.x(); }
    double Y(int32_t y) const { return std::round(Limitado(y, limiteDesenho) * sy_) + origem_.y(); }
    QPointF Ponto(TRLPagePoint p) const { return {X(p.X), Y(p.Y)}; }
    QRectF Retangulo(const TRLPageRect& r) const {
        return QRectF(QPointF(X(r.Left), Y(r.Top)), QPointF(X(r.Right), Y(r.Bottom))).normalized();
    }
    double Sy() const { return sy_; }
    // Pens scale with the page and are never narrower than one device pixel.
    double LarguraCaneta(int32_t w) const {
        return std::max(1.0, std::round(std::clamp(w, 1, limiteCaneta) * std::min(sx_, sy_)));
    }

private:
    double sx_;
    double sy_;
    QPointF origem_;
};

QColor Cor(QRgb c) {
    return QColor(qRed(c), qGreen(c), qBlue(c));
}

QPen Caneta(const TRLPen& p, const Escala& e) {
    if (p.Style == TRLPenStyle::psClear) return QPen(Qt::NoPen);
    Qt::PenStyle estilo = Qt::SolidLine;
    switch (p.Style) {
        case TRLPenStyle::psDash:
            estilo = Qt::DashLine;
            break;
        case TRLPenStyle::psDot:
            estilo = Qt::DotLine;
            break;
        case TRLPenStyle::psDashDot:
            estilo = Qt::DashDotLine;
            break;
        case TRLPenStyle::psDashDotDot:
            estilo = Qt::DashDotDotLine;
            break;
        default:
            break;
    }
    QPen caneta(QBrush(Cor(p.Color)), e.LarguraCaneta(p.Width), estilo, Qt::FlatCap, Qt::MiterJoin);
    return caneta;
}

QBrush Pincel(const TRLBrush& b) {
    Qt::BrushStyle estilo = Qt::SolidPattern;
    switch (b.Style) {
        case TRLBrushStyle::bsClear:
            return QBrush(Qt::NoBrush);
        case TRLBrushStyle::bsHorizontal:
            estilo = Qt::HorPattern;
            break;
        case TRLBrushStyle::bsVertical:
            estilo = Qt::VerPattern;
            break;
        case TRLBrushStyle::bsFDiagonal:
            estilo = Qt::FDiagPattern;
            break;
        case TRLBrushStyle::bsBDiagonal:
            estilo = Qt::BDiagPattern;
            break;
        case TRLBrushStyle::bsCross:
            estilo = Qt::CrossPattern;
            break;
        case TRLBrushStyle::bsDiagCross:
            estilo = Qt::DiagCrossPattern;
            break;
        default:
            break;
    }
    return QBrush(Cor(b.Color), estilo);
}

// An outline covers the pixels from left to right - 1, as a canvas rectangle does.
QRectF Contorno(const QRectF& r) {
    return r.adjusted(0, 0, -1, -1);
}

QPolygonF Poligono(const std::vector<TRLPagePoint>& pontos, const Escala& e) {
    QPolygonF p;
    p.reserve(static_cast<qsizetype>(pontos.size()));
    for (const TRLPagePoint& ponto : pontos) p.append(e.Ponto(ponto));
    return p;
}

QString ParaQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text is placed again with the device's metrics: the edge it is aligned to comes from the box
// (right, centre, bottom) or from the recorded origin (left, top), half a space in from the edge.
void DesenharTexto(const TRLGraphicObject& o, const TRLTextObject& t, const TRLMacros& paginaMacros,
                   const TRLMacros& lojaMacros, const Escala& e, QPainter& painter) {
    const QString texto = ParaQString(ExpandirMacros(t.Text, paginaMacros, lojaMacros));
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const double altura0 = std::min(AlturaDaFonte(t.Font), limiteFonte);
    const QFont fonte = FonteDaPagina(t.Font, altura0 * e.Sy(), dpi);
    const QFontMetricsF m(fonte, painter.device());
    const QRectF caixa = e.Retangulo(o.BoundsRect);
    const double espaco = m.horizontalAdvance(QLatin1Char(' '));
    const double largura = m.horizontalAdvance(texto + QLatin1Char(' '));
    const double altura = m.height();

    double x = e.X(t.Origin.X);
    if (t.Alignment == TRLPageAlignment::Right)
        x = espaco / 2 + caixa.right() - largura;
    else if (t.Alignment == TRLPageAlignment::Center)
        x = espaco / 2 + (caixa.left() + caixa.right() - largura) / 2;
    double y = e.Y(t.Origin.Y);
    if (t.Layout == TRLPageLayout::Bottom)
        y = caixa.bottom() - altura;
    else if (t.Layout == TRLPageLayout::Center)
        y = (caixa.top() + caixa.bottom() - altura) / 2;

    painter.save();
    if (!(t.TextFlags & tfUnclipped)) painter.setClipRect(caixa, Qt::IntersectClip);
    if (t.Brush.Style != TRLBrushStyle::bsClear) painter.fillRect(caixa, Pincel(t.Brush));
    painter.setFont(fonte);
    painter.setPen(Cor(t.Font.Color));
    painter.drawText(QPointF(x, y + m.ascent()), texto);
    painter.restore();
}

void DesenharImagem(const TRLImageObject& img, const QRectF& caixa, QPainter& painter) {
    const QImage imagem = DecodificarImagem(img.Picture);
    if (!imagem.isNull() && caixa.width() > 0 && caixa.height() > 0) painter.drawImage(caixa, imagem);
}

class Desenhista {
public:
    Desenhista(const TRLGraphicSurface& page, const TRLMacros& loja, QPainter& painter, const QRectF& alvo)
        : pagina_(page), loja_(loja), p_(painter), e_(page, alvo) {}

    void Desenhar() {
        p_.save();
        for (const TRLGraphicObject& o : pagina_.Objects()) Objeto(o);
        for (; recortes_ > 0; --recortes_) p_.restore();
        p_.restore();
    }

private:
    void Formas(const TRLPen& caneta, const TRLBrush& pincel) {
        p_.setPen(Caneta(caneta, e_));
        p_.setBrush(Pincel(pincel));
    }

    void Objeto(const TRLGraphicObject& o) {
        const QRectF caixa = e_.Retangulo(o.BoundsRect);
        if (const auto* t = o.As<TRLTextObject>()) {
            DesenharTexto(o, *t, pagina_.Macros(), loja_, e_, p_);
        } else if (const auto* l = o.As<TRLLineObject>()) {
            Formas(l->Pen, {0, TRLBrushStyle::bsClear});
            p_.drawLine(e_.Ponto(l->From), e_.Ponto(l->To));
        } else if (const auto* r = o.As<TRLRectangleObject>()) {
            Formas(r->Pen, r->Brush);
            p_.drawRect(Contorno(caixa));
        } else if (const auto* f = o.As<TRLFillRectObject>()) {
            p_.fillRect(caixa, Pincel(f->Brush));
        } else if (const auto* el = o.As<TRLEllipseObject>()) {
            Formas(el->Pen, el->Brush);
            p_.drawEllipse(Contorno(caixa));
        } else if (const auto* pg = o.As<TRLPolygonObject>()) {
            Formas(pg->Pen, pg->Brush);
            p_.drawPolygon(Poligono(pg->Points, e_));
        } else if (const auto* pl = o.As<TRLPolylineObject>()) {
            Formas(pl->Pen, {0, TRLBrushStyle::bsClear});
            p_.drawPolyline(Poligono(pl->Points, e_));
        } else if (const auto* px = o.As<TRLPixelObject>()) {
            p_.fillRect(
                QRectF(caixa.topLeft(), QSizeF(std::max(1.0, caixa.width()), std::max(1.0, caixa.height()))),
                Cor(px->Color));
        } else if (const auto* im = o.As<TRLImageObject>()) {
            DesenharImagem(*im, caixa, p_);
        } else if (o.As<TRLSetClipRectObject>()) {
            p_.save();
            ++recortes_;
            p_.setClipRect(caixa, Qt::IntersectClip);
        } else if (o.As<TRLResetClipRectObject>()) {
            if (recortes_ > 0) {
                p_.restore();
                --recortes_;
            }
        } else if (const auto* a = o.As<TRLArcObject>()) {
            Formas(a->Pen, {0, TRLBrushStyle::bsClear});
            p_.drawArc(Contorno(caixa), 0, 360 * 16);
        }
    }

    const TRLGraphicSurface& pagina_;
    const TRLMacros& loja_;
    QPainter& p_;
    Escala e_;
    int recortes_ = 0;
};

}  // namespace

void DesenharPagina(const TRLGraphicSurface& page, const TRLMacros& storeMacros, QPainter& painter,
                    const QRectF& target) {
    Desenhista(page, storeMacros, painter, target).Desenhar();
}

void DesenharPagina(const TRLGraphicSurface& page, const TRLGraphicStorage& store, QPainter& painter,
                    const QRectF& target) {
    DesenharPagina(page, store.Macros(), painter, target);
}

}  // namespace luvenor
