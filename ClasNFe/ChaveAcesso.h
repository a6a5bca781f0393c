#pragma once
// The NF-e access key: its check digit and the invoice fields it is made of. An issuer's CNPJ may
// hold letters in its first twelve characters, so the key may too.
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

inline constexpr size_t TamanhoChaveNfe = 44;

// Whether `chave` has the shape of a key: 44 characters, all digits except the twelve first
// characters of the issuer's CNPJ (positions 7 to 18), which may also be the letters A to Z.
bool ChaveBemFormada(std::string_view chave);

// The check digit of the first 43 characters of a key: modulo 11 with weights 2 to 9 from the
// right, each character worth its code minus 48 (so "0" to "9" are worth 0 to 9 and "A" 17); a
// remainder of 0 or 1 gives 0.
int DigitoChave(std::string_view chave43);

// The invoice's own values for the parts of the key, as the XML gives them (texts, untrimmed
// widths: the series "1" stands for "001").
struct CamposChave {
    std::string cUF;
    std::string Emissao;  // dhEmi or dEmi: its year and month are used
    std::string CnpjCpf;  // the issuer's CNPJ, or its CPF
    std::string Modelo;
    std::string Serie;
    std::string Numero;
    std::string tpEmis;
    std::string cNF;
    std::string cDV;
};

struct ConferenciaChave {
    bool BemFormada = false;
    bool DigitoCorreto = false;
    // The names of the parts that disagree with the invoice, in the key's order ("UF", "CNPJ/CPF
    // do emitente", ...); empty when they all agree.
    std::vector<std::string> Divergentes;

    bool Correta() const { return BemFormada && DigitoCorreto && Divergentes.empty(); }
};

ConferenciaChave ConferirChave(std::string_view chave, const CamposChave& campos);

}  // namespace luvenor
