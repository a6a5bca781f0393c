#include "report/RLLabel.h"

#include "report/RLGraphics.h"
#include "report/RLTextLayout.h"

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <cmath>

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

// The text drawn on a bitmap of its own size and turned counter-clockwise by `graus`.
QImage TextoGirado(const TRLFont& fonte, QRgb cor, const std::string& texto, double graus) {
    const TRLTextMeasurer m(fonte);
    const MedidaDaLinha med = MedirComEspaco(m, texto);
    QImage imagem(std::max(1, med.largura), std::max(1, med.altura), QImage::Format_RGB32);
    imagem.fill(cor);
    {
        QPainter p(&imagem);
        QFont f = fonte.ToQFont();
        p.setFont(f);
        p.setPen(QColor::fromRgb(fonte.Color));
        const QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
        p.drawText(1, -1 + QFontMetrics(f, &imagem).ascent(), s);
    }
    if (std::fmod(graus, 360.0) == 0.0) return imagem;
    // Qt turns clockwise for positive angles on a y-down page.
    return imagem.transformed(QTransform().rotate(-graus), Qt::FastTransformation);
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
    const double rad = Angle * M_PI / 180.0;
    const double c = std::abs(std::cos(rad));
    const double s = std::abs(std::sin(rad));
    const int largura = static_cast<int>(std::lround(med.largura * c + med.altura * s));
    const int altura = static_cast<int>(std::lround(med.largura * s + med.altura * c));
    ResizeKeepingEdges(largura + BorderExtraWidth(), altura + BorderExtraHeight());
}

void TRLCustomAngleLabel::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const QImage imagem = TextoGirado(Font(), Color(), Caption(), Angle);
    int x = caixa.Left;
    int y = caixa.Top;
    switch (Alignment) {
        case TRLTextAlignment::taRightJustify:
            x = caixa.Right - imagem.width();
            break;
        case TRLTextAlignment::taCenter:
            x = (caixa.Left + caixa.Right - imagem.width()) / 2;
            break;
        default:
            break;
    }
    switch (Layout) {
        case TRLTextLayout::tlBottom:
            y = caixa.Bottom - imagem.height();
            break;
        case TRLTextLayout::tlCenter:
            y = (caixa.Top + caixa.Bottom - imagem.height()) / 2;
            break;
        default:
            break;
    }
    surface.StretchDraw({x, y, x + imagem.width(), y + imagem.height()}, imagem);
}

}  // namespace luvenor
