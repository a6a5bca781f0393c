#include "danfe/PartirPalavras.h"

#include "report/RLTextLayout.h"

#include <algorithm>
#include <cstdlib>

namespace luvenor {
namespace {

bool EhBranco(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n';
}

// Appends one word, broken into pieces of at most `largura` pixels.
void AnexarPalavra(const std::u32string& palavra, const TRLTextMeasurer& medidor, int largura,
                   std::u32string& saida) {
    int total = 0;
    for (char32_t c : palavra) total += medidor.CharWidth(c);
    if (total <= largura) {
        saida += palavra;
        return;
    }
    int linha = 0;
    for (char32_t c : palavra) {
        const int w = medidor.CharWidth(c);
        if (linha > 0 && linha + w > largura) {
            saida += U'\n';
            linha = 0;
        }
        saida += c;
        linha += w;
    }
}

// Characters of the longest run without a blank (bytes for the count: never fewer than characters).
size_t MaiorPalavra(const std::string& texto) {
    size_t maior = 0;
    size_t atual = 0;
    for (char c : texto) {
        atual = (c == ' ' || c == '\t' || c == '\r' || c == '\n') ? 0 : atual + 1;
        maior = std::max(maior, atual);
    }
    return maior;
}

}  // namespace

std::string PartirPalavrasLongas(const std::string& texto, const TRLFont& fonte, int largura) {
    // No glyph of a font is wider than twice its height: short words need no measuring.
    if (MaiorPalavra(texto) * 2 * static_cast<size_t>(std::max(1, std::abs(fonte.Height))) <
        static_cast<size_t>(largura))
        return texto;
    const TRLTextMeasurer medidor(fonte);
    // Pieces end a space short of the width: the memo measures whole lines, which may round wider.
    const int util = std::max(1, largura - medidor.SpaceWidth());
    const std::u32string codigos = ParaCodigos(texto);
    std::u32string saida;
    saida.reserve(codigos.size());
    std::u32string palavra;
    for (char32_t c : codigos) {
        if (EhBranco(c)) {
            AnexarPalavra(palavra, medidor, util, saida);
            palavra.clear();
            saida += c;
        } else {
            palavra += c;
        }
    }
    AnexarPalavra(palavra, medidor, util, saida);
    return ParaUtf8(saida);
}

}  // namespace luvenor
