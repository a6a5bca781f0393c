#include "ClasNFe/ConversoesNFe.h"

#include "ClasNFe/NoXml.h"
#include "util/Erros.h"
#include "util/Notificador.h"
#include "util/UDatas.h"
#include "util/UNumber.h"
#include "util/UString.h"

#include <charconv>
#include <cmath>

namespace luvenor {
namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits from `i` and tells how many there were.
size_t PularDigitos(std::string_view texto, size_t& i) {
    size_t inicio = i;
    while (i < texto.size() && Digito(texto[i])) ++i;
    return i - inicio;
}

// A number in the regional form: [sign] digits [',' digits] [exponent], with at least one digit.
bool NumeroRegional(std::string_view texto) {
    size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) ++i;
    size_t digitos = PularDigitos(texto, i);
    if (i < texto.size() && texto[i] == ',') {
        ++i;
        digitos += PularDigitos(texto, i);
    }
    if (digitos == 0) return false;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) ++i;
        if (PularDigitos(texto, i) == 0) return false;
    }
    return i == texto.size();
}

}  // namespace

std::string ConverterTexto(const NoXml& no) {
    return LimparTexto(no.Texto());
}

std::string ConverterTextoLivre(const NoXml& no) {
    return LimparTextoComQuebras(no.Texto());
}

int32_t ConverterInteiro(std::string_view texto) {
    std::string_view resto = texto;
    while (!resto.empty() && resto.front() == ' ') resto.remove_prefix(1);
    if (!resto.empty() && resto.front() == '+') resto.remove_prefix(1);
    int32_t valor = 0;
    auto [fim, erro] = std::from_chars(resto.data(), resto.data() + resto.size(), valor);
    if (resto.empty() || erro != std::errc() || fim != resto.data() + resto.size())
        throw EConvertError("'" + std::string(texto) + "' is not a valid integer value");
    return valor;
}

namespace {

// The number a regional text stands for, when it is one and finite.
bool LerRegional(const std::string& regional, double& valor) {
    if (!NumeroRegional(regional)) return false;
    std::string comPonto = regional;
    for (char& c : comPonto) {
        if (c == ',') c = '.';
    }
    const char* inicio = comPonto.data() + (comPonto.front() == '+' ? 1 : 0);
    auto [fim, erro] = std::from_chars(inicio, comPonto.data() + comPonto.size(), valor);
    return erro == std::errc() && fim == comPonto.data() + comPonto.size() && std::isfinite(valor);
}

}  // namespace

void AvisarValorInvalido(std::string_view texto, std::string_view elemento) {
    // A long hostile text is cut in the message; the element names what to mend.
    const std::string mostrado =
        texto.size() > 40 ? std::string(texto.substr(0, 40)) + "..." : std::string(texto);
    Notificar("Valor Inválido em <" + std::string(elemento) + ">: '" + mostrado + "'", true);
}

std::string ConverterTextoNumerico(std::string texto, std::string_view elemento) {
    std::string minusculas;
    for (char c : texto)
        if (c != '+' && c != '-') minusculas += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (minusculas != "nan" && minusculas != "inf" && minusculas != "infinity") return texto;
    AvisarValorInvalido(texto, elemento);
    return {};
}

double ConverterDecimal(std::string_view texto, std::string_view elemento) {
    const std::string regional = AjustarDecimal(TirarEspacos(texto));
    if (regional.empty()) return 0;
    double valor = 0;
    if (LerRegional(regional, valor) && std::fabs(valor) < MaiorValorNFe) return valor;
    AvisarValorInvalido(texto, elemento);
    return 0;
}

double ConverterDecimalEstrito(std::string_view texto) {
    std::string regional = AjustarDecimal(texto);
    double valor = 0;
    if (LerRegional(regional, valor) && std::fabs(valor) < MaiorValorNFe) return valor;
    throw EConvertError("'" + regional + "' is not a valid floating point value");
}

double ConverterData(std::string_view texto) {
    return TextoParaData(RetirarTexto(Esquerda(texto, 10), U'-'));
}

std::string ConverterHora(std::string_view texto) {
    return Meio(texto, 12, 8);
}

}  // namespace luvenor
