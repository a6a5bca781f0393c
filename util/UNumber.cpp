#include "util/UNumber.h"

#include "util/Notificador.h"
#include "util/UString.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace luvenor {
namespace {

// ---------------------------------------------------------------------------------------------
// Decimal digits of a double, written without the C/C++ locale.

// Digits are taken with 15 significant places (all integer digits for larger values), so a value
// read as 2.675 prints as 2.675 and rounds like it, whatever binary noise it carries.
constexpr int kDigitosSignificativos = 15;

struct Digitos {
    std::string digitos;  // significant digits of |x|, the first one non-zero unless x == 0
    int ponto = 0;        // how many of them stand before the decimal point (may be <= 0)
};

Digitos DigitosEmNotacaoCientifica(double magnitude, int precisao) {
    char buffer[400];
    const auto fim =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precisao).ptr;
    const std::string_view texto(buffer, static_cast<std::size_t>(fim - buffer));
    const std::size_t e = texto.find('e');
    Digitos resultado;
    for (char c : texto.substr(0, e))
        if (c != '.') resultado.digitos += c;
    std::string_view expoente = texto.substr(e + 1);
    const bool negativo = expoente.front() == '-';
    if (expoente.front() == '-' || expoente.front() == '+') expoente.remove_prefix(1);
    int valor = 0;
    std::from_chars(expoente.data(), expoente.data() + expoente.size(), valor);
    resultado.ponto = (negativo ? -valor : valor) + 1;
    return resultado;
}

// Precondition: x is finite.
Digitos DigitosDe(double x) {
    const double magnitude = std::fabs(x);
    Digitos d = DigitosEmNotacaoCientifica(magnitude, kDigitosSignificativos - 1);
    if (d.ponto > kDigitosSignificativos) d = DigitosEmNotacaoCientifica(magnitude, d.ponto - 1);
    return d;
}

struct NumeroFixo {
    bool negativo = false;
    std::string inteiro;  // integer digits without leading zeros ("" for a zero integer part)
    std::string fracao;   // exactly the requested number of decimals
};

void SomarUm(std::string& inteiro, std::string& fracao) {
    for (auto* parte : {&fracao, &inteiro}) {
        for (auto it = parte->rbegin(); it != parte->rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return;
            }
            *it = '0';
        }
    }
    inteiro.insert(inteiro.begin(), '1');
}

// |x| rounded to `casas` decimals with halves away from zero. Precondition: x is finite.
NumeroFixo ArredondarEmDecimal(double x, int casas) {
    const Digitos d = DigitosDe(x);
    const auto total = static_cast<int>(d.digitos.size());
    NumeroFixo n;
    if (d.ponto <= 0) {
        n.fracao = std::string(static_cast<std::size_t>(-d.ponto), '0') + d.digitos;
    } else if (d.ponto >= total) {
        n.inteiro = d.digitos + std::string(static_cast<std::size_t>(d.ponto - total), '0');
    } else {
        n.inteiro = d.digitos.substr(0, static_cast<std::size_t>(d.ponto));
        n.fracao = d.digitos.substr(static_cast<std::size_t>(d.ponto));
    }
    const auto corte = static_cast<std::size_t>(casas);
    const bool sobe = n.fracao.size() > corte && n.fracao[corte] >= '5';
    n.fracao.resize(corte, '0');
    if (sobe) SomarUm(n.inteiro, n.fracao);
    n.inteiro.erase(0, std::min(n.inteiro.find_first_not_of('0'), n.inteiro.size()));
    const bool zero = n.inteiro.empty() && n.fracao.find_first_not_of('0') == std::string::npos;
    n.negativo = x < 0 && !zero;
    return n;
}

std::string AgruparMilhares(const std::string& inteiro) {
    std::string resultado;
    for (std::size_t i = 0; i < inteiro.size(); ++i) {
        if (i > 0 && (inteiro.size() - i) % 3 == 0) resultado += '.';
        resultado += inteiro[i];
    }
    return resultado;
}

// Formats x with an integer pattern of "#", "0" and "," and `casas` decimals: a "0" place always
// shows a digit, a "," anywhere turns on thousands separators. Precondition: x is finite.
std::string FormatarComPadrao(double x, std::string_view padraoInteiro, int casas) {
    const NumeroFixo n = ArredondarEmDecimal(x, casas);
    const std::size_t primeiroZero = padraoInteiro.find('0');
    std::size_t minimoDigitos = 0;
    if (primeiroZero != std::string_view::npos)
        for (char c : padraoInteiro.substr(primeiroZero)) minimoDigitos += (c == '0' || c == '#');
    std::string inteiro = n.inteiro;
    if (inteiro.size() < minimoDigitos) inteiro.insert(0, minimoDigitos - inteiro.size(), '0');
    if (padraoInteiro.find(',') != std::string_view::npos) inteiro = AgruparMilhares(inteiro);
    std::string resultado = n.negativo ? "-" : "";
    resultado += inteiro;
    if (casas > 0) resultado += ',' + n.fracao;
    return resultado;
}

// The shortest general form of a number ("0", "1,5", "1000", "1E20") used in messages.
std::string FormatarGeral(double x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    if (x == 0) return "0";
    Digitos d = DigitosEmNotacaoCientifica(std::fabs(x), kDigitosSignificativos - 1);
    d.digitos.erase(d.digitos.find_last_not_of('0') + 1);
    std::string resultado = x < 0 ? "-" : "";
    if (d.ponto > kDigitosSignificativos || d.ponto < -3) {
        resultado += d.digitos.substr(0, 1);
        if (d.digitos.size() > 1) resultado += ',' + d.digitos.substr(1);
        return resultado + "E" + std::to_string(d.ponto - 1);
    }
    if (d.ponto <= 0)
        return resultado + "0," + std::string(static_cast<std::size_t>(-d.ponto), '0') + d.digitos;
    const auto ponto = static_cast<std::size_t>(d.ponto);
    if (ponto >= d.digitos.size()) return resultado + d.digitos + std::string(ponto - d.digitos.size(), '0');
    return resultado + d.digitos.substr(0, ponto) + ',' + d.digitos.substr(ponto);
}

// ---------------------------------------------------------------------------------------------
// Number texts: optional blanks, optional sign, digits with "," as the decimal separator, an
// optional exponent, optional blanks. Nothing else is a number.

struct Leitor {
    std::string_view texto;
    std::size_t pos = 0;

    bool Fim() const { return pos >= texto.size(); }
    char Atual() const { return Fim() ? '\0' : texto[pos]; }
    bool Aceitar(char c) {
        if (Atual() != c) return false;
        ++pos;
        return true;
    }
    std::string_view Digitos() {
        const std::size_t inicio = pos;
        while (Atual() >= '0' && Atual() <= '9') ++pos;
        return texto.substr(inicio, pos - inicio);
    }
    void PularBrancos() {
        while (Aceitar(' ')) {
        }
    }
};

// The parts of a number text, as written.
struct NumeroEscrito {
    bool negativo = false;
    std::string_view inteiro;
    std::string_view fracao;
    bool expoenteNegativo = false;
    std::string_view expoente;

    bool SemDigitoSignificativo() const {
        return inteiro.find_first_not_of('0') == std::string_view::npos &&
               fracao.find_first_not_of('0') == std::string_view::npos;
    }

    // Decimal exponent of the first significant digit; tells underflow from overflow.
    long long OrdemDeGrandeza() const {
        long long ordem = 0;
        for (char c : expoente) ordem = std::min(ordem * 10 + (c - '0'), 1000000LL);
        if (expoenteNegativo) ordem = -ordem;
        const std::size_t naoZero = inteiro.find_first_not_of('0');
        if (naoZero != std::string_view::npos)
            return ordem + static_cast<long long>(inteiro.size() - naoZero);
        return ordem - static_cast<long long>(fracao.find_first_not_of('0'));
    }

    // The same number in the form std::from_chars reads ("-12.5e3").
    std::string FormaC() const {
        std::string texto = negativo ? "-" : "";
        texto.append(inteiro).append(".").append(fracao).append("e");
        if (expoenteNegativo) texto += '-';
        texto.append(expoente.empty() ? "0" : expoente);
        return texto;
    }
};

std::optional<NumeroEscrito> LerNumeroEscrito(std::string_view texto) {
    Leitor leitor{texto};
    NumeroEscrito n;
    leitor.PularBrancos();
    n.negativo = leitor.Atual() == '-';
    if (!leitor.Aceitar('-')) leitor.Aceitar('+');
    n.inteiro = leitor.Digitos();
    if (leitor.Aceitar(',')) n.fracao = leitor.Digitos();
    if (n.inteiro.empty() && n.fracao.empty()) return std::nullopt;
    if (leitor.Aceitar('E') || leitor.Aceitar('e')) {
        n.expoenteNegativo = leitor.Atual() == '-';
        if (!leitor.Aceitar('-')) leitor.Aceitar('+');
        n.expoente = leitor.Digitos();
        if (n.expoente.empty()) return std::nullopt;
    }
    leitor.PularBrancos();
    if (!leitor.Fim()) return std::nullopt;
    return n;
}

bool ConverterNumero(std::string_view texto, double& valor) {
    const std::optional<NumeroEscrito> escrito = LerNumeroEscrito(texto);
    if (!escrito) return false;
    const std::string formaC = escrito->FormaC();
    double lido = 0;
    const auto [fim, erro] = std::from_chars(formaC.data(), formaC.data() + formaC.size(), lido);
    if (erro == std::errc::result_out_of_range) {
        if (!escrito->SemDigitoSignificativo() && escrito->OrdemDeGrandeza() > 0) return false;
        lido = 0;  // too small to hold: it reads as zero
    } else if (erro != std::errc() || fim != formaC.data() + formaC.size()) {
        return false;
    }
    if (!std::isfinite(lido)) return false;
    valor = lido;
    return true;
}

std::string MensagemDeLimites(std::string_view inicio, double minimo, double maximo) {
    return std::string(inicio) + "\rLimites : " + FormatarGeral(minimo) + " a " + FormatarGeral(maximo);
}

[[noreturn]] void AbortarMsc(const std::string& mensagem) {
    Notificar(mensagem);
    throw AbortoSilencioso();
}

}  // namespace

// ---------------------------------------------------------------------------------------------

std::string MSC(int a, int b, double x) {
    if (b >= a) AbortarMsc("Parametros Invalidos de MSC");
    if (!std::isfinite(x)) return "****";
    if (x > 999999999999999.0) AbortarMsc("Valor Excede Máximo da Função MSC");

    // The template's integer part with its point, then the decimals, cut to the rightmost a.
    constexpr std::string_view kModelo = "###,###,###,###,##0.";
    const int casas = std::clamp(b, 0, 8);
    std::string padrao = std::string(kModelo) + std::string(static_cast<std::size_t>(casas), '0');
    padrao.erase(0, padrao.size() - std::min(padrao.size(), static_cast<std::size_t>(std::max(a, 0))));
    const std::string inteiro = padrao.substr(0, std::min(padrao.find('.'), padrao.size()));

    const auto lugares =
        std::count_if(inteiro.begin(), inteiro.end(), [](char c) { return c == '#' || c == '0'; });
    const double limite1 = std::pow(10.0, static_cast<double>(lugares)) - 1;
    if (x <= limite1) {
        std::string padraoInteiro = inteiro;
        if (!padraoInteiro.empty() && padraoInteiro.front() == ',') padraoInteiro.front() = '#';
        return CompletarEsquerda(FormatarComPadrao(x, padraoInteiro, casas), a);
    }
    const double limite2 = std::pow(10.0, static_cast<double>(inteiro.size())) - 1 + 0.99;
    if (x <= limite2) return FormatarComPadrao(x, std::string(inteiro.size(), '#'), casas);
    return "****";
}

int CasasDecimais(int a, int b, double x) {
    // Negative values count like their absolute value: the sign says nothing about decimals.
    const double arredondado = Arredondar(a, std::fabs(x));
    const double fracao = arredondado - ParteInteira(arredondado);
    if (a <= 0 || !std::isfinite(fracao)) return std::max(b, 0);
    std::string digitos = ArredondarEmDecimal(fracao, a).fracao;
    digitos.erase(digitos.find_last_not_of('0') + 1);
    return std::max(static_cast<int>(digitos.size()), b);
}

double Arredondar(int n, double x) {
    // Every product is stored as a double on purpose: Arredondar(2, 1.005) must give 1. Once the
    // value is zero or infinite further steps change nothing, so the loops stop there.
    for (int i = 0; i < n && std::isfinite(x) && x != 0; ++i) x = x * 10;
    if (x - ParteInteira(x) >= 0.5) x = x + 1;
    x = ParteInteira(x);
    for (int i = 0; i < n && std::isfinite(x) && x != 0; ++i) x = x * 0.1;
    return x;
}

double ParteInteira(double x) {
    return std::trunc(x);
}

std::string ZerosEsquerda(double x, int w, int d) {
    d = std::max(d, 0);
    const std::int64_t limite = std::max<std::int64_t>(std::int64_t{w} + d + (d > 0 ? 1 : 0), 0);
    const std::string asteriscos(static_cast<std::size_t>(limite), '*');
    if (!std::isfinite(x)) return asteriscos;
    const NumeroFixo n = ArredondarEmDecimal(x, d);
    std::string texto = n.negativo ? "-" : "";
    texto += n.inteiro.empty() ? "0" : n.inteiro;
    if (d > 0) texto += '.' + n.fracao;
    if (static_cast<std::int64_t>(texto.size()) > limite) return asteriscos;
    if (static_cast<std::int64_t>(texto.size()) < w)
        texto.insert(0, static_cast<std::size_t>(w) - texto.size(), '0');
    return texto;
}

std::string AjustarDecimal(std::string_view texto) {
    std::string resultado(texto);
    std::replace(resultado.begin(), resultado.end(), '.', ',');
    return resultado;
}

double TextoParaValor(std::string_view texto) {
    std::string semMilhares(texto);
    std::erase(semMilhares, '.');
    if (!ValorValido(semMilhares, 0, 0)) return 0;
    double valor = 0;
    ConverterNumero(semMilhares, valor);
    return valor;
}

bool ValorValido(std::string_view texto, double minimo, double maximo) {
    if (texto.empty()) return false;
    double valor = 0;
    const bool convertido = ConverterNumero(texto, valor);
    if (!convertido) {
        Notificar(MensagemDeLimites("E Valor Inválido !", minimo, maximo), true);
        valor = 0;
    }
    if ((minimo == 0 && maximo == 0) || (minimo <= valor && valor <= maximo)) return convertido;
    Notificar(MensagemDeLimites("Valor Inválido !", minimo, maximo));
    return false;
}

std::string SoNumeros(std::string_view texto) {
    std::string resultado;
    for (char c : texto)
        if (c >= '0' && c <= '9') resultado += c;
    return resultado;
}

bool EhNumero(std::string_view texto) {
    return texto.size() == 1 && texto[0] >= '0' && texto[0] <= '9';
}

}  // namespace luvenor
