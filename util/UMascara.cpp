#include "util/UMascara.h"

#include "util/UNumber.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {
namespace {

constexpr std::string_view kMascaraCnpj = "##\\.###\\.###\\/####\\-##;0;";
constexpr std::string_view kMascaraCpf = "###\\.###\\.###\\-##;0;";
constexpr std::string_view kMascaraCep = "99999\\-999;0;";
constexpr std::string_view kMascaraCfop = "9\\.99aa;0;";
constexpr std::string_view kMascaraNcm = "9999\\.99\\.99;0;";
constexpr std::string_view kMascaraPlaca = ">lll<\\-####;0;";

// The locale's date and time separators of the Brazilian settings.
constexpr char kSeparadorData = '/';
constexpr char kSeparadorHora = ':';

bool EhPosicaoDeEntrada(char c) {
    return std::string_view("09#LlAaCc").find(c) != std::string_view::npos;
}

// Appends to `linha` the separator (only when the line already has something) and the part.
void Anexar(std::string& linha, std::string_view separador, std::string_view parte) {
    if (!linha.empty()) linha += separador;
    linha += parte;
}

}  // namespace

std::string FormatarMascara(std::string_view mascara, std::string_view texto) {
    std::string resultado;
    std::size_t cursor = 0;  // byte position of the next input character
    for (std::size_t i = 0; i < mascara.size(); ++i) {
        const char c = mascara[i];
        if (c == ';') break;  // the flag and blank fields produce nothing
        if (c == '\\' && i + 1 < mascara.size()) {
            resultado += mascara[++i];
        } else if (c == '>' || c == '<') {
            // case directives: this formatting changes no case
        } else if (EhPosicaoDeEntrada(c)) {
            if (cursor < texto.size()) {
                const std::size_t bytes = DecodificarCaractere(texto, cursor).bytes;
                resultado += texto.substr(cursor, bytes);
                cursor += bytes;
            } else {
                resultado += ' ';
            }
        } else if (c == '/') {
            resultado += kSeparadorData;
        } else if (c == ':') {
            resultado += kSeparadorHora;
        } else {
            resultado += c;
        }
    }
    if (cursor < texto.size()) resultado += texto.substr(cursor);
    return resultado;
}

std::string MascaraCnpjCpf(std::string_view texto) {
    const int tamanho = ContarCaracteres(TirarEspacos(texto));
    if (tamanho == 14) return FormatarMascara(kMascaraCnpj, texto);
    if (tamanho == 11) return FormatarMascara(kMascaraCpf, texto);
    return std::string(texto);
}

std::string MascaraCep(std::string_view texto) {
    if (Vazio(texto) || SoNumeros(texto).size() != 8) return std::string(texto);
    return FormatarMascara(kMascaraCep, texto);
}

std::string MascaraCfop(std::string_view texto) {
    if (Vazio(texto)) return std::string(texto);
    return FormatarMascara(kMascaraCfop, texto);
}

std::string MascaraNcm(std::string_view texto) {
    if (Vazio(texto)) return std::string(texto);
    return FormatarMascara(kMascaraNcm, texto);
}

std::string MascaraPlaca(std::string_view texto) {
    // Only the older plates are written with a hyphen; a Mercosul plate (ABC1D23) has none.
    auto letra = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto digito = [](char c) { return c >= '0' && c <= '9'; };
    const bool antiga = texto.size() == 7 && letra(texto[0]) && letra(texto[1]) && letra(texto[2]) &&
                        digito(texto[3]) && digito(texto[4]) && digito(texto[5]) && digito(texto[6]);
    if (!antiga) return std::string(texto);
    return FormatarMascara(kMascaraPlaca, texto);
}

std::string MascaraChaveNfe(std::string_view texto) {
    const std::string chave = TirarEspacos(texto);
    if (ContarCaracteres(chave) != 44) return std::string(texto);
    std::string resultado;
    for (int grupo = 0; grupo < 11; ++grupo) {
        if (grupo > 0) resultado += ' ';
        resultado += Meio(chave, grupo * 4 + 1, 4);
    }
    return resultado;
}

std::string MascaraNumeroNF(int32_t numero) {
    const std::string texto = ZerosEsquerda(numero, 9, 0);
    return texto.substr(0, 3) + "." + texto.substr(3, 3) + "." + texto.substr(6);
}

std::string MontarEndereco(std::string_view rua, std::string_view numero, std::string_view complemento,
                           std::string_view bairro, std::string_view cidade, std::string_view uf,
                           std::string_view cep, std::string_view distrito) {
    std::string linha;
    if (!Vazio(rua)) Anexar(linha, " ", TirarEspacos(rua));
    if (numero == "0") {
        if (!linha.empty()) linha += ", S/N";
    } else if (!Vazio(numero)) {
        Anexar(linha, ", ", TirarEspacos(numero));
    }
    if (!Vazio(complemento)) Anexar(linha, " ", TirarEspacos(complemento));
    if (!Vazio(distrito))
        Anexar(linha, " - ", TirarEspacos(distrito));
    else if (!Vazio(bairro))
        Anexar(linha, " - ", TirarEspacos(bairro));
    if (!Vazio(cidade)) Anexar(linha, " - ", TirarEspacos(cidade));
    if (!Vazio(uf)) Anexar(linha, "/", uf);
    if (!Vazio(cep)) Anexar(linha, " - ", "CEP " + FormatarMascara(kMascaraCep, cep));
    return linha;
}

}  // namespace luvenor
