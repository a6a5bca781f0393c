#pragma once
// A small Code 128 reader for the tests: turns the widths of bars and spaces back into symbol
// values and text, checking start, check symbol and stop, so that a round trip proves a barcode
// readable. It knows sets B and C only, as the encoder uses no others.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/Code128.h"

namespace luvenor::teste {

struct LeituraCode128 {
    std::vector<int> valores;  // start symbol to check symbol, the stop left out
    std::string texto;
};

// Symbol values of a pattern of 6-module-element symbols ended by the stop; nullopt when a
// piece is no symbol.
inline std::optional<std::vector<int>> ValoresDoPadrao(std::string_view padrao) {
    static const std::map<std::string, int, std::less<>> tabela = [] {
        std::map<std::string, int, std::less<>> t;
        for (int v = 0; v <= 105; ++v) t.emplace(PadraoCode128(v), v);
        return t;
    }();
    const std::string_view parada = "2331112";
    if (padrao.size() < parada.size() || (padrao.size() - parada.size()) % 6 != 0 ||
        !padrao.ends_with(parada))
        return std::nullopt;
    std::vector<int> valores;
    for (size_t i = 0; i + parada.size() < padrao.size(); i += 6) {
        auto it = tabela.find(padrao.substr(i, 6));
        if (it == tabela.end()) return std::nullopt;
        valores.push_back(it->second);
    }
    return valores;
}

inline std::optional<LeituraCode128> LerCode128(std::string_view padrao) {
    auto valores = ValoresDoPadrao(padrao);
    if (!valores || valores->size() < 2) return std::nullopt;
    const std::vector<int>& v = *valores;
    long long soma = v[0];
    for (size_t i = 1; i + 1 < v.size(); ++i) soma += v[i] * static_cast<long long>(i);
    if (soma % 103 != v.back()) return std::nullopt;

    LeituraCode128 leitura{v, {}};
    if (v[0] != 104 && v[0] != 105) return std::nullopt;
    bool emC = v[0] == 105;
    for (size_t i = 1; i + 1 < v.size(); ++i) {
        if (emC && v[i] < 100) {
            leitura.texto += static_cast<char>('0' + v[i] / 10);
            leitura.texto += static_cast<char>('0' + v[i] % 10);
        } else if (!emC && v[i] < 96) {
            leitura.texto += static_cast<char>(v[i] + 32);
        } else if (v[i] == (emC ? 100 : 99)) {
            emC = !emC;
        } else {
            return std::nullopt;
        }
    }
    return leitura;
}

}  // namespace luvenor::teste
