#include "report/RLPageDump.h"

#include "util/Utf8.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>

#include <cstdio>
#include <string_view>
#include <variant>
#include <vector>

namespace luvenor {
namespace {

// Hex digits of the picture's hash kept in a line: enough to tell pictures apart in a review.
constexpr int digitosHash = 12;

void Hex(std::string& s, unsigned valor, int digitos) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digitos, valor);
    s += buf;
}

// A text in double quotes: quotes, backslashes and control characters escaped, and every byte
// that is not part of well-formed UTF-8 shown as \xNN, so a line is always one line of UTF-8.
void Citado(std::string& s, std::string_view texto) {
    s += '"';
    for (size_t i = 0; i < texto.size();) {
        const CaractereUtf8 c = DecodificarCaractere(texto, i);
        const unsigned char b = static_cast<unsigned char>(texto[i]);
        if (!c.valido || b < 0x20 || b == 0x7F) {
            if (b == '\n')
                s += "\\n";
            else if (b == '\r')
                s += "\\r";
            else if (b == '\t')
                s += "\\t";
            else {
                s += "\\x";
                Hex(s, b, 2);
            }
            ++i;
            continue;
        }
        if (b == '"' || b == '\\') s += '\\';
        s.append(texto.substr(i, c.bytes));
        i += c.bytes;
    }
    s += '"';
}

void Numero(std::string& s, int64_t n) {
    s += std::to_string(n);
}

void Ponto(std::string& s, TRLPagePoint p) {
    Numero(s, p.X);
    s += ',';
    Numero(s, p.Y);
}

void Caixa(std::string& s, const TRLPageRect& r) {
    Ponto(s, {r.Left, r.Top});
    s += ' ';
    Numero(s, static_cast<int64_t>(r.Right) - r.Left);
    s += 'x';
    Numero(s, static_cast<int64_t>(r.Bottom) - r.Top);
}

void Cor(std::string& s, QRgb cor) {
    Hex(s, cor & 0xFFFFFFu, 6);
}

// The stored values' names, by value; index 0 is never stored.
constexpr const char* nomesCaneta[] = {nullptr,     "psSolid",      "psDash",  "psDot",
                                       "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr const char* nomesPincel[] = {nullptr,       "bsSolid",     "bsClear", "bsHorizontal", "bsVertical",
                                       "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
constexpr const char* nomesAlinhamento[] = {nullptr, "Left", "Right", "Center", "Justify"};
constexpr const char* nomesDisposicao[] = {nullptr, "Top", "Bottom", "Center"};

// A value read from a damaged file may be any byte: one without a name shows as its number.
template <class Valor, size_t N>
void Nome(std::string& s, const char* const (&nomes)[N], Valor valor) {
    const auto n = static_cast<size_t>(valor);
    if (n < N && nomes[n])
        s += nomes[n];
    else
        Numero(s, static_cast<int64_t>(n));
}

void Caneta(std::string& s, const TRLPen& p) {
    s += " pen=";
    Cor(s, p.Color);
    s += ',';
    Nome(s, nomesCaneta, p.Style);
    s += ',';
    Numero(s, p.Width);
    if (p.Mode != PenModeCopy) {
        s += ",mode=";
        Numero(s, p.Mode);
    }
}

void Pincel(std::string& s, const TRLBrush& b) {
    s += " brush=";
    Cor(s, b.Color);
    s += ',';
    Nome(s, nomesPincel, b.Style);
}

void Pontos(std::string& s, const std::vector<TRLPagePoint>& pontos) {
    s += " points=";
    for (size_t i = 0; i < pontos.size(); ++i) {
        if (i > 0) s += ' ';
        Ponto(s, pontos[i]);
    }
}

// Name, height, style letters, the fixed pitch and the colour: what the painter draws a text with.
void Fonte(std::string& s, const TRLPageFont& f) {
    s += " font=";
    Citado(s, f.Name);
    s += ',';
    if (f.Height < 0) {
        Numero(s, -static_cast<int64_t>(f.Height));
    } else if (f.Height > 0) {
        s += "cell";
        Numero(s, f.Height);
    } else {
        Numero(s, f.Size);
        s += "pt";
        if (f.PixelsPerInch != 96) {
            s += '@';
            Numero(s, f.PixelsPerInch);
        }
    }
    if (f.Style & pfsBold) s += ",b";
    if (f.Style & pfsItalic) s += ",i";
    if (f.Style & pfsUnderline) s += ",u";
    if (f.Style & pfsStrikeOut) s += ",s";
    if (f.Pitch == TRLFontPitch::fpFixed) s += ",fixed";
    s += " color=";
    Cor(s, f.Color);
}

void Flags(std::string& s, uint16_t flags) {
    s += " flags=";
    if (flags == 0) {
        s += '-';
        return;
    }
    const size_t antes = s.size();
    auto uma = [&](std::string_view nome) {
        if (s.size() > antes) s += ',';
        s += nome;
    };
    if (flags & tfUnclipped) uma("Unclipped");
    if (flags & tfUnbreakable) uma("Unbreakable");
    if (const unsigned outras = flags & ~unsigned(tfUnclipped | tfUnbreakable)) {
        uma("0x");
        Hex(s, outras, 4);
    }
}

void Texto(std::string& s, const TRLTextObject& t, const TRLMacros& pagina, const TRLMacros& loja) {
    Fonte(s, t.Font);
    if (t.Brush.Style != TRLBrushStyle::bsClear) Pincel(s, t.Brush);  // only a filled text box shows
    s += " align=";
    Nome(s, nomesAlinhamento, t.Alignment);
    s += ',';
    Nome(s, nomesDisposicao, t.Layout);
    s += " at=";
    Ponto(s, t.Origin);
    Flags(s, t.TextFlags);
    if (t.Angle != 0) s += " angle=" + std::to_string(t.Angle);
    s += ' ';
    Citado(s, ExpandirMacros(t.Text, pagina, loja));
}

// The picture as it decodes: its format, pixel size and a hash of its pixels in one fixed format,
// so the same picture gives the same line whatever bytes carried it.
std::string DescricaoDaImagem(const std::string& picture) {
    const QImage imagem = DecodificarImagem(picture);
    if (imagem.isNull()) return picture == "NIL" ? "NIL" : "undecodable";
    std::string s = picture.substr(0, 3) + ',';
    Numero(s, imagem.width());
    s += 'x';
    Numero(s, imagem.height());
    const QImage rgb = imagem.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const qsizetype bytesDaLinha = static_cast<qsizetype>(rgb.width()) * 4;
    for (int y = 0; y < rgb.height(); ++y)  // row by row: the padding at a row's end is not pixels
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), bytesDaLinha));
    s += " sha1=";
    s += hash.result().toHex().left(digitosHash).toStdString();
    return s;
}

// Pages repeat the same few pictures (a logo, a barcode) and decoding and hashing them is most of
// a dump's time: the last ones described are kept with their bytes.
const std::string& DescricaoLembrada(const std::string& picture) {
    struct Lembrada {
        std::string picture;
        std::string descricao;
    };
    constexpr size_t lembradas = 8;
    constexpr size_t maiorLembrada = size_t{4} << 20;  // a huge picture of a damaged file is not kept
    thread_local std::vector<Lembrada> recentes;
    for (const Lembrada& l : recentes)
        if (l.picture == picture) return l.descricao;
    thread_local std::string avulsa;
    if (picture.size() > maiorLembrada) return avulsa = DescricaoDaImagem(picture);
    if (recentes.size() >= lembradas) recentes.erase(recentes.begin());
    recentes.push_back({picture, DescricaoDaImagem(picture)});
    return recentes.back().descricao;
}

void Imagem(std::string& s, const TRLImageObject& img) {
    s += " picture=";
    s += DescricaoLembrada(img.Picture);
    if (img.Flag != 0) {
        s += " flag=";
        Numero(s, img.Flag);
    }
}

// One line per object: its kind and box, then what its kind holds.
struct Descritor {
    std::string& s;
    const TRLGraphicObject& o;
    const TRLMacros& pagina;
    const TRLMacros& loja;

    void Cabeca(const char* tipo) {
        s += tipo;
        s += ' ';
        Caixa(s, o.BoundsRect);
    }
    void CanetaEPincel(const TRLPen& caneta, const TRLBrush& pincel) {
        Caneta(s, caneta);
        Pincel(s, pincel);
    }
    void operator()(const TRLPixelObject& d) {
        Cabeca("Pixel");
        s += " color=";
        Cor(s, d.Color);
    }
    void operator()(const TRLLineObject& d) {
        Cabeca("Line");
        s += " from=";
        Ponto(s, d.From);
        s += " to=";
        Ponto(s, d.To);
        CanetaEPincel(d.Pen, d.Brush);
    }
    void operator()(const TRLRectangleObject& d) {
        Cabeca("Rectangle");
        CanetaEPincel(d.Pen, d.Brush);
    }
    void operator()(const TRLTextObject& d) {
        Cabeca("Text");
        Texto(s, d, pagina, loja);
    }
    void operator()(const TRLFillRectObject& d) {
        Cabeca("FillRect");
        Pincel(s, d.Brush);
    }
    void operator()(const TRLEllipseObject& d) {
        Cabeca("Ellipse");
        CanetaEPincel(d.Pen, d.Brush);
    }
    void operator()(const TRLPolygonObject& d) {
        Cabeca("Polygon");
        CanetaEPincel(d.Pen, d.Brush);
        Pontos(s, d.Points);
    }
    void operator()(const TRLPolylineObject& d) {
        Cabeca("Polyline");
        Caneta(s, d.Pen);
        Pontos(s, d.Points);
    }
    void operator()(const TRLImageObject& d) {
        Cabeca("Image");
        Imagem(s, d);
    }
    void operator()(const TRLSetClipRectObject&) { Cabeca("SetClip"); }
    void operator()(const TRLResetClipRectObject&) { s += "ResetClip"; }  // its rectangle means nothing
    void operator()(const TRLArcObject& d) {
        Cabeca("Arc");
        CanetaEPincel(d.Pen, d.Brush);
    }
};

}  // namespace

std::string DescreverObjeto(const TRLGraphicObject& o, const TRLMacros& pageMacros,
                            const TRLMacros& storeMacros) {
    std::string s;
    std::visit(Descritor{s, o, pageMacros, storeMacros}, o.Data);
    return s;
}

namespace {

void Macros(std::string& s, const TRLMacros& macros, bool semTarefa) {
    for (const auto& [nome, valor] : macros.Items()) {
        if (semTarefa && nome == "JobTitle") continue;
        s += ' ';
        s += nome;
        s += '=';
        Citado(s, valor);
    }
}

}  // namespace

std::string DescreverPagina(const TRLGraphicSurface& page, const TRLMacros& storeMacros) {
    std::string s = "Page ";
    Numero(s, page.Width());
    s += 'x';
    Numero(s, page.Height());
    Macros(s, page.Macros(), false);
    s += '\n';
    for (const TRLGraphicObject& o : page.Objects()) {
        s += DescreverObjeto(o, page.Macros(), storeMacros);
        s += '\n';
    }
    return s;
}

bool DescreverPaginas(const TRLGraphicStorage& store, const std::function<bool(std::string_view)>& parte) {
    std::string s = "Store";
    Macros(s, store.Macros(), true);
    s += '\n';
    if (!parte(s)) return false;
    const int n = store.Count();
    for (int i = 0; i < n; ++i) {
        s = "--- sheet " + std::to_string(i + 1) + " of " + std::to_string(n) + " ---\n";
        s += DescreverPagina(*store.Page(i), store.Macros());
        if (!parte(s)) return false;
    }
    return true;
}

std::string DescreverPaginas(const TRLGraphicStorage& store) {
    std::string s;
    DescreverPaginas(store, [&s](std::string_view parte) {
        s += parte;
        return true;
    });
    return s;
}

}  // namespace luvenor
