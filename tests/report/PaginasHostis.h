#pragma once
// Hostile prepared-page files, made byte by byte so that each stays a few kilobytes however large
// the page it claims: deep clips, a record shared by many pages, floods of macros, pictures that
// decompress to millions of pixels, huge texts, a picture at INT_MIN. The tests, the fuzzers'
// seeds and the measurements all take them from here.
#include "report/RLPageFile.h"

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor::teste::hostis {

class Bytes {
public:
    Bytes& U8(uint8_t v) {
        s.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& U16(uint16_t v) { return U8(uint8_t(v & 0xFF)).U8(uint8_t(v >> 8)); }
    Bytes& I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) U8(uint8_t((u >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& Dados(std::string_view b) {
        s.append(b);
        return *this;
    }
    Bytes& Texto(std::string_view b) { return I32(static_cast<int32_t>(b.size())).Dados(b); }
    std::string s;
};

// One object: kind, body length, then the box, group, reserved and the kind's own fields.
inline std::string Objeto(uint8_t tipo, TRLPageRect caixa, std::string_view proprio = {}) {
    Bytes corpo;
    corpo.I32(caixa.Left).I32(caixa.Top).I32(caixa.Right).I32(caixa.Bottom).I32(0).I32(0).Dados(proprio);
    Bytes o;
    o.U8(tipo).Texto(corpo.s);
    return o.s;
}

inline std::string Recorte(TRLPageRect caixa = {0, 0, 50, 50}) {
    return Objeto(10, caixa);
}
inline std::string FimDoRecorte() {
    return Objeto(11, {0, 0, 0, 0});
}

inline std::string Texto(std::string_view texto, TRLPageRect caixa = {0, 0, 1, 1}) {
    Bytes t;
    t.U8(1).U8(1).I32(caixa.Left).I32(caixa.Top).U16(0).Texto(texto);
    t.U8(255).U8(255).U8(255).U8(2);                                       // clear brush
    t.I32(96).U8(0).U8(0).U8(0).U8(0).I32(-12).I32(0).U8(1).I32(9).U8(0);  // font 0 of the page
    return Objeto(4, caixa, t.s);
}

inline std::string Figura(std::string_view figura, TRLPageRect caixa) {
    Bytes f;
    f.Texto(figura).U8(0);
    return Objeto(9, caixa, f.s);
}

// A BMP of `largura` x `altura` 8-bit pixels in RLE8 whose data ends at once: a few dozen bytes
// that decode to the whole size. `cor` makes each one distinct.
inline std::string FiguraRle(int32_t largura, int32_t altura, uint8_t cor = 0) {
    Bytes b;
    const int32_t dados = 14 + 40 + 8;
    b.Dados("BMP").Dados("BM").I32(dados + 2).I32(0).I32(dados);
    b.I32(40).I32(largura).I32(altura).U16(1).U16(8).I32(1).I32(2).I32(2835).I32(2835).I32(2).I32(2);
    b.U8(cor).U8(0).U8(0).U8(0).U8(255).U8(255).U8(255).U8(0);
    b.U8(0).U8(1);  // end of bitmap
    return b.s;
}

inline std::string Pagina(const std::vector<std::string>& objetos, int32_t largura = 794,
                          int32_t altura = 1123, int macros = 0) {
    Bytes p;
    p.Dados(AssinaturaPagina).I32(largura).I32(altura).I32(macros);
    for (int i = 0; i < macros; ++i) p.Texto("M" + std::to_string(i) + "=v");
    p.I32(1).Texto("Times New Roman").I32(static_cast<int32_t>(objetos.size()));
    for (const std::string& o : objetos) p.Dados(o);
    return p.s;
}

// A file whose page table holds `entradas` offsets; each names one of the records, in turn.
inline std::string Arquivo(const std::vector<std::string>& registros, int macrosDaLoja = 0,
                           size_t entradas = 0) {
    if (entradas == 0) entradas = registros.size();
    Bytes f;
    f.Dados(AssinaturaArquivoPaginas).I32(macrosDaLoja);
    for (int i = 0; i < macrosDaLoja; ++i) f.Texto("Loja" + std::to_string(i) + "=x");
    f.I32(static_cast<int32_t>(entradas));
    const size_t tabela = f.s.size();
    f.s.append(entradas * 4, '\0');
    std::vector<int32_t> inicios;
    for (const std::string& r : registros) {
        inicios.push_back(static_cast<int32_t>(f.s.size()));
        f.Texto(r);
    }
    for (size_t i = 0; i < entradas; ++i) {
        const auto v = static_cast<uint32_t>(inicios[i % inicios.size()]);
        for (int k = 0; k < 4; ++k)
            f.s[tabela + i * 4 + static_cast<size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
    }
    return f.s;
}

// --- the cases ------------------------------------------------------------------------------

inline std::string RecortesAninhados(int profundidade) {
    std::vector<std::string> objetos(static_cast<size_t>(profundidade), Recorte());
    objetos.push_back(Texto("dentro"));
    return Arquivo({Pagina(objetos)});
}

// Clips opened and closed again any number of times never nest deeper than one.
inline std::string RecortesEmSequencia(int vezes) {
    std::vector<std::string> objetos;
    for (int i = 0; i < vezes; ++i) {
        objetos.push_back(Recorte());
        objetos.push_back(FimDoRecorte());
    }
    return Arquivo({Pagina(objetos)});
}

inline std::string RegistroRepartido(size_t entradas) {
    std::vector<std::string> objetos(200, Texto("repetido", {0, 0, 100, 20}));
    return Arquivo({Pagina(objetos)}, 0, entradas);
}

inline std::string MacrosDaLoja(int macros) {
    return Arquivo({Pagina({Texto("x")})}, macros);
}

inline std::string MacrosDaPagina(int macros) {
    return Arquivo({Pagina({Texto("x")}, 794, 1123, macros)});
}

inline std::string FigurasRle(int quantas, int32_t lado) {
    std::vector<std::string> objetos;
    for (int i = 0; i < quantas; ++i)
        objetos.push_back(Figura(FiguraRle(lado, lado, static_cast<uint8_t>(i)), {0, 0, 700, 700}));
    return Arquivo({Pagina(objetos)});
}

inline std::string TextoEnorme(size_t bytes) {
    return Arquivo({Pagina({Texto(std::string(bytes, 'W'))}, 1, 1)});
}

inline std::string FiguraEmIntMin() {
    return Arquivo({Pagina({Figura(FiguraRle(4, 4), {INT_MIN, 0, 100, 100}),
                            Figura(FiguraRle(4, 4), {INT_MIN, INT_MIN, INT_MAX, INT_MAX})})});
}

// A page as tall as the int range: the sheet it asks for spans every device pixel.
inline std::string PaginaSemFim() {
    return Arquivo({Pagina({Texto("x")}, 794, INT_MAX)});
}

// The same with its text two thousand million pixels to the right, as a fuzzer found it: the PDF
// library aborted on the sheet.
inline std::string PaginaSemFimComTextoLonge() {
    return Arquivo({Pagina({Texto("x", {1835139072, 112, 1, 1})}, 794, INT_MAX)});
}

struct Caso {
    const char* nome;
    std::string bytes;
};

// Every case at the size the measurements use, or just past its bound for the fuzzers' seeds.
inline std::vector<Caso> TodosOsCasos(bool pequenos = false) {
    const int n = pequenos ? 1 : 100;
    return {{"recortes-fundos", RecortesAninhados(pequenos ? 70 : 10000)},
            {"recortes-30000", RecortesAninhados(pequenos ? 65 : 30000)},
            {"registro-repartido-50000", RegistroRepartido(pequenos ? 10001 : 50000)},
            {"registro-repartido-5000", RegistroRepartido(pequenos ? 3 : 5000)},
            {"macros-200000", MacrosDaLoja(pequenos ? 1001 : 200000)},
            {"figuras-rle-80x5600", FigurasRle(pequenos ? 2 : 80, 5600)},
            {"figuras-rle-4x4096", FigurasRle(4, 4096)},  // at the page's bound: drawn
            {"texto-4mb", TextoEnorme((pequenos ? size_t{70} : size_t{4096}) << 10)},
            {"figura-int-min", FiguraEmIntMin()},
            {"pagina-sem-fim", PaginaSemFim()},
            {"pagina-sem-fim-texto-longe", PaginaSemFimComTextoLonge()},
            {"recortes-em-sequencia", RecortesEmSequencia(50 * n)}};
}

}  // namespace luvenor::teste::hostis
