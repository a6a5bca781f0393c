#include "report/RLBarcode.h"

#include "report/RLGraphics.h"
#include "report/RLLabel.h"

#include <algorithm>
#include <vector>

namespace luvenor {
namespace {

int ModulosDe(char c) {
    return c >= '1' && c <= '9' ? c - '0' : 0;
}

}  // namespace

int TRLCustomBarcode::Modules() const {
    int total = 0;
    for (char c : Pattern) total += ModulosDe(c);
    return total;
}

bool TRLCustomBarcode::Prepare() {
    bool printIt = Visible;
    if (BeforePrint) BeforePrint(*this, printIt);
    return printIt;
}

void TRLCustomBarcode::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const int modulos = Modules();
    if (modulos <= 0 || caixa.Width() <= 0 || caixa.Height() <= 0) return;
    const int porModulo = std::max(1, caixa.Width() / modulos);
    const bool espremido = modulos > caixa.Width();
    // The left edge of the bar or space that starts after `m` modules.
    auto borda = [&](long long m) {
        const long long x = espremido ? m * caixa.Width() / modulos : m * porModulo;
        return caixa.Left + static_cast<int32_t>(x);
    };
    // All bars are one outline, a comb whose teeth are the bars, joined along their foot by
    // edges of no area: renderers snap a lone rectangle to whole device pixels, which at 150 dpi
    // turns the 1.56-pixel modules into ones and twos no reader takes.
    std::vector<TRLPagePoint> pente;
    long long feitos = 0;
    for (size_t i = 0; i < Pattern.size(); ++i) {
        const int largura = ModulosDe(Pattern[i]);
        const int32_t de = borda(feitos);
        feitos += largura;
        // Squeezed, a bar still takes at least a pixel: a lost bar would change the code.
        const int32_t ate = espremido && largura > 0 ? std::max(borda(feitos), de + 1) : borda(feitos);
        if (i % 2 != 0 || ate <= de) continue;
        pente.insert(pente.end(),
                     {{de, caixa.Bottom}, {de, caixa.Top}, {ate, caixa.Top}, {ate, caixa.Bottom}});
    }
    if (pente.empty()) return;
    surface.Brush = TRLBrush{clBlack, TRLBrushStyle::bsSolid};
    surface.Pen = TRLPen{clBlack, PenModeCopy, TRLPenStyle::psClear, 1};
    surface.Polygon(pente);
}

}  // namespace luvenor
