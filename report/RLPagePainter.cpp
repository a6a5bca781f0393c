#include "report/RLPagePainter.h"

#include "report/RLQtTexto.h"
#include "report/RLFonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

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

}  // namespace

class TRLCachesDeDesenho {
public:
    // A stored font ready for a device: the Qt font, its glyphs and the metrics every text in it needs.
    struct FonteNoDispositivo {
        uint64_t numero = 0;  // unique among the fonts a painter has built
        TRLPageFont chave;
        double pixels = 0;
        int dpi = 0;
        QFont fonte;
        QRawFont bruta;  // the same face at the device's pixel size
        double espaco = 0;
        double ascendente = 0;
        double altura = 0;
        std::unique_ptr<QFontMetricsF> metricas;

        struct Glifo {
            quint32 indice = 0;  // 0: the face has no glyph for the character
            double avanco = 0;
        };
        mutable std::unordered_map<char32_t, Glifo> glifos;

        const Glifo& GlifoDe(char32_t c) const {
            auto [it, novo] = glifos.try_emplace(c);
            if (novo) {
                const QString s = QString::fromUcs4(&c, 1);
                quint32 indices[2] = {0, 0};
                int n = 2;
                if (bruta.glyphIndexesForChars(s.constData(), static_cast<int>(s.size()), indices, &n) &&
                    n == 1 && indices[0] != 0) {
                    QPointF avanco;
                    bruta.advancesForGlyphIndexes(indices, &avanco, 1, QRawFont::UseDesignMetrics);
                    it->second = {indices[0], avanco.x()};
                }
            }
            return it->second;
        }

        // The glyphs of a text, one per character with kerning off, as texts are measured when a page
        // is made; false when the face lacks one of them and Qt must shape the text with fallback fonts.
        bool Glifos(const std::u32string& texto, QList<quint32>& indices, QList<QPointF>& posicoes,
                    double& largura) const {
            indices.resize(static_cast<qsizetype>(texto.size()));
            posicoes.resize(static_cast<qsizetype>(texto.size()));
            largura = 0;
            for (size_t i = 0; i < texto.size(); ++i) {
                const Glifo& g = GlifoDe(texto[i]);
                if (g.indice == 0) return false;
                indices[static_cast<qsizetype>(i)] = g.indice;
                posicoes[static_cast<qsizetype>(i)] = QPointF(largura, 0);
                largura += g.avanco;
            }
            return true;
        }
    };

    const FonteNoDispositivo& Fonte(const TRLPageFont& f, double pixels, int dpi, QPaintDevice* device) {
        if (ultima_ && Igual(*ultima_, f, pixels, dpi)) return *ultima_;
        for (const auto& c : fontes_)
            if (Igual(*c, f, pixels, dpi)) return *(ultima_ = c.get());
        if (fontes_.size() >= limiteFontes) {
            fontes_.clear();
            ultima_ = nullptr;
        }
        auto c = std::make_unique<FonteNoDispositivo>();
        c->numero = ++construidas_;
        c->chave = f;
        c->pixels = pixels;
        c->dpi = dpi;
        c->fonte = FonteDaPagina(f, pixels, dpi);
        c->metricas = std::make_unique<QFontMetricsF>(c->fonte, device);
        c->bruta = QRawFont::fromFont(c->fonte);
        c->bruta.setPixelSize(pixels);
        const auto& espaco = c->GlifoDe(U' ');
        c->espaco = espaco.indice != 0 ? espaco.avanco : c->metricas->horizontalAdvance(QLatin1Char(' '));
        c->ascendente = c->metricas->ascent();
        c->altura = c->metricas->height();
        fontes_.push_back(std::move(c));
        return *(ultima_ = fontes_.back().get());
    }

    // The same QImage for the same stored picture, so its conversion and a PDF's copy are made once.
    const QImage& Imagem(const std::string& picture) {
        auto achada = imagens_.find(picture);
        if (achada != imagens_.end()) return achada->second;
        QImage imagem = DecodificarImagem(picture);
        const auto bytes = static_cast<size_t>(std::max<qsizetype>(0, imagem.sizeInBytes()));
        if (imagens_.size() >= limiteImagens || bytesImagens_ + bytes > limiteBytesImagens) {
            imagens_.clear();
            bytesImagens_ = 0;
        }
        bytesImagens_ += bytes;
        return imagens_.emplace(picture, std::move(imagem)).first->second;
    }

private:
    static bool Igual(const FonteNoDispositivo& c, const TRLPageFont& f, double pixels, int dpi) {
        return c.pixels == pixels && c.dpi == dpi && c.chave == f;
    }
    // Bounds for damaged or unusual files; a DANFE uses a dozen fonts and two pictures.
    static constexpr size_t limiteFontes = 256;
    static constexpr size_t limiteImagens = 64;
    static constexpr size_t limiteBytesImagens = size_t{256} << 20;

    std::vector<std::unique_ptr<FonteNoDispositivo>> fontes_;
    const FonteNoDispositivo* ultima_ = nullptr;
    uint64_t construidas_ = 0;
    std::unordered_map<std::string, QImage> imagens_;
    size_t bytesImagens_ = 0;
};

namespace {

class Desenhista {
public:
    Desenhista(const TRLGraphicSurface& page, const TRLMacros& loja, QPainter& painter, const QRectF& alvo,
               TRLCachesDeDesenho& caches)
        : pagina_(page), loja_(loja), p_(painter), e_(page, alvo), caches_(caches) {}

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

    // A restore brings back the font and pen of its save, so the ones set since are unknown.
    void Restaurar() {
        p_.restore();
        fonteAtual_ = 0;
    }

    // A text is placed again with the device's metrics: the edge it is aligned to comes from the box
    // (right, centre, bottom) or from the recorded origin (left, top), half a space in from the edge.
    // Fonts and pens are set only when they change and the clip only when the text leaves its box:
    // saving and restoring the painter for every text is what made a PDF slow.
    void Texto(const TRLGraphicObject& o, const TRLTextObject& t) {
        const QString texto = ParaQString(ExpandirMacros(t.Text, pagina_.Macros(), loja_));
        const std::u32string codigos = texto.toStdU32String();
        const int dpi = p_.device() ? p_.device()->logicalDpiY() : 96;
        const double altura0 = std::min(AlturaDaFonte(t.Font), limiteFonte);
        const TRLCachesDeDesenho::FonteNoDispositivo& f =
            caches_.Fonte(t.Font, altura0 * e_.Sy(), dpi, p_.device());
        if (t.Angle % 360 != 0) {
            TextoGirado(t, f, texto, codigos);
            return;
        }
        const QRectF caixa = e_.Retangulo(o.BoundsRect);
        const bool recortavel = !(t.TextFlags & tfUnclipped);
        const bool medir =
            recortavel || t.Alignment == TRLPageAlignment::Right || t.Alignment == TRLPageAlignment::Center;
        double larguraGlifos = 0;
        const bool porGlifos = f.Glifos(codigos, indices_, posicoes_, larguraGlifos);
        const double largura =
            medir ? (porGlifos ? larguraGlifos : f.metricas->horizontalAdvance(texto)) + f.espaco : 0;

        double x = e_.X(t.Origin.X);
        // A text wider than its box was recorded from its box's left edge, and is drawn so.
        if (largura > caixa.width())
            x = std::max(x, caixa.left() + f.espaco / 2);
        else if (t.Alignment == TRLPageAlignment::Right)
            x = f.espaco / 2 + caixa.right() - largura;
        else if (t.Alignment == TRLPageAlignment::Center)
            x = f.espaco / 2 + (caixa.left() + caixa.right() - largura) / 2;
        double y = e_.Y(t.Origin.Y);
        if (t.Layout == TRLPageLayout::Bottom)
            y = caixa.bottom() - f.altura;
        else if (t.Layout == TRLPageLayout::Center)
            y = (caixa.top() + caixa.bottom() - f.altura) / 2;

        const bool cabe = x >= caixa.left() && x + largura - f.espaco <= caixa.right() && y >= caixa.top() &&
                          y + f.altura <= caixa.bottom();
        const bool recortar = recortavel && !cabe;
        if (recortar) {
            p_.save();
            p_.setClipRect(caixa, Qt::IntersectClip);
        }
        if (t.Brush.Style != TRLBrushStyle::bsClear) p_.fillRect(caixa, Pincel(t.Brush));
        p_.setPen(Cor(t.Font.Color));
        DesenharLinha(f, QPointF(x, y + f.ascendente), texto, porGlifos);
        if (recortar) Restaurar();
    }

    // A turned text: drawn as text (sharp at any resolution, nothing under it wiped) in a frame
    // turned about its origin; it has no box to be clipped to.
    void TextoGirado(const TRLTextObject& t, const TRLCachesDeDesenho::FonteNoDispositivo& f,
                     const QString& texto, const std::u32string& codigos) {
        double largura = 0;
        const bool porGlifos = f.Glifos(codigos, indices_, posicoes_, largura);
        p_.save();
        p_.translate(e_.Ponto(t.Origin));
        p_.rotate(-static_cast<double>(t.Angle % 360));
        p_.setPen(Cor(t.Font.Color));
        DesenharLinha(f, QPointF(0, f.ascendente), texto, porGlifos);
        Restaurar();
    }

    void DesenharLinha(const TRLCachesDeDesenho::FonteNoDispositivo& f, const QPointF& linhaDeBase,
                       const QString& texto, bool porGlifos) {
        if (porGlifos) {
            // Drawing the glyphs directly spares Qt shaping every text again, which was half of a PDF's time.
            if (!indices_.isEmpty()) {
                QGlyphRun glifos;
                glifos.setRawFont(f.bruta);
                glifos.setGlyphIndexes(indices_);
                glifos.setPositions(posicoes_);
                glifos.setUnderline(f.fonte.underline());
                glifos.setStrikeOut(f.fonte.strikeOut());
                p_.drawGlyphRun(linhaDeBase, glifos);
            }
        } else {
            if (fonteAtual_ != f.numero) {
                p_.setFont(f.fonte);
                fonteAtual_ = f.numero;
            }
            p_.drawText(linhaDeBase, texto);
        }
    }

    // A picture is drawn whenever its box covers at least part of a device pixel: a box that rounds
    // to nothing at a low resolution still shows as one pixel.
    void Imagem(const TRLImageObject& img, const TRLGraphicObject& o) {
        if (img.Picture.size() <= 3) return;
        const QImage& imagem = caches_.Imagem(img.Picture);
        if (imagem.isNull() || o.BoundsRect.Width() <= 0 || o.BoundsRect.Height() <= 0) return;
        QRectF caixa = e_.Retangulo(o.BoundsRect);
        caixa.setWidth(std::max(1.0, caixa.width()));
        caixa.setHeight(std::max(1.0, caixa.height()));
        p_.drawImage(caixa, imagem, QRectF(imagem.rect()));
    }

    void Objeto(const TRLGraphicObject& o) {
        const QRectF caixa = e_.Retangulo(o.BoundsRect);
        if (const auto* t = o.As<TRLTextObject>()) {
            Texto(o, *t);
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
            Imagem(*im, o);
        } else if (o.As<TRLSetClipRectObject>()) {
            p_.save();
            ++recortes_;
            p_.setClipRect(caixa, Qt::IntersectClip);
        } else if (o.As<TRLResetClipRectObject>()) {
            if (recortes_ > 0) {
                Restaurar();
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
    TRLCachesDeDesenho& caches_;
    uint64_t fonteAtual_ = 0;  // the font set on the painter, 0 when not known
    QList<quint32> indices_;   // the glyphs of the text being drawn, kept to spare allocations
    QList<QPointF> posicoes_;
    int recortes_ = 0;
};

}  // namespace

TRLPagePainter::TRLPagePainter() : caches_(std::make_unique<TRLCachesDeDesenho>()) {}

TRLPagePainter::~TRLPagePainter() = default;

void TRLPagePainter::Desenhar(const TRLGraphicSurface& page, const TRLMacros& storeMacros, QPainter& painter,
                              const QRectF& target) {
    Desenhista(page, storeMacros, painter, target, *caches_).Desenhar();
}

void DesenharPagina(const TRLGraphicSurface& page, const TRLMacros& storeMacros, QPainter& painter,
                    const QRectF& target) {
    TRLPagePainter().Desenhar(page, storeMacros, painter, target);
}

void DesenharPagina(const TRLGraphicSurface& page, const TRLGraphicStorage& store, QPainter& painter,
                    const QRectF& target) {
    DesenharPagina(page, store.Macros(), painter, target);
}

}  // namespace luvenor
