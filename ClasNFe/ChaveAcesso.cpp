#include "ClasNFe/ChaveAcesso.h"

#include "util/UString.h"

namespace luvenor {
namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// The part of the key a field fills, and the field's text made that wide (empty when it cannot
// be, which never matches).
struct Parte {
    const char* nome;
    size_t inicio;
    size_t tamanho;
    std::string valor;
};

std::string ZerosAEsquerda(std::string_view texto, size_t largura) {
    std::string t = TirarEspacos(texto);
    if (t.empty() || t.size() > largura) return {};
    return std::string(largura - t.size(), '0') + t;
}

// "2025-03-10T..." gives "2503".
std::string AnoMes(std::string_view emissao) {
    std::string t = TirarEspacos(emissao);
    if (t.size() < 7 || t[4] != '-') return {};
    return t.substr(2, 2) + t.substr(5, 2);
}

std::vector<Parte> Partes(const CamposChave& c) {
    std::vector<Parte> partes = {
        {"UF", 0, 2, ZerosAEsquerda(c.cUF, 2)},
        {"ano e mês de emissão", 2, 4, AnoMes(c.Emissao)},
        {"CNPJ/CPF do emitente", 6, 14, ZerosAEsquerda(c.CnpjCpf, 14)},
        {"modelo", 20, 2, ZerosAEsquerda(c.Modelo, 2)},
        {"série", 22, 3, ZerosAEsquerda(c.Serie, 3)},
        {"número", 25, 9, ZerosAEsquerda(c.Numero, 9)},
    };
    // Keys of the first layout had no emission type: their numeric code took nine digits.
    if (TirarEspacos(c.cNF).size() == 9) {
        partes.push_back({"código numérico", 34, 9, ZerosAEsquerda(c.cNF, 9)});
    } else {
        partes.push_back({"tipo de emissão", 34, 1, ZerosAEsquerda(c.tpEmis, 1)});
        partes.push_back({"código numérico", 35, 8, ZerosAEsquerda(c.cNF, 8)});
    }
    partes.push_back({"dígito verificador (cDV)", 43, 1, ZerosAEsquerda(c.cDV, 1)});
    return partes;
}

}  // namespace

bool ChaveBemFormada(std::string_view chave) {
    if (chave.size() != TamanhoChaveNfe) return false;
    for (size_t i = 0; i < chave.size(); ++i) {
        const bool letraPermitida = i >= 6 && i < 18 && chave[i] >= 'A' && chave[i] <= 'Z';
        if (!Digito(chave[i]) && !letraPermitida) return false;
    }
    return true;
}

int DigitoChave(std::string_view chave43) {
    int soma = 0;
    int peso = 2;
    for (auto c = chave43.rbegin(); c != chave43.rend(); ++c) {
        soma += (static_cast<unsigned char>(*c) - 48) * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

ConferenciaChave ConferirChave(std::string_view chave, const CamposChave& campos) {
    ConferenciaChave conferencia;
    conferencia.BemFormada = ChaveBemFormada(chave);
    if (!conferencia.BemFormada) return conferencia;
    conferencia.DigitoCorreto = DigitoChave(chave.substr(0, 43)) == chave[43] - '0';
    for (const Parte& p : Partes(campos)) {
        if (chave.substr(p.inicio, p.tamanho) != p.valor) conferencia.Divergentes.push_back(p.nome);
    }
    return conferencia;
}

}  // namespace luvenor
