#include "report/RLLabel.h"

#include "report/RLGraphics.h"
#include "report/RLTextLayout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace luvenor {
namespace {

// The caption followed by one space, as every single-line control measures it.
struct MedidaDaLinha {
    int largura;
    int altura;
};

MedidaDaLinha MedirComEspaco(const TRLTextMeasurer& m, const std::string& texto) {
    return {m.TextWidth(texto + " "), m.TextHeight()};
}

// A line of w x h pixels turned `graus` counter-clockwise on a y-down page: the size of the box
// that holds it, and where the unturned line's top-left corner lands in that box.
struct LinhaGirada {
    int largura;
    int altura;
    TRLPagePoint origem;
};

LinhaGirada GirarLinha(int w, int h, double graus) {
    const double rad = graus * M_PI / 180.0;
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    const double xs[] = {0, w * c, h * s, w * c + h * s};
    const double ys[] = {0, -w * s, h * c, -w * s + h * c};
    const auto [x0, x1] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [y0, y1] = std::minmax_element(std::begin(ys), std::end(ys));
    return {static_cast<int>(std::lround(*x1 - *x0)),
            static_cast<int>(std::lround(*y1 - *y0)),
            {static_cast<int32_t>(std::lround(-*x0)), static_cast<int32_t>(std::lround(-*y0))}};
}

}  // namespace

ParteVisivel ParteDoAlinhamento(TRLTextAlignment a) {
    if (a == TRLTextAlignment::taRightJustify) return ParteVisivel::Fim;
    if (a == TRLTextAlignment::taCenter) return ParteVisivel::Meio;
    return ParteVisivel::Inicio;
}

TRLPageAlignment ParaAlinhamentoPagina(TRLTextAlignment a) {
    switch (a) {
        case TRLTextAlignment::taRightJustify:
            return TRLPageAlignment::Right;
        case TRLTextAlignment::taCenter:
            return TRLPageAlignment::Center;
        case TRLTextAlignment::taJustify:
            return TRLPageAlignment::Justify;
        default:
            return TRLPageAlignment::Left;
    }
}

TRLPageLayout ParaLayoutPagina(TRLTextLayout l) {
    switch (l) {
        case TRLTextLayout::tlCenter:
            return TRLPageLayout::Center;
        case TRLTextLayout::tlBottom:
            return TRLPageLayout::Bottom;
        default:
            return TRLPageLayout::Top;
    }
}

TRLPageRect ParaRetanguloPagina(const TRLRect& r, int offsetX, int offsetY) {
    return {r.Left + offsetX, r.Top + offsetY, r.Right() + offsetX, r.Bottom() + offsetY};
}

TRLTextOrigin OrigemDoTexto(const TRLPageRect& box, TRLTextAlignment alignment, TRLTextLayout layout,
                            int spaceWidth, int textWidth, int textHeight) {
    TRLTextOrigin o;
    const int meioEspaco = spaceWidth / 2;
    // A text wider than its box keeps its beginning: what is cut is its end, never its start.
    if (textWidth > box.Right - box.Left) alignment = TRLTextAlignment::taLeftJustify;
    switch (alignment) {
        case TRLTextAlignment::taRightJustify:
            o.X = meioEspaco + box.Right - textWidth;
            break;
        case TRLTextAlignment::taCenter:
            o.X = meioEspaco + (box.Left + box.Right - textWidth) / 2;
            break;
        default:
            o.X = meioEspaco + box.Left;
            break;
    }
    switch (layout) {
        case TRLTextLayout::tlCenter:
            o.Y = (box.Top + box.Bottom - textHeight) / 2;
            break;
        case TRLTextLayout::tlBottom:
            o.Y = box.Bottom - textHeight;
            break;
        default:
            o.Y = box.Top;
            break;
    }
    return o;
}

void TRLCaptionSlots::Set(const std::string& text, bool preparing) {
    print_ = text;
    if (!preparing) design_ = text;
}

TRLCustomLabel::TRLCustomLabel(std::string name) : TRLCustomControl(std::move(name)) {
    AutoSize = true;
}

void TRLCustomLabel::SetCaption(const std::string& text) {
    caption_.Set(text, Preparing());
    AdjustSize();
}

bool TRLCustomLabel::Prepare() {
    bool printIt = Visible;
    std::string texto = CurrentText();
    if (BeforePrint) BeforePrint(*this, texto, printIt);
    if (printIt) SetCaption(texto);
    return printIt;
}

void TRLCustomLabel::AdjustSize() {
    if (!AutoSize) return;
    const TRLTextMeasurer m(Font());
    const MedidaDaLinha med = MedirComEspaco(m, Caption());
    ResizeKeepingEdges(med.largura + BorderExtraWidth(), med.altura + BorderExtraHeight());
}

void TRLCustomLabel::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const TRLTextMeasurer m(Font());
    // A clipped caption is cut to what its box can show.
    std::string texto =
        AutoSize ? Caption() : CortarParaACaixa(Caption(), caixa.Width(), ParteDoAlinhamento(Alignment));
    const MedidaDaLinha med = MedirComEspaco(m, texto);
    const TRLTextOrigin o = OrigemDoTexto(caixa, Alignment, Layout, m.SpaceWidth(), med.largura, med.altura);
    if (Alignment == TRLTextAlignment::taJustify) texto = JustificarTexto(texto, m, caixa.Right - o.X);
    SelecionarFonteDoTexto(surface);
    const uint16_t flags = tfUnbreakable | (AutoSize ? tfUnclipped : 0);
    surface.TextRect(caixa, o.X, o.Y, texto, ParaAlinhamentoPagina(Alignment), ParaLayoutPagina(Layout),
                     flags);
}

TRLCustomAngleLabel::TRLCustomAngleLabel(std::string name) : TRLCustomControl(std::move(name)) {
    AutoSize = true;
}

void TRLCustomAngleLabel::SetCaption(const std::string& text) {
    caption_.Set(text, Preparing());
    AdjustSize();
}

bool TRLCustomAngleLabel::Prepare() {
    bool printIt = Visible;
    std::string texto = Caption();
    if (BeforePrint) BeforePrint(*this, texto, printIt);
    if (printIt) SetCaption(texto);
    return printIt;
}

void TRLCustomAngleLabel::AdjustSize() {
    if (!AutoSize) return;
    const TRLTextMeasurer m(Font());
    const MedidaDaLinha med = MedirComEspaco(m, Caption());
    const LinhaGirada g = GirarLinha(med.largura, med.altura, Angle);
    ResizeKeepingEdges(g.largura + BorderExtraWidth(), g.altura + BorderExtraHeight());
}

void TRLCustomAngleLabel::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const TRLTextMeasurer m(Font());
    const MedidaDaLinha med = MedirComEspaco(m, Caption());
    const LinhaGirada g = GirarLinha(med.largura, med.altura, Angle);
    int x = caixa.Left;
    int y = caixa.Top;
    switch (Alignment) {
        case TRLTextAlignment::taRightJustify:
            x = caixa.Right - g.largura;
            break;
        case TRLTextAlignment::taCenter:
            x = (caixa.Left + caixa.Right - g.largura) / 2;
            break;
        default:
            break;
    }
    switch (Layout) {
        case TRLTextLayout::tlBottom:
            y = caixa.Bottom - g.altura;
            break;
        case TRLTextLayout::tlCenter:
            y = (caixa.Top + caixa.Bottom - g.altura) / 2;
            break;
        default:
            break;
    }
    // Half a space in along the line, as a level label starts; recorded as text, so it stays sharp
    // on every device and leaves the rules beside it alone.
    const double rad = Angle * M_PI / 180.0;
    const int meio = m.SpaceWidth() / 2;
    const TRLPagePoint origem{x + g.origem.X + static_cast<int32_t>(std::lround(meio * std::cos(rad))),
                              y + g.origem.Y - static_cast<int32_t>(std::lround(meio * std::sin(rad)))};
    SelecionarFonteDoTexto(surface);
    surface.RotatedText({x, y, x + g.largura, y + g.altura}, origem, Caption(),
                        static_cast<int32_t>(std::lround(Angle)), tfUnclipped);
}

}  // namespace luvenor
