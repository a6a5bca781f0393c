#include "report/RLPageFile.h"

#include "report/RLPagedOutput.h"
#include "report/RLSaidaSegura.h"
#include "util/LeituraLimitada.h"
#include "util/Utf8.h"

#include <QString>

#include <algorithm>
#include <array>
#include <limits>

namespace luvenor {

// --- texts ----------------------------------------------------------------------------------

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1
// control of the same value, so every byte reads back to what was written.
constexpr std::array<char16_t, 32> cp1252Alto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view marcaUtf8{"\xEF\xBB\xBF", 3};

int ByteCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (size_t i = 0; i < cp1252Alto.size(); ++i) {
        if (cp1252Alto[i] == c) return static_cast<int>(0x80 + i);
    }
    return -1;
}

}  // namespace

std::string TextoParaArquivo(std::string_view utf8) {
    std::string saida;
    saida.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const CaractereUtf8 c = DecodificarCaractere(utf8, pos);
        const int b = c.valido ? ByteCp1252(c.codigo) : -1;
        if (b < 0) return std::string(marcaUtf8) + std::string(utf8);
        saida.push_back(static_cast<char>(b));
        pos += c.bytes;
    }
    // A Windows-1252 text that happens to start with the mark's three bytes must not be read as
    // UTF-8; it is stored in the UTF-8 form instead.
    if (saida.starts_with(marcaUtf8)) return std::string(marcaUtf8) + std::string(utf8);
    return saida;
}

std::string TextoDoArquivo(std::string_view stored) {
    if (stored.starts_with(marcaUtf8)) return std::string(stored.substr(marcaUtf8.size()));
    std::string saida;
    saida.reserve(stored.size());
    for (const char ch : stored) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t c = (b >= 0x80 && b < 0xA0) ? char32_t(cp1252Alto[b - 0x80]) : char32_t(b);
        CodificarCaractere(c, saida);
    }
    return saida;
}

// --- writing --------------------------------------------------------------------------------

namespace {

class Escritor {
public:
    explicit Escritor(std::string& destino) : s_(destino) {}

    void U8(uint8_t v) { s_.push_back(static_cast<char>(v)); }
    void U16(uint16_t v) {
        U8(uint8_t(v & 0xFF));
        U8(uint8_t(v >> 8));
    }
    void I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) U8(uint8_t((u >> (8 * i)) & 0xFF));
    }
    void Bytes(std::string_view b) { s_.append(b); }
    void Texto(std::string_view utf8) { Armazenado(TextoParaArquivo(utf8)); }
    void Armazenado(std::string_view bytes) {
        I32(static_cast<int32_t>(bytes.size()));
        Bytes(bytes);
    }
    void Cor(QRgb c) {
        U8(uint8_t(qRed(c)));
        U8(uint8_t(qGreen(c)));
        U8(uint8_t(qBlue(c)));
    }
    void Caneta(const TRLPen& p) {
        Cor(p.Color);
        U8(p.Mode);
        U8(static_cast<uint8_t>(p.Style));
        I32(p.Width);
    }
    void Pincel(const TRLBrush& b) {
        Cor(b.Color);
        U8(static_cast<uint8_t>(b.Style));
    }
    void Fonte(const TRLPageFont& f, int32_t indice) {
        I32(f.PixelsPerInch);
        U8(f.Charset);
        Cor(f.Color);
        I32(f.Height);
        I32(indice);
        U8(static_cast<uint8_t>(f.Pitch));
        I32(f.Size);
        U8(f.Style);
    }
    void Pontos(const std::vector<TRLPagePoint>& pontos) {
        I32(static_cast<int32_t>(pontos.size()));
        for (const TRLPagePoint& p : pontos) {
            I32(p.X);
            I32(p.Y);
        }
    }

private:
    std::string& s_;
};

int32_t IndiceDaFonte(std::vector<std::string>& fontes, const std::string& nome) {
    for (size_t i = 0; i < fontes.size(); ++i) {
        if (fontes[i] == nome) return static_cast<int32_t>(i);
    }
    fontes.push_back(nome);
    return static_cast<int32_t>(fontes.size() - 1);
}

void EscreverCorpo(Escritor& e, const TRLGraphicObject& o, std::vector<std::string>& fontes) {
    e.I32(o.BoundsRect.Left);
    e.I32(o.BoundsRect.Top);
    e.I32(o.BoundsRect.Right);
    e.I32(o.BoundsRect.Bottom);
    e.I32(o.GroupId);
    e.I32(0);
    std::visit(
        [&](const auto& d) {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, TRLPixelObject>) {
                e.Cor(d.Color);
            } else if constexpr (std::is_same_v<T, TRLLineObject>) {
                e.I32(d.From.X);
                e.I32(d.From.Y);
                e.I32(d.To.X);
                e.I32(d.To.Y);
                e.Caneta(d.Pen);
                e.Pincel(d.Brush);
            } else if constexpr (std::is_same_v<T, TRLRectangleObject> ||
                                 std::is_same_v<T, TRLEllipseObject> || std::is_same_v<T, TRLArcObject>) {
                e.Caneta(d.Pen);
                e.Pincel(d.Brush);
            } else if constexpr (std::is_same_v<T, TRLTextObject>) {
                e.U8(static_cast<uint8_t>(d.Alignment));
                e.U8(static_cast<uint8_t>(d.Layout));
                e.I32(d.Origin.X);
                e.I32(d.Origin.Y);
                e.U16(d.TextFlags);
                e.Texto(d.Text);
                e.Pincel(d.Brush);
                e.Fonte(d.Font, IndiceDaFonte(fontes, d.Font.Name));
                // Appended only to turned texts: a reader that predates it ignores the extra bytes,
                // and a level text is stored byte for byte as before.
                if (d.Angle != 0) e.I32(d.Angle);
            } else if constexpr (std::is_same_v<T, TRLFillRectObject>) {
                e.Pincel(d.Brush);
            } else if constexpr (std::is_same_v<T, TRLPolygonObject>) {
                e.Caneta(d.Pen);
                e.Pincel(d.Brush);
                e.Pontos(d.Points);
            } else if constexpr (std::is_same_v<T, TRLPolylineObject>) {
                e.Caneta(d.Pen);
                e.Pontos(d.Points);
            } else if constexpr (std::is_same_v<T, TRLImageObject>) {
                e.Armazenado(d.Picture);
                e.U8(d.Flag);
            }
        },
        o.Data);
}

}  // namespace

std::string EscreverPagina(const TRLGraphicSurface& page) {
    // Object bodies first: a text whose font is missing from the table adds it, and the table is
    // written before the objects.
    std::vector<std::string> fontes = page.Fonts();
    std::string objetos;
    Escritor eo(objetos);
    eo.I32(static_cast<int32_t>(page.Objects().size()));
    std::string corpo;
    for (const TRLGraphicObject& o : page.Objects()) {
        corpo.clear();
        Escritor ec(corpo);
        EscreverCorpo(ec, o, fontes);
        eo.U8(static_cast<uint8_t>(o.Kind()));
        eo.Armazenado(corpo);
    }

    std::string s;
    s.reserve(objetos.size() + 256);
    Escritor e(s);
    e.Bytes(AssinaturaPagina);
    e.I32(page.Width());
    e.I32(page.Height());
    e.I32(page.Macros().Count());
    for (const auto& [nome, valor] : page.Macros().Items()) e.Texto(nome + "=" + valor);
    e.I32(static_cast<int32_t>(fontes.size()));
    for (const std::string& f : fontes) e.Texto(f);
    s += objetos;
    return s;
}

namespace {

void EscreverLE32(std::string& s, size_t pos, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[pos + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string GerarArquivoPaginas(const TRLGraphicStorage& store) {
    std::string s;
    Escritor e(s);
    e.Bytes(AssinaturaArquivoPaginas);
    e.I32(store.Macros().Count());
    for (const auto& [nome, valor] : store.Macros().Items()) e.Texto(nome + "=" + valor);
    const int n = store.Count();
    e.I32(n);
    const size_t tabela = s.size();
    s.append(static_cast<size_t>(n) * 4, '\0');
    for (int i = 0; i < n; ++i) {
        if (s.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
            throw std::runtime_error("as páginas não cabem num arquivo de páginas preparadas (mais de 2 GB)");
        EscreverLE32(s, tabela + static_cast<size_t>(i) * 4, static_cast<uint32_t>(s.size()));
        e.Armazenado(store.PageRecord(i));
    }
    return s;
}

void SalvarArquivoPaginas(const TRLGraphicStorage& store, const std::string& path,
                          const std::vector<std::string>& entradas) {
    const std::string bytes = GerarArquivoPaginas(store);
    TRLSaidaSegura arquivo(path, entradas);
    arquivo.Gravar(bytes);
    arquivo.Confirmar();
}

// --- reading --------------------------------------------------------------------------------

namespace {

// A reader bounded to one span (the file, a page record, an object body): no read can leave it.
// A read past its end throws "<where><item> ultrapassa o fim d<limit>", so every limit is named
// with its article ("o arquivo", "o corpo do objeto").
class Leitor {
public:
    Leitor(std::string_view dados, std::string onde, const char* limite)
        : d_(dados), onde_(std::move(onde)), limite_(limite) {}

    // What is being read, for the messages: "o objeto 17", "a macro da página 2", ...
    void Item(std::string nome, int64_t numero = 0) {
        item_ = std::move(nome);
        numero_ = numero;
    }
    std::string Descricao() const {
        std::string s = onde_ + item_;
        if (numero_ > 0) s += " " + std::to_string(numero_);
        return s;
    }
    [[noreturn]] void Falhar(const std::string& oque) const { throw ERLPageFileError(Descricao() + oque); }

    size_t Restante() const { return d_.size() - pos_; }
    size_t Posicao() const { return pos_; }
    std::string_view Bytes(size_t n) {
        if (n > Restante()) Falhar(std::string(" ultrapassa o fim d") + limite_);
        const std::string_view b = d_.substr(pos_, n);
        pos_ += n;
        return b;
    }
    uint8_t U8() { return static_cast<uint8_t>(Bytes(1)[0]); }
    uint16_t U16() {
        const std::string_view b = Bytes(2);
        return static_cast<uint16_t>(uint8_t(b[0]) | (uint8_t(b[1]) << 8));
    }
    int32_t I32() {
        const std::string_view b = Bytes(4);
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | uint8_t(b[static_cast<size_t>(i)]);
        return static_cast<int32_t>(u);
    }
    // A count of items of at least `tamanhoMinimo` bytes each: never more than the bytes left hold.
    size_t Contagem(const char* oque, size_t tamanhoMinimo) {
        const int32_t n = I32();
        // "página 2: a contagem de objetos 9 ..." or, inside an object,
        // "página 2: o objeto 5 (polígono): a contagem de pontos ..."
        const std::string prefixo = item_ == oque ? onde_ : Descricao() + ": ";
        const std::string descricao = prefixo + oque + " " + std::to_string(n);
        if (n < 0) throw ERLPageFileError(descricao + " é negativa");
        if (static_cast<uint64_t>(n) * tamanhoMinimo > Restante())
            throw ERLPageFileError(descricao + " é maior do que " + limite_ + " comporta");
        return static_cast<size_t>(n);
    }
    std::string_view Armazenado() {
        const int32_t n = I32();
        if (n < 0) Falhar(": o tamanho do texto " + std::to_string(n) + " é negativo");
        return Bytes(static_cast<size_t>(n));
    }
    std::string Texto() { return TextoDoArquivo(Armazenado()); }
    QRgb Cor() {
        const std::string_view b = Bytes(3);
        return qRgb(uint8_t(b[0]), uint8_t(b[1]), uint8_t(b[2]));
    }

private:
    std::string_view d_;
    size_t pos_ = 0;
    std::string onde_;
    const char* limite_;
    std::string item_;
    int64_t numero_ = 0;
};

[[noreturn]] void AlemDoLimite(const std::string& onde, const std::string& oque, uint64_t limite) {
    throw ERLPageFileError(onde + oque + " (o limite é " + std::to_string(limite) + ")");
}

void LerMacros(Leitor& l, TRLMacros& macros, const char* nomeItem, const char* nomeContagem) {
    l.Item(nomeContagem);
    const size_t n = l.Contagem(nomeContagem, 4);
    if (n > LimitesArquivoPaginas::Macros)
        AlemDoLimite(l.Descricao() + ": ", std::to_string(n) + " macros", LimitesArquivoPaginas::Macros);
    for (size_t i = 0; i < n; ++i) {
        l.Item(nomeItem, static_cast<int64_t>(i + 1));
        const std::string texto = l.Texto();
        const size_t igual = texto.find('=');
        if (igual == std::string::npos)
            macros.Set(texto, std::string());
        else
            macros.Set(std::string_view(texto).substr(0, igual), texto.substr(igual + 1));
    }
}

template <class E>
E Enumerado(Leitor& l, uint8_t v, uint8_t maximo, const char* oque) {
    if (v < 1 || v > maximo) l.Falhar(": valor " + std::to_string(v) + " desconhecido para " + oque);
    return static_cast<E>(v);
}

TRLPen LerCaneta(Leitor& l) {
    TRLPen p;
    p.Color = l.Cor();
    p.Mode = l.U8();
    p.Style = Enumerado<TRLPenStyle>(l, l.U8(), 7, "o estilo da caneta");
    p.Width = l.I32();
    return p;
}

TRLBrush LerPincel(Leitor& l) {
    TRLBrush b;
    b.Color = l.Cor();
    b.Style = Enumerado<TRLBrushStyle>(l, l.U8(), 8, "o estilo do pincel");
    return b;
}

TRLPageFont LerFonte(Leitor& l, const std::vector<std::string>& fontes) {
    TRLPageFont f;
    f.PixelsPerInch = l.I32();
    f.Charset = l.U8();
    f.Color = l.Cor();
    f.Height = l.I32();
    const int32_t indice = l.I32();
    if (indice < 0 || static_cast<size_t>(indice) >= fontes.size())
        l.Falhar(": a fonte " + std::to_string(indice) + " não está na tabela de fontes da página (" +
                 std::to_string(fontes.size()) + " fontes)");
    f.Name = fontes[static_cast<size_t>(indice)];
    f.Pitch = Enumerado<TRLFontPitch>(l, l.U8(), 3, "o passo da fonte");
    f.Size = l.I32();
    f.Style = l.U8();
    return f;
}

std::vector<TRLPagePoint> LerPontos(Leitor& l) {
    const size_t n = l.Contagem("a contagem de pontos", 8);
    std::vector<TRLPagePoint> pontos;
    pontos.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const int32_t x = l.I32();
        pontos.push_back({x, l.I32()});
    }
    return pontos;
}

TRLTextObject LerTexto(Leitor& l, const std::vector<std::string>& fontes) {
    TRLTextObject t;
    t.Alignment = Enumerado<TRLPageAlignment>(l, l.U8(), 4, "o alinhamento do texto");
    t.Layout = Enumerado<TRLPageLayout>(l, l.U8(), 3, "a disposição do texto");
    t.Origin.X = l.I32();
    t.Origin.Y = l.I32();
    t.TextFlags = l.U16();
    const std::string_view armazenado = l.Armazenado();
    if (armazenado.size() > LimitesArquivoPaginas::BytesPorTexto)
        AlemDoLimite(l.Descricao() + ": ", "texto de " + std::to_string(armazenado.size()) + " bytes",
                     LimitesArquivoPaginas::BytesPorTexto);
    t.Text = TextoDoArquivo(armazenado);
    t.Brush = LerPincel(l);
    t.Font = LerFonte(l, fontes);
    if (l.Restante() >= 4) t.Angle = l.I32();
    return t;
}

TRLObjectData LerDados(Leitor& l, TRLObjectKind tipo, const std::vector<std::string>& fontes) {
    switch (tipo) {
        case TRLObjectKind::Pixel:
            return TRLPixelObject{l.Cor()};
        case TRLObjectKind::Line: {
            TRLLineObject o;
            o.From.X = l.I32();
            o.From.Y = l.I32();
            o.To.X = l.I32();
            o.To.Y = l.I32();
            o.Pen = LerCaneta(l);
            o.Brush = LerPincel(l);
            return o;
        }
        case TRLObjectKind::Rectangle: {
            const TRLPen p = LerCaneta(l);
            return TRLRectangleObject{p, LerPincel(l)};
        }
        case TRLObjectKind::Text:
            return LerTexto(l, fontes);
        case TRLObjectKind::FillRect:
            return TRLFillRectObject{LerPincel(l)};
        case TRLObjectKind::Ellipse: {
            const TRLPen p = LerCaneta(l);
            return TRLEllipseObject{p, LerPincel(l)};
        }
        case TRLObjectKind::Polygon: {
            const TRLPen p = LerCaneta(l);
            const TRLBrush b = LerPincel(l);
            return TRLPolygonObject{p, b, LerPontos(l)};
        }
        case TRLObjectKind::Polyline: {
            const TRLPen p = LerCaneta(l);
            return TRLPolylineObject{p, LerPontos(l)};
        }
        case TRLObjectKind::Image: {
            const std::string_view figura = l.Armazenado();
            const QSize tamanho = TamanhoDaImagem(figura);
            const int64_t pixels = int64_t{tamanho.width()} * tamanho.height();
            if (pixels > LimitesArquivoPaginas::PixelsPorFigura)
                AlemDoLimite(l.Descricao() + ": ",
                             "figura de " + std::to_string(tamanho.width()) + " x " +
                                 std::to_string(tamanho.height()) + " pixels",
                             LimitesArquivoPaginas::PixelsPorFigura);
            return TRLImageObject{std::string(figura), l.U8()};
        }
        case TRLObjectKind::SetClipRect:
            return TRLSetClipRectObject{};
        case TRLObjectKind::ResetClipRect:
            return TRLResetClipRectObject{};
        case TRLObjectKind::Arc: {
            const TRLPen p = LerCaneta(l);
            return TRLArcObject{p, LerPincel(l)};
        }
    }
    return TRLSetClipRectObject{};  // not reached: the caller skips unknown kinds
}

const char* NomeDoTipo(TRLObjectKind tipo) {
    static constexpr const char* nomes[] = {
        "ponto",          "linha",    "retângulo", "texto",  "retângulo preenchido",
        "elipse",         "polígono", "polilinha", "figura", "início de recorte",
        "fim de recorte", "arco"};
    return nomes[static_cast<int>(tipo) - 1];
}

// What the bounds of a page add up while its objects are read.
struct ContasDaPagina {
    int recortes = 0;  // clips open at this point of the page
    int64_t pixelsDeFiguras = 0;
};

void Contar(const TRLGraphicObject& o, int numeroPagina, ContasDaPagina& contas) {
    const std::string onde = "página " + std::to_string(numeroPagina) + ": ";
    if (o.As<TRLSetClipRectObject>()) {
        if (++contas.recortes > LimitesArquivoPaginas::RecortesAninhados)
            AlemDoLimite(onde, "mais recortes aninhados do que o limite",
                         LimitesArquivoPaginas::RecortesAninhados);
    } else if (o.As<TRLResetClipRectObject>()) {
        if (contas.recortes > 0) --contas.recortes;
    } else if (const auto* figura = o.As<TRLImageObject>()) {
        const QSize tamanho = TamanhoDaImagem(figura->Picture);
        contas.pixelsDeFiguras += int64_t{tamanho.width()} * tamanho.height();
        if (contas.pixelsDeFiguras > LimitesArquivoPaginas::PixelsDeFigurasPorPagina)
            AlemDoLimite(onde, "figuras com mais pixels, somadas, do que o limite",
                         LimitesArquivoPaginas::PixelsDeFigurasPorPagina);
    }
}

// Reads one object (kind, body length, body) into the page; an unknown kind is skipped.
void LerObjeto(Leitor& pagina, int numeroPagina, size_t numero, TRLGraphicSurface& destino,
               ContasDaPagina& contas) {
    pagina.Item("o objeto", static_cast<int64_t>(numero));
    const uint8_t tipo = pagina.U8();
    const int32_t tamanho = pagina.I32();
    if (tamanho < 0) pagina.Falhar(": o tamanho do corpo " + std::to_string(tamanho) + " é negativo");
    const std::string_view corpo = pagina.Bytes(static_cast<size_t>(tamanho));
    if (tipo < 1 || tipo > 12) return;
    const auto kind = static_cast<TRLObjectKind>(tipo);
    Leitor l(corpo, "página " + std::to_string(numeroPagina) + ": ", "o corpo do objeto");
    l.Item("o objeto " + std::to_string(numero) + " (" + NomeDoTipo(kind) + ")");
    TRLGraphicObject o;
    o.BoundsRect.Left = l.I32();
    o.BoundsRect.Top = l.I32();
    o.BoundsRect.Right = l.I32();
    o.BoundsRect.Bottom = l.I32();
    o.GroupId = l.I32();
    l.I32();  // reserved, always 0
    o.Data = LerDados(l, kind, destino.Fonts());
    Contar(o, numeroPagina, contas);
    destino.Add(std::move(o));
}

// The record of page `numero` (1-based) that the page table places at `inicio`.
std::string_view RegistroDaPagina(std::string_view bytes, int32_t inicio, size_t numero) {
    const std::string pagina = "página " + std::to_string(numero) + ": ";
    if (inicio < 0 || static_cast<size_t>(inicio) > bytes.size() - 4)
        throw ERLPageFileError(pagina + "o início do registro, " + std::to_string(inicio) +
                               ", fica fora do arquivo");
    Leitor registro(bytes.substr(static_cast<size_t>(inicio)), pagina, "o arquivo");
    registro.Item("o registro");
    const int32_t tamanho = registro.I32();
    if (tamanho < 0)
        throw ERLPageFileError(pagina + "o tamanho do registro " + std::to_string(tamanho) + " é negativo");
    return registro.Bytes(static_cast<size_t>(tamanho));
}

// Every page has a record of its own: pages sharing or overlapping records would make a small file
// read as an endless one.
void RecusarRegistrosSobrepostos(std::string_view bytes, const std::vector<std::string_view>& registros) {
    std::vector<std::pair<size_t, size_t>> ordem;  // start in the file, page index
    ordem.reserve(registros.size());
    for (size_t i = 0; i < registros.size(); ++i)
        ordem.emplace_back(static_cast<size_t>(registros[i].data() - bytes.data()), i);
    std::sort(ordem.begin(), ordem.end());
    for (size_t k = 1; k < ordem.size(); ++k) {
        const auto [inicio, pagina] = ordem[k];
        const auto [inicioAnterior, anterior] = ordem[k - 1];
        if (inicio < inicioAnterior + registros[anterior].size())
            throw ERLPageFileError("página " + std::to_string(pagina + 1) +
                                   ": o registro se sobrepõe ao da página " + std::to_string(anterior + 1) +
                                   " (cada página deve ter um registro próprio)");
    }
}

}  // namespace

TRLGraphicSurface LerPagina(std::string_view bytes, int pageNumber) {
    Leitor l(bytes, "página " + std::to_string(pageNumber) + ": ", "o registro da página");
    if (l.Restante() < AssinaturaPagina.size() || l.Bytes(AssinaturaPagina.size()) != AssinaturaPagina)
        throw ERLPageFileError("página " + std::to_string(pageNumber) + ": falta a assinatura da página");
    l.Item("o tamanho da página");
    const int32_t largura = l.I32();
    TRLGraphicSurface pagina(largura, l.I32());
    LerMacros(l, pagina.Macros(), "a macro da página", "a contagem de macros da página");
    l.Item("a contagem de fontes");
    const size_t nFontes = l.Contagem("a contagem de fontes", 4);
    if (nFontes > LimitesArquivoPaginas::Fontes)
        AlemDoLimite("página " + std::to_string(pageNumber) + ": ", std::to_string(nFontes) + " fontes",
                     LimitesArquivoPaginas::Fontes);
    std::vector<std::string> fontes;
    fontes.reserve(nFontes);
    for (size_t i = 0; i < nFontes; ++i) {
        l.Item("o nome da fonte", static_cast<int64_t>(i + 1));
        fontes.push_back(l.Texto());
    }
    // Kept as read, repeats included, so the objects' indexes stay right.
    pagina.SetFonts(std::move(fontes));
    l.Item("a contagem de objetos");
    const size_t nObjetos = l.Contagem("a contagem de objetos", 5);
    if (nObjetos > LimitesArquivoPaginas::ObjetosPorPagina)
        AlemDoLimite("página " + std::to_string(pageNumber) + ": ", std::to_string(nObjetos) + " objetos",
                     LimitesArquivoPaginas::ObjetosPorPagina);
    ContasDaPagina contas;
    for (size_t i = 0; i < nObjetos; ++i) LerObjeto(l, pageNumber, i + 1, pagina, contas);
    return pagina;
}

void LerArquivoPaginas(std::string_view bytes, TRLMacros& macros,
                       const std::function<void(TRLGraphicSurface&&)>& porPagina) {
    Leitor l(bytes, "", "o arquivo");
    l.Item("o arquivo");
    if (l.Restante() < AssinaturaArquivoPaginas.size() ||
        l.Bytes(AssinaturaArquivoPaginas.size()) != AssinaturaArquivoPaginas)
        throw ERLPageFileError("não é um arquivo de páginas preparadas: falta a assinatura");
    LerMacros(l, macros, "a macro do arquivo", "a contagem de macros do arquivo");
    l.Item("a contagem de páginas");
    const size_t n = l.Contagem("a contagem de páginas", 4);
    if (n > LimitesArquivoPaginas::Paginas)
        AlemDoLimite("", std::to_string(n) + " páginas", LimitesArquivoPaginas::Paginas);
    std::vector<int32_t> tabela(n);
    for (size_t i = 0; i < n; ++i) tabela[i] = l.I32();
    std::vector<std::string_view> registros(n);
    for (size_t i = 0; i < n; ++i) registros[i] = RegistroDaPagina(bytes, tabela[i], i + 1);
    RecusarRegistrosSobrepostos(bytes, registros);
    for (size_t i = 0; i < n; ++i) porPagina(LerPagina(registros[i], static_cast<int>(i + 1)));
}

void LerArquivoPaginas(std::string_view bytes, TRLGraphicStorage& store) {
    store.Clear();
    try {
        LerArquivoPaginas(bytes, store.Macros(), [&](TRLGraphicSurface&& p) { store.Add(std::move(p)); });
    } catch (...) {
        store.Clear();
        throw;
    }
}

void CarregarArquivoPaginas(const std::string& path, TRLGraphicStorage& store) {
    std::string dados;
    std::string motivo;
    switch (LerArquivoLimitado(path, LimitesArquivoPaginas::Bytes, dados, motivo)) {
        case ResultadoLeitura::Lido:
            break;
        case ResultadoLeitura::NaoEncontrado:
            throw ERLPageFileError("Não foi possível abrir " + path + ": o arquivo não existe");
        case ResultadoLeitura::Pasta:
            throw ERLPageFileError("Não foi possível abrir " + path + ": é uma pasta");
        case ResultadoLeitura::Grande:
            AlemDoLimite(
                "",
                "arquivo de páginas maior que " + std::to_string(LimitesArquivoPaginas::Bytes >> 20) + " MB",
                LimitesArquivoPaginas::Bytes);
        case ResultadoLeitura::Falhou:
            throw ERLPageFileError("Não foi possível ler " + path + ": " + motivo);
    }
    LerArquivoPaginas(dados, store);
}

}  // namespace luvenor
