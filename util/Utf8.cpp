#include "util/Utf8.h"

namespace luvenor {
namespace {

constexpr char32_t kSubstituto = 0xFFFD;

bool EhContinuacao(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence announced by a lead byte and the smallest code point it may carry
// (anything below is an overlong form); 0 for a byte that cannot start a sequence.
std::size_t TamanhoPeloInicio(unsigned char byte, char32_t& minimo) {
    if (byte < 0x80) {
        minimo = 0;
        return 1;
    }
    if ((byte & 0xE0) == 0xC0) {
        minimo = 0x80;
        return 2;
    }
    if ((byte & 0xF0) == 0xE0) {
        minimo = 0x800;
        return 3;
    }
    if ((byte & 0xF8) == 0xF0) {
        minimo = 0x10000;
        return 4;
    }
    return 0;
}

}  // namespace

CaractereUtf8 DecodificarCaractere(std::string_view texto, std::size_t pos) {
    const CaractereUtf8 invalido{kSubstituto, 1, false};
    const auto inicio = static_cast<unsigned char>(texto[pos]);
    char32_t minimo = 0;
    const std::size_t tamanho = TamanhoPeloInicio(inicio, minimo);
    if (tamanho == 0 || pos + tamanho > texto.size()) return invalido;
    if (tamanho == 1) return {inicio, 1, true};

    char32_t codigo = inicio & (0x7F >> tamanho);
    for (std::size_t i = 1; i < tamanho; ++i) {
        const auto byte = static_cast<unsigned char>(texto[pos + i]);
        if (!EhContinuacao(byte)) return invalido;
        codigo = (codigo << 6) | (byte & 0x3F);
    }
    const bool surrogate = codigo >= 0xD800 && codigo <= 0xDFFF;
    if (codigo < minimo || codigo > 0x10FFFF || surrogate) return invalido;
    return {codigo, tamanho, true};
}

void CodificarCaractere(char32_t codigo, std::string& destino) {
    if (codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF)) codigo = kSubstituto;
    if (codigo < 0x80) {
        destino += static_cast<char>(codigo);
    } else if (codigo < 0x800) {
        destino += static_cast<char>(0xC0 | (codigo >> 6));
        destino += static_cast<char>(0x80 | (codigo & 0x3F));
    } else if (codigo < 0x10000) {
        destino += static_cast<char>(0xE0 | (codigo >> 12));
        destino += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
        destino += static_cast<char>(0x80 | (codigo & 0x3F));
    } else {
        destino += static_cast<char>(0xF0 | (codigo >> 18));
        destino += static_cast<char>(0x80 | ((codigo >> 12) & 0x3F));
        destino += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
        destino += static_cast<char>(0x80 | (codigo & 0x3F));
    }
}

int ContarCaracteres(std::string_view texto) {
    int total = 0;
    for (std::size_t pos = 0; pos < texto.size(); pos += DecodificarCaractere(texto, pos).bytes) ++total;
    return total;
}

std::size_t OffsetDoCaractere(std::string_view texto, int n) {
    std::size_t pos = 0;
    for (int i = 0; i < n && pos < texto.size(); ++i) pos += DecodificarCaractere(texto, pos).bytes;
    return pos;
}

}  // namespace luvenor
