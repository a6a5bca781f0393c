#include "util/UString.h"

#include "util/Utf8.h"

#include <algorithm>

namespace luvenor {
namespace {

bool EhBrancoOuControle(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Capital of a Latin Extended-A letter; the block alternates capital/small in pairs, with the
// parity of the pairs changing around U+0138 and U+0178.
char32_t MaiusculaLatinaEstendida(char32_t c) {
    if (c == 0x0131) return U'I';  // dotless i
    if (c == 0x017F) return U'S';  // long s
    const bool paresIniciam = (c >= 0x0100 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177);
    const bool imparesIniciam = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
    if (paresIniciam && (c % 2) == 1) return c - 1;
    if (imparesIniciam && (c % 2) == 0) return c - 1;
    return c;
}

char32_t Maiuscula(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return c - 32;  // à..þ, not ÷
    if (c == 0x00FF) return 0x0178;                                // ÿ -> Ÿ
    if (c >= 0x0100 && c <= 0x017F) return MaiusculaLatinaEstendida(c);
    return c;
}

}  // namespace

std::string TirarEspacos(std::string_view texto) {
    const auto inicio = std::find_if_not(texto.begin(), texto.end(), EhBrancoOuControle);
    const auto fim = std::find_if_not(texto.rbegin(), texto.rend(), EhBrancoOuControle).base();
    if (inicio >= fim) return {};
    return std::string(inicio, fim);
}

bool Vazio(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::string LimparTexto(std::string_view texto) {
    return TirarEspacos(RetirarQuebras(texto));
}

std::string RetirarQuebras(std::string_view texto) {
    // Removing CR LF pairs, then lone CRs, then lone LFs leaves no CR or LF at all. The XML
    // parser already hands over UTF-8, so no code-page conversion follows.
    std::string resultado;
    resultado.reserve(texto.size());
    for (char c : texto)
        if (c != '\r' && c != '\n') resultado += c;
    return resultado;
}

std::string LimparTextoComQuebras(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size());
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        resultado += texto[i] == '\n' ? '\r' : texto[i];
    }
    return TirarEspacos(resultado);
}

std::string AjustarTamanho(std::string_view texto, int n) {
    return CompletarDireita(texto, n);
}

std::string CompletarDireita(std::string_view texto, int n) {
    if (n <= 0) return {};
    std::string resultado = Esquerda(texto, n);
    const int faltam = n - ContarCaracteres(resultado);
    resultado.append(static_cast<std::size_t>(std::max(faltam, 0)), ' ');
    return resultado;
}

std::string CompletarEsquerda(std::string_view texto, int n) {
    if (n <= 0) return {};
    const int tamanho = ContarCaracteres(texto);
    if (tamanho >= n) return Direita(texto, n);
    return Espacos(n - tamanho) + std::string(texto);
}

std::string Espacos(int n) {
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string Esquerda(std::string_view texto, int n) {
    if (n <= 0) return {};
    return std::string(texto.substr(0, OffsetDoCaractere(texto, n)));
}

std::string Direita(std::string_view texto, int n) {
    if (n <= 0) return {};
    const int tamanho = ContarCaracteres(texto);
    if (tamanho <= n) return std::string(texto);
    return std::string(texto.substr(OffsetDoCaractere(texto, tamanho - n)));
}

std::string Meio(std::string_view texto, int pos1, int n) {
    if (n <= 0) return {};
    const std::size_t inicio = OffsetDoCaractere(texto, std::max(pos1, 1) - 1);
    const std::string_view resto = texto.substr(inicio);
    return std::string(resto.substr(0, OffsetDoCaractere(resto, n)));
}

std::string RetirarTexto(std::string_view texto, char32_t c) {
    std::string resultado;
    resultado.reserve(texto.size());
    for (std::size_t pos = 0; pos < texto.size();) {
        const CaractereUtf8 atual = DecodificarCaractere(texto, pos);
        if (!atual.valido || atual.codigo != c) resultado.append(texto.substr(pos, atual.bytes));
        pos += atual.bytes;
    }
    return resultado;
}

std::string Maiusculas(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size());
    for (std::size_t pos = 0; pos < texto.size();) {
        const CaractereUtf8 atual = DecodificarCaractere(texto, pos);
        if (atual.valido)
            CodificarCaractere(Maiuscula(atual.codigo), resultado);
        else
            resultado.append(texto.substr(pos, atual.bytes));  // malformed bytes pass unchanged
        pos += atual.bytes;
    }
    return resultado;
}

}  // namespace luvenor
