#include "report/RLDraw.h"

#include "report/RLLabel.h"

#include <algorithm>
#include <cmath>

namespace luvenor {
namespace {

struct PontoReal {
    double x;
    double y;
};

std::vector<PontoReal> FormaUnitaria(TRLDrawKind kind) {
    switch (kind) {
        case TRLDrawKind::dkLine:
            return {{0, 0}, {1, 0}};
        case TRLDrawKind::dkTriangle:
            return {{0, 1}, {0.5, 0}, {1, 1}};
        default:
            return {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    }
}

struct Limites {
    double esq, topo, dir, baixo;
};

Limites LimitesDe(const std::vector<PontoReal>& pts) {
    Limites l{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const auto& p : pts) {
        l.esq = std::min(l.esq, p.x);
        l.topo = std::min(l.topo, p.y);
        l.dir = std::max(l.dir, p.x);
        l.baixo = std::max(l.baixo, p.y);
    }
    return l;
}

// Scales the points so their extent becomes w x h from (0, 0); a zero extent scales by 0.
void Esticar(std::vector<PontoReal>& pts, double w, double h) {
    const Limites l = LimitesDe(pts);
    const double fx = l.dir > l.esq ? w / (l.dir - l.esq) : 0.0;
    const double fy = l.baixo > l.topo ? h / (l.baixo - l.topo) : 0.0;
    for (auto& p : pts) p = {(p.x - l.esq) * fx, (p.y - l.topo) * fy};
}

void Girar(std::vector<PontoReal>& pts, double graus) {
    const Limites l = LimitesDe(pts);
    const double cx = (l.esq + l.dir) / 2;
    const double cy = (l.topo + l.baixo) / 2;
    const double rad = graus * M_PI / 180.0;
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    for (auto& p : pts) {
        const double dx = p.x - cx;
        const double dy = p.y - cy;
        // counter-clockwise on a page whose y grows downwards
        p = {cx + dx * c + dy * s, cy - dx * s + dy * c};
    }
}

}  // namespace

std::vector<TRLPagePoint> PontosDaForma(TRLDrawKind kind, const TRLPageRect& box, int penWidth, double angle,
                                        bool center) {
    // The last pixel row and column inside the box; a wide pen stays inside it.
    int esq = box.Left;
    int topo = box.Top;
    int dir = box.Right - 1;
    int baixo = box.Bottom - 1;
    if (penWidth > 1) {
        esq += penWidth / 2;
        topo += penWidth / 2;
        dir -= (penWidth - 1) / 2;
        baixo -= (penWidth - 1) / 2;
    }
    const double w = dir - esq;
    const double h = baixo - topo;
    std::vector<PontoReal> pts = FormaUnitaria(kind);
    Esticar(pts, w, h);
    if (std::fmod(angle, 360.0) != 0.0) {
        const std::vector<PontoReal> antes = pts;
        Girar(pts, angle);
        const Limites l = LimitesDe(pts);
        Esticar(pts, l.dir > l.esq ? w : 0.0, l.baixo > l.topo ? h : 0.0);
        for (const auto& p : pts)
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                pts = antes;  // a failed turn draws the shape unturned
                break;
            }
    }
    int dx = 0;
    int dy = 0;
    if (center) {
        const Limites l = LimitesDe(pts);
        dx = static_cast<int>(w - std::lround(l.dir - l.esq)) / 2;
        dy = static_cast<int>(h - std::lround(l.baixo - l.topo)) / 2;
    }
    std::vector<TRLPagePoint> resultado;
    for (const auto& p : pts)
        resultado.push_back({static_cast<int32_t>(esq + dx + std::lround(p.x)),
                             static_cast<int32_t>(topo + dy + std::lround(p.y))});
    return resultado;
}

bool TRLCustomDraw::Prepare() {
    bool printIt = Visible;
    if (BeforePrint) BeforePrint(*this, printIt);
    return printIt;
}

void TRLCustomDraw::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    if (SharedEdges && DrawKind == TRLDrawKind::dkRectangle) {
        ++caixa.Right;
        ++caixa.Bottom;
    }
    surface.Pen = Pen;
    surface.Brush = Brush;
    surface.Polygon(PontosDaForma(DrawKind, caixa, Pen.Width, Angle, Center));
}

}  // namespace luvenor
