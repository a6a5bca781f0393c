#include "report/RLGraphics.h"

#include "report/RLPageStore.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace luvenor {

int32_t PontosDaAltura(int32_t height, int32_t pixelsPerInch) {
    if (pixelsPerInch <= 0) pixelsPerInch = 96;
    const double pontos = std::abs(static_cast<double>(height)) * 72.0 / pixelsPerInch;
    return static_cast<int32_t>(std::lround(pontos));
}

// --- macros ---------------------------------------------------------------------------------

namespace {

bool MesmoNome(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto baixa = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return baixa(x) == baixa(y);
           });
}

}  // namespace

void TRLMacros::Set(std::string_view name, std::string value) {
    for (auto& [nome, valor] : items_) {
        if (MesmoNome(nome, name)) {
            valor = std::move(value);
            return;
        }
    }
    items_.emplace_back(std::string(name), std::move(value));
}

const std::string* TRLMacros::Find(std::string_view name) const {
    for (const auto& [nome, valor] : items_) {
        if (MesmoNome(nome, name)) return &valor;
    }
    return nullptr;
}

std::string TRLMacros::Value(std::string_view name) const {
    const std::string* v = Find(name);
    return v ? *v : std::string();
}

std::string ExpandirMacros(std::string_view text, const TRLMacros& pageMacros, const TRLMacros& storeMacros) {
    std::string saida;
    saida.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t abre = text.find('{', pos);
        if (abre == std::string_view::npos) break;
        const size_t fecha = text.find_first_of("{}", abre + 1);
        if (fecha == std::string_view::npos) break;
        if (text[fecha] == '{') {  // "{a{b}": only the innermost pair can be a name
            saida.append(text.substr(pos, fecha - pos));
            pos = fecha;
            continue;
        }
        const std::string_view nome = text.substr(abre + 1, fecha - abre - 1);
        const std::string* valor = pageMacros.Find(nome);
        if (!valor) valor = storeMacros.Find(nome);
        saida.append(text.substr(pos, abre - pos));
        if (valor)
            saida += *valor;
        else
            saida.append(text.substr(abre, fecha - abre + 1));
        pos = fecha + 1;
    }
    saida.append(text.substr(pos));
    return saida;
}

// --- surface --------------------------------------------------------------------------------

namespace {

TRLPageRect Normalizado(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
}

TRLPageRect Envolvente(const std::vector<TRLPagePoint>& points) {
    if (points.empty()) return {};
    TRLPageRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TRLPagePoint& p : points) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    r.Right += 1;
    r.Bottom += 1;
    return r;
}

bool Toca(const TRLPageRect& a, const TRLPageRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRLPagePoint Deslocado(TRLPagePoint p, int32_t dx, int32_t dy) {
    return {p.X + dx, p.Y + dy};
}

TRLPageRect Deslocado(TRLPageRect r, int32_t dx, int32_t dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// Moves every coordinate an object's data holds (its rectangle is moved by the caller).
void DeslocarDados(TRLObjectData& data, int32_t dx, int32_t dy) {
    if (auto* linha = std::get_if<TRLLineObject>(&data)) {
        linha->From = Deslocado(linha->From, dx, dy);
        linha->To = Deslocado(linha->To, dx, dy);
    } else if (auto* texto = std::get_if<TRLTextObject>(&data)) {
        texto->Origin = Deslocado(texto->Origin, dx, dy);
    } else if (auto* poligono = std::get_if<TRLPolygonObject>(&data)) {
        for (TRLPagePoint& p : poligono->Points) p = Deslocado(p, dx, dy);
    } else if (auto* polilinha = std::get_if<TRLPolylineObject>(&data)) {
        for (TRLPagePoint& p : polilinha->Points) p = Deslocado(p, dx, dy);
    }
}

}  // namespace

void TRLGraphicSurface::SetSize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
}

void TRLGraphicSurface::Record(const TRLPageRect& bounds, TRLObjectData data) {
    objects_.push_back(TRLGraphicObject{bounds, groupId_, std::move(data)});
}

void TRLGraphicSurface::TextOut(const TRLPageRect& box, int32_t x, int32_t y, std::string_view text,
                                uint16_t flags) {
    TextRect(box, x, y, text, TRLPageAlignment::Left, TRLPageLayout::Top, flags);
}

void TRLGraphicSurface::TextRect(const TRLPageRect& box, int32_t x, int32_t y, std::string_view text,
                                 TRLPageAlignment alignment, TRLPageLayout layout, uint16_t flags) {
    FontIndex(Font.Name);
    Record(box, TRLTextObject{alignment, layout, {x, y}, flags, std::string(text), Brush, Font});
}

void TRLGraphicSurface::RotatedText(const TRLPageRect& box, TRLPagePoint origin, std::string_view text,
                                    int32_t angle, uint16_t flags) {
    FontIndex(Font.Name);
    TRLTextObject t{
        TRLPageAlignment::Left, TRLPageLayout::Top, origin, flags, std::string(text), Brush, Font};
    t.Angle = angle;
    Record(box, std::move(t));
}

void TRLGraphicSurface::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Record(Normalizado(x1, y1, x2, y2), TRLLineObject{{x1, y1}, {x2, y2}, Pen, Brush});
}

void TRLGraphicSurface::Rectangle(const TRLPageRect& r) {
    Record(r, TRLRectangleObject{Pen, Brush});
}

void TRLGraphicSurface::FillRect(const TRLPageRect& r) {
    Record(r, TRLFillRectObject{Brush});
}

void TRLGraphicSurface::Ellipse(const TRLPageRect& r) {
    Record(r, TRLEllipseObject{Pen, Brush});
}

void TRLGraphicSurface::Polygon(const std::vector<TRLPagePoint>& points) {
    Record(Envolvente(points), TRLPolygonObject{Pen, Brush, points});
}

void TRLGraphicSurface::Polyline(const std::vector<TRLPagePoint>& points) {
    Record(Envolvente(points), TRLPolylineObject{Pen, points});
}

void TRLGraphicSurface::SetPixel(int32_t x, int32_t y, QRgb color) {
    Record({x, y, x + 1, y + 1}, TRLPixelObject{color});
}

void TRLGraphicSurface::StretchDraw(const TRLPageRect& r, const QImage& image) {
    Record(r, TRLImageObject{CodificarImagem(image), 0});
}

void TRLGraphicSurface::SetClipRect(const TRLPageRect& r) {
    Record(r, TRLSetClipRectObject{});
}

void TRLGraphicSurface::ResetClipRect() {
    Record({}, TRLResetClipRectObject{});
}

void TRLGraphicSurface::Arc(const TRLPageRect& r) {
    Record(r, TRLArcObject{Pen, Brush});
}

void TRLGraphicSurface::Add(TRLGraphicObject object) {
    if (auto* texto = object.As<TRLTextObject>()) FontIndex(texto->Font.Name);
    objects_.push_back(std::move(object));
}

void TRLGraphicSurface::Draw(const TRLGraphicSurface& source, TRLPagePoint at) {
    for (const TRLGraphicObject& o : source.objects_) {
        TRLGraphicObject copia = o;
        if (o.Kind() != TRLObjectKind::ResetClipRect) {  // a reset has no place of its own
            copia.BoundsRect = Deslocado(o.BoundsRect, at.X, at.Y);
            DeslocarDados(copia.Data, at.X, at.Y);
        }
        Add(std::move(copia));
    }
}

void TRLGraphicSurface::Draw(const TRLGraphicSurface& source, TRLPagePoint at, const TRLPageRect& part) {
    const int32_t dx = at.X - part.Left;
    const int32_t dy = at.Y - part.Top;
    const int32_t grupo = groupId_;
    groupId_ = 0;
    SetClipRect(Deslocado(part, dx, dy));
    for (const TRLGraphicObject& o : source.objects_) {
        const bool marcador =
            o.Kind() == TRLObjectKind::SetClipRect || o.Kind() == TRLObjectKind::ResetClipRect;
        if (!marcador && !Toca(o.BoundsRect, part)) continue;
        TRLGraphicObject copia = o;
        if (o.Kind() != TRLObjectKind::ResetClipRect) {
            copia.BoundsRect = Deslocado(o.BoundsRect, dx, dy);
            DeslocarDados(copia.Data, dx, dy);
        }
        Add(std::move(copia));
    }
    ResetClipRect();
    groupId_ = grupo;
}

int32_t TRLGraphicSurface::FontIndex(std::string_view name) {
    for (size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i] == name) return static_cast<int32_t>(i);
    }
    fonts_.emplace_back(name);
    return static_cast<int32_t>(fonts_.size() - 1);
}

void TRLGraphicSurface::Clear() {
    objects_.clear();
    fonts_.clear();
    macros_.Clear();
}

// --- pictures -------------------------------------------------------------------------------

namespace {

void PorU16(std::string& s, uint16_t v) {
    s.push_back(char(v & 0xFF));
    s.push_back(char(v >> 8));
}

void PorU32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}

}  // namespace

namespace {

std::string CodificarBmp(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const uint32_t w = static_cast<uint32_t>(rgb.width());
    const uint32_t h = static_cast<uint32_t>(rgb.height());
    const uint32_t linha = (w * 3 + 3) / 4 * 4;
    const uint32_t dados = linha * h;
    std::string s = "BMP";
    s.reserve(3 + 54 + dados);
    s += "BM";              // BITMAPFILEHEADER
    PorU32(s, 54 + dados);  // file size
    PorU32(s, 0);           // reserved
    PorU32(s, 54);          // offset of the pixels
    PorU32(s, 40);          // BITMAPINFOHEADER size
    PorU32(s, w);
    PorU32(s, h);   // positive: rows bottom-up
    PorU16(s, 1);   // planes
    PorU16(s, 24);  // bits per pixel
    PorU32(s, 0);   // no compression
    PorU32(s, dados);
    PorU32(s, 3780);  // 96 dpi in pixels per metre
    PorU32(s, 3780);
    PorU32(s, 0);
    PorU32(s, 0);
    for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
        const QRgb* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (uint32_t x = 0; x < w; ++x) {
            s.push_back(char(qBlue(px[x])));
            s.push_back(char(qGreen(px[x])));
            s.push_back(char(qRed(px[x])));
        }
        s.append(linha - w * 3, '\0');
    }
    return s;
}

}  // namespace

// A report draws the same few pictures (a logo, a barcode) on every page: the last ones encoded are
// kept by Qt's cache key, which changes whenever an image's pixels do.
std::string CodificarImagem(const QImage& image) {
    if (image.isNull()) return "NIL";
    struct Codificada {
        qint64 chave;
        std::string bytes;
    };
    thread_local std::vector<Codificada> recentes;
    for (const Codificada& c : recentes)
        if (c.chave == image.cacheKey()) return c.bytes;
    constexpr size_t lembradas = 4;
    if (recentes.size() >= lembradas) recentes.erase(recentes.begin());
    recentes.push_back({image.cacheKey(), CodificarBmp(image)});
    return recentes.back().bytes;
}

namespace {

const char* FormatoDaImagem(std::string_view picture) {
    if (picture.size() <= 3) return nullptr;
    const std::string_view tipo = picture.substr(0, 3);
    return tipo == "BMP" ? "BMP" : tipo == "ICO" ? "ICO" : nullptr;
}

QByteArray DadosDaImagem(std::string_view picture) {
    return QByteArray::fromRawData(picture.data() + 3, static_cast<qsizetype>(picture.size() - 3));
}

}  // namespace

QSize TamanhoDaImagem(std::string_view picture) {
    const char* formato = FormatoDaImagem(picture);
    if (!formato) return {};
    QByteArray dados = DadosDaImagem(picture);
    QBuffer buffer(&dados);
    buffer.open(QIODevice::ReadOnly);
    QImageReader leitor(&buffer, formato);
    return leitor.size();
}

QImage DecodificarImagem(std::string_view picture) {
    const char* formato = FormatoDaImagem(picture);
    if (!formato) return {};
    QByteArray dados = DadosDaImagem(picture);
    QBuffer buffer(&dados);
    buffer.open(QIODevice::ReadOnly);
    QImageReader leitor(&buffer, formato);
    // The header is read first: a small compressed picture may claim millions of pixels.
    const QSize tamanho = leitor.size();
    if (tamanho.isValid() && int64_t{tamanho.width()} * tamanho.height() > PixelsMaximosDaImagem) return {};
    return leitor.read();
}

// --- storage --------------------------------------------------------------------------------

TRLGraphicStorage::TRLGraphicStorage() : pages_(std::make_unique<TRLPageStore>(DefaultMemoryBudget)) {}

TRLGraphicStorage::~TRLGraphicStorage() = default;

void TRLGraphicStorage::Add(TRLGraphicSurface page) {
    pages_->Add(std::move(page));
}

void TRLGraphicStorage::SetMemoryBudget(size_t bytes) {
    pages_->SetMemoryBudget(bytes);
}

int TRLGraphicStorage::Count() const {
    return pages_->Count();
}

std::shared_ptr<const TRLGraphicSurface> TRLGraphicStorage::Page(int n) const {
    return pages_->Page(n);
}

std::string TRLGraphicStorage::PageRecord(int n) const {
    return pages_->Record(n);
}

void TRLGraphicStorage::Clear() {
    pages_->Clear();
    macros_.Clear();
}

int TRLGraphicStorage::TemporaryFileDescriptor() const {
    return pages_->Descriptor();
}

}  // namespace luvenor
