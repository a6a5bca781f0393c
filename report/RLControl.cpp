#include "report/RLControl.h"

#include "report/RLBand.h"
#include "report/RLFonts.h"
#include "report/RLGraphics.h"
#include "report/RLPager.h"
#include "report/RLPrepErrors.h"
#include "report/RLReport.h"

namespace luvenor {

int TRLFont::Size() const {
    return PontosDaAltura(Height);
}

QFont TRLFont::ToQFont() const {
    // The same Qt font the page painter draws with, so a text measures as it is drawn.
    const TRLPageFont pagina = ParaFontePagina(*this);
    return FonteDaPagina(pagina, AlturaDaFonte(pagina), 96);
}

TRLFont FonteDoRelatorio() {
    TRLFont f;
    f.Name = "Arial";
    f.Height = -13;  // 10 points at 96 per inch
    return f;
}

TRLPageFont ParaFontePagina(const TRLFont& font) {
    TRLPageFont p;
    p.Name = font.Name;
    p.PixelsPerInch = 96;
    p.Charset = static_cast<uint8_t>(font.Charset);
    p.Color = font.Color;
    p.Height = font.Height;
    p.Pitch = static_cast<TRLFontPitch>(font.Pitch < 1 || font.Pitch > 3 ? 1 : font.Pitch);
    p.Size = font.Size();
    p.Style = static_cast<uint8_t>(font.Style & 0x0Fu);
    return p;
}

TRLCustomControl::TRLCustomControl(std::string name) : name_(std::move(name)) {}

TRLCustomControl::~TRLCustomControl() = default;

void TRLCustomControl::Adotar(std::unique_ptr<TRLCustomControl> filho) {
    filho->parent_ = this;
    children_.push_back(std::move(filho));
}

void TRLCustomControl::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

QRgb TRLCustomControl::Color() const {
    if (colorSet_) return color_;
    return parent_ ? parent_->Color() : clWhite;
}

void TRLCustomControl::SetColor(QRgb color) {
    color_ = color;
    colorSet_ = true;
    if (color != clWhite) Transparent = false;
}

const TRLFont& TRLCustomControl::Font() const {
    if (font_ && !(ParentFont && parent_)) return *font_;
    if (parent_) return parent_->Font();
    static const TRLFont padrao = FonteDoRelatorio();
    return padrao;
}

void TRLCustomControl::SetFont(const TRLFont& font) {
    font_ = std::make_unique<TRLFont>(font);
    ParentFont = false;
}

TRLCustomBand* TRLCustomControl::ParentBand() const {
    for (TRLCustomControl* p = parent_; p; p = p->parent_)
        if (auto* b = dynamic_cast<TRLCustomBand*>(p)) return b;
    return nullptr;
}

TRLCustomPager* TRLCustomControl::ParentPager() const {
    for (TRLCustomControl* p = parent_; p; p = p->parent_)
        if (auto* b = dynamic_cast<TRLCustomPager*>(p)) return b;
    return nullptr;
}

TRLCustomReport* TRLCustomControl::ParentReport() const {
    if (report_) return report_;
    for (const TRLCustomControl* p = this; p; p = p->parent_)
        if (auto* r = dynamic_cast<const TRLCustomReport*>(p))
            return report_ = const_cast<TRLCustomReport*>(r);
    return nullptr;
}

TRLCustomPager& TRLCustomControl::RequiredPager() const {
    if (TRLCustomPager* p = ParentPager()) return *p;
    throw ERLNotFound(name_ + ".ParentPager");
}

TRLCustomReport& TRLCustomControl::RequiredReport() const {
    if (TRLCustomReport* r = ParentReport()) return *r;
    throw ERLNotFound(name_ + ".ParentReport");
}

bool TRLCustomControl::Preparing() const {
    const TRLCustomReport* r = ParentReport();
    return r && r->Preparing();
}

bool TRLCustomControl::Prepare() {
    return Visible;
}

void TRLCustomControl::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
}

void TRLCustomControl::SaveBounds(std::vector<TRLRect>& into) const {
    into.push_back(BoundsRect());
    for (const auto& c : children_) c->SaveBounds(into);
}

void TRLCustomControl::RestoreBounds(const std::vector<TRLRect>& from, size_t& at) {
    if (at < from.size()) SetBoundsRect(from[at++]);
    for (const auto& c : children_) c->RestoreBounds(from, at);
}

int TRLCustomControl::BorderExtraWidth() const {
    return (Borders.DrawLeft ? Borders.Width + 1 : 0) + (Borders.DrawRight ? Borders.Width + 1 : 0);
}

int TRLCustomControl::BorderExtraHeight() const {
    return (Borders.DrawTop ? Borders.Width + 1 : 0) + (Borders.DrawBottom ? Borders.Width + 1 : 0);
}

TRLRect TRLCustomControl::ClientRect() const {
    TRLRect r = BoundsRect();
    const int esq = Borders.DrawLeft ? Borders.Width + 1 : 0;
    const int topo = Borders.DrawTop ? Borders.Width + 1 : 0;
    r.Left += esq;
    r.Top += topo;
    r.Width -= BorderExtraWidth();
    r.Height -= BorderExtraHeight();
    return r;
}

void TRLCustomControl::HeightChanged(int oldHeight) {
    const int delta = Height - oldHeight;
    if (delta == 0) return;
    if (auto* site = dynamic_cast<TRLCustomSite*>(parent_)) site->ChildHeightChanged(*this, delta);
}

void TRLCustomControl::ResizeKeepingEdges(int newWidth, int newHeight) {
    const int oldHeight = Height;
    switch (Alignment) {
        case TRLTextAlignment::taRightJustify:
            Left = Left + Width - newWidth;
            break;
        case TRLTextAlignment::taCenter:
            newWidth += newWidth % 2;
            Left += (Width - newWidth) / 2;
            break;
        default:
            break;
    }
    Width = newWidth;
    switch (Layout) {
        case TRLTextLayout::tlBottom:
            Top = Top + Height - newHeight;
            break;
        case TRLTextLayout::tlCenter:
            newHeight += newHeight % 2;
            Top += (Height - newHeight) / 2;
            break;
        default:
            break;
    }
    Height = newHeight;
    HeightChanged(oldHeight);
}

void TRLCustomControl::DrawFrameAndFill(TRLGraphicSurface& surface, int offsetX, int offsetY) const {
    const TRLPageRect caixa{Left + offsetX, Top + offsetY, Left + offsetX + Width, Top + offsetY + Height};
    if (!Transparent) {
        surface.Brush = TRLBrush{Color(), TRLBrushStyle::bsSolid};
        surface.FillRect(caixa);
    }
    if (!(Borders.DrawLeft || Borders.DrawTop || Borders.DrawRight || Borders.DrawBottom)) return;
    surface.Pen = TRLPen{Borders.Color, PenModeCopy, TRLPenStyle::psSolid, Borders.Width};
    const int dir = caixa.Right - 1;
    const int baixo = caixa.Bottom - 1;
    if (Borders.DrawLeft) surface.Line(caixa.Left, caixa.Top, caixa.Left, baixo);
    if (Borders.DrawTop) surface.Line(caixa.Left, caixa.Top, dir, caixa.Top);
    if (Borders.DrawRight) surface.Line(dir, caixa.Top, dir, baixo);
    if (Borders.DrawBottom) surface.Line(caixa.Left, baixo, dir, baixo);
}

void TRLCustomControl::SelecionarFonteDoTexto(TRLGraphicSurface& surface) const {
    surface.Font = ParaFontePagina(Font());
    surface.Brush = TRLBrush{Color(), TRLBrushStyle::bsClear};
}

}  // namespace luvenor
