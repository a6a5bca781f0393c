#pragma once
// Document masks (CNPJ, CPF, CEP, CFOP, NCM, plate, access key, invoice number) and the one-line
// address. Pure functions: none of them fails.
#include <cstdint>
#include <string>
#include <string_view>

namespace luvenor {

// The text under an edit mask "pattern;flag;blank": literals inserted, one input character per
// input position ("0", "9", "#", "L", "l", "A", "a", "C", "c"; a blank once the input runs out),
// case directives ignored, input left over when the pattern ends appended unchanged.
std::string FormatarMascara(std::string_view mascara, std::string_view texto);

// 14 characters once trimmed: NN.NNN.NNN/NNNN-NN; 11: NNN.NNN.NNN-NN; anything else unchanged.
std::string MascaraCnpjCpf(std::string_view texto);

// NNNNN-NNN when the text holds exactly 8 digits; otherwise unchanged.
std::string MascaraCep(std::string_view texto);

// N.NNN followed by one blank; a blank text unchanged.
std::string MascaraCfop(std::string_view texto);

// NNNN.NN.NN; a blank text unchanged.
std::string MascaraNcm(std::string_view texto);

// LLL-9999 for a plate of three letters and four digits, letters kept in their case; any other
// text (a Mercosul plate, a blank) unchanged.
std::string MascaraPlaca(std::string_view texto);

// A 44-character key (once trimmed) in 11 groups of 4 joined by blanks; anything else unchanged.
std::string MascaraChaveNfe(std::string_view texto);

// The invoice number as NNN.NNN.NNN (***.***.*** when it has more than 9 digits).
std::string MascaraNumeroNF(int32_t numero);

// One address line from its non-blank parts: "street, number complement - district (or
// neighbourhood) - city/state - CEP NNNNN-NNN"; number "0" reads ", S/N".
std::string MontarEndereco(std::string_view rua, std::string_view numero, std::string_view complemento,
                           std::string_view bairro, std::string_view cidade, std::string_view uf,
                           std::string_view cep, std::string_view distrito);

}  // namespace luvenor
