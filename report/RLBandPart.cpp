#include "report/RLBandPart.h"

#include <algorithm>

namespace luvenor {
namespace {

struct Caixa {
    int32_t esq, topo, dir, baixo;  // the rules' own rows and columns
};

// The box a polygon draws when it is an upright rectangle: four corners, two columns, two rows.
bool EhCaixa(const TRLGraphicObject& o, Caixa& c) {
    const auto* p = o.As<TRLPolygonObject>();
    if (!p || p->Points.size() != 4) return false;
    c = {p->Points[0].X, p->Points[0].Y, p->Points[0].X, p->Points[0].Y};
    for (const TRLPagePoint& q : p->Points) {
        c.esq = std::min(c.esq, q.X);
        c.dir = std::max(c.dir, q.X);
        c.topo = std::min(c.topo, q.Y);
        c.baixo = std::max(c.baixo, q.Y);
    }
    for (const TRLPagePoint& q : p->Points)
        if ((q.X != c.esq && q.X != c.dir) || (q.Y != c.topo && q.Y != c.baixo)) return false;
    return c.dir > c.esq && c.baixo > c.topo;
}

// A turned text is a section title standing beside its whole box: every part shows it.
bool TextoGirado(const TRLGraphicObject& o) {
    const auto* t = o.As<TRLTextObject>();
    return t && t->Angle % 360 != 0;
}

TRLGraphicObject CaixaFechada(const TRLGraphicObject& o, const Caixa& c, int32_t topo, int32_t baixo) {
    TRLGraphicObject copia = o;
    auto& pontos = copia.As<TRLPolygonObject>()->Points;
    pontos = {{c.esq, topo}, {c.dir, topo}, {c.dir, baixo}, {c.esq, baixo}};
    copia.BoundsRect = {c.esq, topo, c.dir + 1, baixo + 1};
    return copia;
}

}  // namespace

int ContentBottom(const TRLGraphicSurface& band) {
    int fim = 0;
    Caixa c;
    for (const TRLGraphicObject& o : band.Objects()) {
        const bool marcador =
            o.Kind() == TRLObjectKind::SetClipRect || o.Kind() == TRLObjectKind::ResetClipRect;
        if (!marcador && !EhCaixa(o, c)) fim = std::max(fim, o.BoundsRect.Bottom);
    }
    return fim;
}

void DrawBandPart(TRLGraphicSurface& dest, const TRLGraphicSurface& band, int width, TRLPagePoint at,
                  const TRLBandPart& part) {
    TRLGraphicSurface cabeca;
    TRLGraphicSurface corpo;
    TRLGraphicSurface caixas;
    // A row of the band to its row in the part: the heading keeps its rows, the body follows it.
    auto linha = [&part](int32_t y) { return y < part.Heading ? y : y - part.From + part.Heading; };
    for (const TRLGraphicObject& o : band.Objects()) {
        Caixa c;
        const bool marcador =
            o.Kind() == TRLObjectKind::SetClipRect || o.Kind() == TRLObjectKind::ResetClipRect;
        if (marcador) {
            corpo.Add(o);  // clips stay paired, inside the body's own clip
        } else if (EhCaixa(o, c)) {
            if (part.Heading > 0 && c.baixo < part.Heading) {
                cabeca.Add(o);
                continue;
            }
            const bool naCabeca = part.Heading > 0 && c.topo < part.Heading;
            if (!naCabeca && (c.baixo < part.From || c.topo >= part.To)) continue;
            const int32_t topo = naCabeca ? c.topo : linha(std::max(c.topo, part.From));
            const int32_t baixo = linha(std::min(c.baixo, part.To));
            caixas.Add(CaixaFechada(o, c, topo, baixo));
        } else if (part.Heading > 0 && (o.BoundsRect.Top < part.Heading || TextoGirado(o))) {
            cabeca.Add(o);
        } else {
            corpo.Add(o);
        }
    }
    dest.Draw(caixas, at);
    dest.Draw(cabeca, at);
    dest.Draw(corpo, {at.X, at.Y + part.Heading}, TRLPageRect{0, part.From, width, part.To});
}

}  // namespace luvenor
