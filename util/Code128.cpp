#include "util/Code128.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "util/Erros.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {

namespace {

// The symbol table of ISO/IEC 15417, indexed by symbol value.
constexpr std::array<std::string_view, 107> kPadroes = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213",  "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122",  "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221",  "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313",  "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321",  "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121",  "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421",  "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114",  "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212",  "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311",  "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112",
};

constexpr int kTrocaParaC = 99;   // "Code C" while in set B
constexpr int kTrocaParaB = 100;  // "Code B" while in set C
constexpr int kInicioB = 104;
constexpr int kInicioC = 105;
constexpr int kParada = 106;
constexpr int kMinimoDigitosEmC = 4;  // shorter digit runs are no shorter in set C

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}
int ValorDigitos(std::string_view d) {
    int v = 0;
    for (char c : d) v = v * 10 + (c - '0');
    return v;
}

// Code 128 has no symbol for anything outside printable ASCII in sets B and C. The error names
// the whole UTF-8 character; a control or stray byte is named in hexadecimal so that the
// message itself stays readable text.
void VerificarCaracteres(std::string_view t) {
    for (size_t i = 0; i < t.size(); ++i) {
        auto b = static_cast<unsigned char>(t[i]);
        if (b >= 32 && b <= 126) continue;
        std::string nome;
        const CaractereUtf8 c = DecodificarCaractere(t, i);
        if (c.valido && c.codigo >= 0x80) {
            nome = std::string(t.substr(i, c.bytes));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            nome = hex;
        }
        throw EConvertError("'" + nome + "' is not a valid integer value");
    }
}

// Symbol values (start included) of an all-digit text: set C throughout, a final odd digit
// being a symbol of its own with the digit's value, as DANFE barcodes have always been made.
std::vector<int> ValoresSoDigitos(std::string_view t) {
    std::vector<int> v{kInicioC};
    for (size_t i = 0; i < t.size(); i += 2) v.push_back(ValorDigitos(t.substr(i, 2)));
    return v;
}

// Symbol values of a text mixing sets B and C, switching only where it saves symbols.
class SimbolosMistos {
public:
    void EmB(char c) {
        Entrar('B', kInicioB, kTrocaParaB);
        valores_.push_back(c - 32);
    }
    // A run of at least kMinimoDigitosEmC digits. Its odd digit goes in set B: before the pairs
    // when set B is already open, after them when the run starts the text.
    void EmC(std::string_view d) {
        if (d.size() % 2 != 0 && !valores_.empty()) {
            EmB(d.front());
            d.remove_prefix(1);
        }
        Entrar('C', kInicioC, kTrocaParaC);
        for (; d.size() >= 2; d.remove_prefix(2)) valores_.push_back(ValorDigitos(d.substr(0, 2)));
        if (!d.empty()) EmB(d.front());
    }
    std::vector<int> Valores() && { return std::move(valores_); }

private:
    void Entrar(char conjunto, int inicio, int troca) {
        if (conjunto_ == conjunto) return;
        valores_.push_back(valores_.empty() ? inicio : troca);
        conjunto_ = conjunto;
    }
    std::vector<int> valores_;
    char conjunto_ = 0;
};

std::vector<int> ValoresMistos(std::string_view t) {
    SimbolosMistos s;
    for (size_t i = 0; i < t.size();) {
        size_t fim = i;
        while (fim < t.size() && EhDigito(t[fim])) ++fim;
        if (fim - i >= kMinimoDigitosEmC) {
            s.EmC(t.substr(i, fim - i));
            i = fim;
        } else {
            s.EmB(t[i++]);
        }
    }
    return std::move(s).Valores();
}

// The start value plus each following symbol's value weighted by its position, modulo 103.
int ValorVerificador(const std::vector<int>& valores) {
    long long soma = valores.front();
    for (size_t i = 1; i < valores.size(); ++i) soma = (soma + valores[i] * static_cast<long long>(i)) % 103;
    return static_cast<int>(soma % 103);
}

}  // namespace

std::string PadraoCode128(int valor) {
    if (valor < 0 || valor >= static_cast<int>(kPadroes.size())) return {};
    return std::string(kPadroes[static_cast<size_t>(valor)]);
}

std::string CodificarCode128(std::string_view texto) {
    const std::string t = TirarEspacos(texto);
    VerificarCaracteres(t);
    bool soDigitos = true;
    for (char c : t) soDigitos = soDigitos && EhDigito(c);
    std::vector<int> valores = soDigitos ? ValoresSoDigitos(t) : ValoresMistos(t);
    valores.push_back(ValorVerificador(valores));
    valores.push_back(kParada);

    std::string padrao;
    padrao.reserve(valores.size() * 6 + 1);
    for (int v : valores) padrao += kPadroes[static_cast<size_t>(v)];
    return padrao;
}

}  // namespace luvenor
