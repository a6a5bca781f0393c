#include "util/Notificador.h"
#include "util/UNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>
#include <vector>

using namespace luvenor;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Mensagem {
    std::string texto;
    bool bipe;
    bool operator==(const Mensagem&) const = default;
};

void PrintTo(const Mensagem& m, std::ostream* os) {
    *os << '"' << m.texto << "\" bipe=" << m.bipe;
}

class NotificadorDeTeste : public Notificador {
public:
    void Mostrar(const std::string& mensagem, bool bipe) override { mensagens.push_back({mensagem, bipe}); }
    std::vector<Mensagem> mensagens;
};

// Captures what the helpers show during one test.
class ComNotificador : public ::testing::Test {
protected:
    NotificadorDeTeste notificador;
    NotificadorInstalado instalado{&notificador};
};

std::string Direitado(const std::string& texto, std::size_t largura) {
    return std::string(largura - texto.size(), ' ') + texto;
}

}  // namespace

// ---- MSC ------------------------------------------------------------------------------------

struct CasoMsc {
    int a;
    int b;
    double x;
    std::string esperado;
};

void PrintTo(const CasoMsc& c, std::ostream* os) {
    *os << "MSC(" << c.a << ", " << c.b << ", " << c.x << ")";
}

class MscTeste : public ::testing::TestWithParam<CasoMsc> {};

TEST_P(MscTeste, Formata) {
    const auto& c = GetParam();
    EXPECT_EQ(MSC(c.a, c.b, c.x), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Padrao1Justificado, MscTeste,
    ::testing::Values(CasoMsc{18, 2, 1234.5, Direitado("1.234,50", 18)},
                      CasoMsc{18, 2, 0, Direitado("0,00", 18)}, CasoMsc{18, 2, -5, Direitado("-5,00", 18)},
                      CasoMsc{18, 2, 999999999999.0, "999.999.999.999,00"}, CasoMsc{5, 2, 18, "18,00"},
                      CasoMsc{5, 2, 9.5, " 9,50"}, CasoMsc{5, 2, 0.5, " 0,50"},
                      CasoMsc{14, 2, 1234567.891, Direitado("1.234.567,89", 14)},
                      CasoMsc{14, 3, 2.125, Direitado("2,125", 14)},
                      CasoMsc{14, 3, 12345678, "12.345.678,000"},
                      CasoMsc{14, 4, 1234567.12345, "1.234.567,1235"},
                      CasoMsc{14, 5, 123456.5, Direitado("123.456,50000", 14)},
                      CasoMsc{14, 6, 1.23456, Direitado("1,234560", 14)},
                      CasoMsc{14, 6, 99999.5, Direitado("99.999,500000", 14)}, CasoMsc{5, 0, 123, "  123"},
                      CasoMsc{3, 2, 0.5, ",50"}));  // no integer place at all: no integer digit either

INSTANTIATE_TEST_SUITE_P(
    ArredondaMetadeParaLongeDoZero, MscTeste,
    ::testing::Values(
        CasoMsc{18, 2, 0.125, Direitado("0,13", 18)}, CasoMsc{18, 2, -0.125, Direitado("-0,13", 18)},
        CasoMsc{18, 2, 2.675, Direitado("2,68", 18)}, CasoMsc{18, 2, 1.005, Direitado("1,01", 18)},
        CasoMsc{18, 2, 0.124999, Direitado("0,12", 18)}, CasoMsc{18, 2, 999.995, Direitado("1.000,00", 18)},
        CasoMsc{18, 2, -0.001, Direitado("0,00", 18)},  // a value shown as zero has no sign
        CasoMsc{5, 2, 0.005, " 0,01"}));

INSTANTIATE_TEST_SUITE_P(
    Padrao2ELimites, MscTeste,
    ::testing::Values(CasoMsc{5, 2, 99, "99,00"},
                      CasoMsc{5, 2, 99.5, "99,50"},  // above L1: pattern 2, not padded
                      CasoMsc{5, 2, 99.99, "99,99"}, CasoMsc{5, 2, 99.991, "****"},  // above L2
                      CasoMsc{5, 2, 100, "****"},
                      CasoMsc{18, 2, 1000000000000.0, "1000000000000,00"},  // no thousands in pattern 2
                      CasoMsc{18, 2, 999999999999999.0, "999999999999999,00"},
                      CasoMsc{14, 2, 1234567890.5, "1234567890,50"}, CasoMsc{14, 5, 1234567, "1234567,00000"},
                      CasoMsc{14, 6, 999999.5, "999999,500000"}, CasoMsc{14, 2, 1e11, "****"},
                      CasoMsc{5, 0, 1234, "1234"}));

INSTANTIATE_TEST_SUITE_P(CorteAEsquerdaESemNumero, MscTeste,
                         ::testing::Values(
                             // 12 integer digits and a sign do not fit 18 characters: the sign is cut away
                             CasoMsc{18, 2, -123456789012.5, "123.456.789.012,50"},
                             CasoMsc{5, 2, -12.5, "12,50"},
                             CasoMsc{18, 2, -1234567890123456.0, "567.890.123.456,00"},
                             CasoMsc{18, 2, kNaN, "****"}, CasoMsc{18, 2, kInf, "****"},
                             CasoMsc{18, 2, -kInf, "****"}));

struct CasoMscAbortado {
    int a;
    int b;
    double x;
    std::string mensagem;
};

class MscAbortaTeste : public ComNotificador, public ::testing::WithParamInterface<CasoMscAbortado> {};

TEST_P(MscAbortaTeste, MostraAMensagemEAbortaEmSilencio) {
    const auto& c = GetParam();
    EXPECT_THROW(MSC(c.a, c.b, c.x), AbortoSilencioso);
    ASSERT_EQ(notificador.mensagens.size(), 1u);
    EXPECT_EQ(notificador.mensagens[0].texto, c.mensagem);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MscAbortaTeste,
    ::testing::Values(CasoMscAbortado{2, 2, 1, "Parametros Invalidos de MSC"},
                      CasoMscAbortado{2, 5, 1, "Parametros Invalidos de MSC"},
                      CasoMscAbortado{0, 0, kNaN, "Parametros Invalidos de MSC"},
                      CasoMscAbortado{18, 2, 1000000000000000.0, "Valor Excede Máximo da Função MSC"},
                      CasoMscAbortado{18, 2, 1e300, "Valor Excede Máximo da Função MSC"}));

// ---- Rounding and decimals ------------------------------------------------------------------

struct CasoArredondar {
    int n;
    double x;
    double esperado;
};

class ArredondarTeste : public ::testing::TestWithParam<CasoArredondar> {};

TEST_P(ArredondarTeste, PassoAPassoEmDouble) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(Arredondar(c.n, c.x), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArredondarTeste,
    ::testing::Values(CasoArredondar{2, 1.005, 1.0},   // 1.005 * 10 * 10 is just below 100.5
                      CasoArredondar{2, 2.675, 2.68},  // there the product is exactly 267.5
                      CasoArredondar{0, 2.5, 3.0}, CasoArredondar{0, 2.4999, 2.0},
                      CasoArredondar{0, -2.5, -2.0},  // negative fractions never round away
                      CasoArredondar{2, -1.559, -1.55}, CasoArredondar{3, 0.1239, 0.124},
                      CasoArredondar{1, 0.05, 0.1}, CasoArredondar{-2, 7.5, 8.0}));

TEST(Arredondar, NaoPendeComNEnormeNemComValorInfinito) {
    EXPECT_TRUE(std::isinf(Arredondar(std::numeric_limits<int>::max(), 1.0)));
    EXPECT_EQ(Arredondar(std::numeric_limits<int>::max(), 0.0), 0.0);
    EXPECT_TRUE(std::isinf(Arredondar(2, kInf)));
    EXPECT_TRUE(std::isnan(Arredondar(2, kNaN)));
}

TEST(ParteInteira, CortaEmDirecaoAoZero) {
    EXPECT_EQ(ParteInteira(2.9), 2.0);
    EXPECT_EQ(ParteInteira(-2.9), -2.0);
}

struct CasoCasas {
    int a;
    int b;
    double x;
    int esperado;
};

class CasasDecimaisTeste : public ::testing::TestWithParam<CasoCasas> {};

TEST_P(CasasDecimaisTeste, ContaOsDecimaisSignificativos) {
    const auto& c = GetParam();
    EXPECT_EQ(CasasDecimais(c.a, c.b, c.x), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CasasDecimaisTeste,
    ::testing::Values(CasoCasas{3, 2, 7, 2}, CasoCasas{3, 2, 0.1239, 3},  // 0.124 after rounding
                      CasoCasas{6, 2, 10.5, 2}, CasoCasas{3, 2, 2.5, 2}, CasoCasas{3, 2, 2.125, 3},
                      CasoCasas{6, 2, 1.23456, 5}, CasoCasas{6, 2, 1.2345678, 6},
                      CasoCasas{3, 2, 0.9996, 2},  // rounds to 1
                      CasoCasas{3, 0, 5, 0}, CasoCasas{3, 0, 5.1, 1},
                      CasoCasas{6, 2, -1.23456, 5},  // negative values count as their absolute value
                      CasoCasas{3, 2, -2.125, 3}, CasoCasas{0, 2, 1.5, 2}, CasoCasas{3, 2, kNaN, 2}));

// ---- Zero-filled numbers --------------------------------------------------------------------

struct CasoZeros {
    double x;
    int w;
    int d;
    std::string esperado;
};

class ZerosEsquerdaTeste : public ::testing::TestWithParam<CasoZeros> {};

TEST_P(ZerosEsquerdaTeste, PreencheOuDaAsteriscos) {
    const auto& c = GetParam();
    EXPECT_EQ(ZerosEsquerda(c.x, c.w, c.d), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ZerosEsquerdaTeste,
    ::testing::Values(CasoZeros{1234, 9, 0, "000001234"}, CasoZeros{1234567890, 9, 0, "*********"},
                      CasoZeros{999999999.5, 9, 0, "*********"},  // rounds up to ten digits
                      CasoZeros{999999999, 9, 0, "999999999"}, CasoZeros{0, 3, 0, "000"},
                      CasoZeros{0.5, 3, 0, "001"}, CasoZeros{1.5, 5, 2, "01.50"},
                      CasoZeros{2.675, 1, 2, "2.68"},
                      CasoZeros{12345.678, 5, 2, "12345.68"},  // longer than w but within w + d + 1: not cut
                      CasoZeros{123456.7, 5, 2, "********"}, CasoZeros{kNaN, 9, 0, "*********"},
                      CasoZeros{kInf, 3, 2, "******"}, CasoZeros{-kInf, 2, 0, "**"},
                      CasoZeros{5, -3, 0, ""}));

// ---- Number texts ---------------------------------------------------------------------------

TEST(AjustarDecimal, TrocaPontoPorVirgula) {
    EXPECT_EQ(AjustarDecimal("1234.56"), "1234,56");
    EXPECT_EQ(AjustarDecimal("1.2.3"), "1,2,3");
    EXPECT_EQ(AjustarDecimal(""), "");
}

struct CasoValor {
    std::string texto;
    double esperado;
};

class TextoParaValorTeste : public ComNotificador, public ::testing::WithParamInterface<CasoValor> {};

TEST_P(TextoParaValorTeste, ConverteSemMensagem) {
    EXPECT_DOUBLE_EQ(TextoParaValor(GetParam().texto), GetParam().esperado);
    EXPECT_TRUE(notificador.mensagens.empty());
}

INSTANTIATE_TEST_SUITE_P(Validos, TextoParaValorTeste,
                         ::testing::Values(CasoValor{"", 0}, CasoValor{"1.234,5", 1234.5},
                                           CasoValor{"1234,56", 1234.56},
                                           CasoValor{"1.5", 15},  // "." is a thousands separator here
                                           CasoValor{"  -12,5  ", -12.5}, CasoValor{"+3", 3},
                                           CasoValor{",5", 0.5}, CasoValor{"5,", 5}, CasoValor{"1,5E3", 1500},
                                           CasoValor{"1,5e-2", 0.015}, CasoValor{"2E+2", 200},
                                           CasoValor{"0", 0},
                                           CasoValor{"1e-999", 0}));  // too small to hold reads as zero

class TextoParaValorInvalidoTeste : public ComNotificador,
                                    public ::testing::WithParamInterface<std::string> {};

TEST_P(TextoParaValorInvalidoTeste, BipaMostraEDaZero) {
    EXPECT_EQ(TextoParaValor(GetParam()), 0.0);
    const std::vector<Mensagem> esperado{{"E Valor Inválido !\rLimites : 0 a 0", true}};
    EXPECT_EQ(notificador.mensagens, esperado);
}

INSTANTIATE_TEST_SUITE_P(Invalidos, TextoParaValorInvalidoTeste,
                         ::testing::Values("abc", "12a", "1,2,3", "--1", "- 1", "E5", "1E", "1E+", "   ", ",",
                                           "1 2", "\t5", "1E999", "0x10", "inf", "nan", "１"));

TEST(AjustarDecimalETextoParaValor, NumeroDoXml) {
    EXPECT_DOUBLE_EQ(TextoParaValor(AjustarDecimal("1234.56")), 1234.56);
    EXPECT_DOUBLE_EQ(TextoParaValor(AjustarDecimal("0.0001")), 0.0001);
}

struct CasoValido {
    std::string texto;
    double minimo;
    double maximo;
    bool esperado;
    std::vector<Mensagem> mensagens;
};

class ValorValidoTeste : public ComNotificador, public ::testing::WithParamInterface<CasoValido> {};

TEST_P(ValorValidoTeste, ResultadoEMensagens) {
    const auto& c = GetParam();
    EXPECT_EQ(ValorValido(c.texto, c.minimo, c.maximo), c.esperado);
    EXPECT_EQ(notificador.mensagens, c.mensagens);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValorValidoTeste,
    ::testing::Values(CasoValido{"", 1, 10, false, {}}, CasoValido{"5", 1, 10, true, {}},
                      CasoValido{"1", 1, 10, true, {}}, CasoValido{"10", 1, 10, true, {}},
                      CasoValido{"-7", 0, 0, true, {}},
                      CasoValido{"11", 1, 10, false, {{"Valor Inválido !\rLimites : 1 a 10", false}}},
                      CasoValido{"1,5", 2, 1000, false, {{"Valor Inválido !\rLimites : 2 a 1000", false}}},
                      CasoValido{"3", 1.5, 2.25, false, {{"Valor Inválido !\rLimites : 1,5 a 2,25", false}}},
                      CasoValido{"x", 0, 0, false, {{"E Valor Inválido !\rLimites : 0 a 0", true}}},
                      // a failed conversion counts as 0; out of the limits it is shown a second time
                      CasoValido{"x",
                                 1,
                                 10,
                                 false,
                                 {{"E Valor Inválido !\rLimites : 1 a 10", true},
                                  {"Valor Inválido !\rLimites : 1 a 10", false}}},
                      CasoValido{"x", -1, 1, false, {{"E Valor Inválido !\rLimites : -1 a 1", true}}},
                      CasoValido{"x",
                                 0.00001,
                                 1e20,
                                 false,
                                 {{"E Valor Inválido !\rLimites : 1E-5 a 1E20", true},
                                  {"Valor Inválido !\rLimites : 1E-5 a 1E20", false}}},
                      CasoValido{"x",
                                 0.0001,
                                 123456789012345.0,
                                 false,
                                 {{"E Valor Inválido !\rLimites : 0,0001 a 123456789012345", true},
                                  {"Valor Inválido !\rLimites : 0,0001 a 123456789012345", false}}}));

TEST(SoNumeros, GuardaSoDigitosEmOrdem) {
    EXPECT_EQ(SoNumeros("12.345-678/ab9"), "123456789");
    EXPECT_EQ(SoNumeros("ação"), "");
    EXPECT_EQ(SoNumeros(""), "");
}

TEST(EhNumero, SoUmDigito) {
    EXPECT_TRUE(EhNumero("0"));
    EXPECT_TRUE(EhNumero("9"));
    EXPECT_FALSE(EhNumero("a"));
    EXPECT_FALSE(EhNumero("12"));
    EXPECT_FALSE(EhNumero(""));
}

TEST(Escolher, PrimeiroQuandoVerdadeiro) {
    EXPECT_EQ(Escolher(true, 1, 2), 1);
    EXPECT_EQ(Escolher(false, std::string("a"), std::string("b")), "b");
}

// ---- Independence from the machine's locale -------------------------------------------------

namespace {

// A numeric punctuation unlike the Brazilian one, to catch any use of the C++ locale.
class PontuacaoEstranha : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return '!'; }
    char do_thousands_sep() const override { return '_'; }
    std::string do_grouping() const override { return "\2"; }
};

// Switches the C and C++ global locales for one test and restores them afterwards.
class LocaleTrocado : public ComNotificador {
protected:
    void SetUp() override {
        anteriorC_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "C.UTF-8")) std::setlocale(LC_ALL, "POSIX");
        anteriorCpp_ = std::locale::global(std::locale(std::locale::classic(), new PontuacaoEstranha));
    }
    void TearDown() override {
        std::locale::global(anteriorCpp_);
        std::setlocale(LC_ALL, anteriorC_.c_str());
    }

private:
    std::string anteriorC_;
    std::locale anteriorCpp_;
};

}  // namespace

TEST_F(LocaleTrocado, FormatosContinuamBrasileiros) {
    EXPECT_EQ(MSC(18, 2, 1234567.5), Direitado("1.234.567,50", 18));
    EXPECT_EQ(MSC(5, 2, 99.5), "99,50");
    EXPECT_EQ(ZerosEsquerda(1.5, 5, 2), "01.50");
    EXPECT_DOUBLE_EQ(TextoParaValor("1.234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(TextoParaValor(AjustarDecimal("0.25")), 0.25);
    EXPECT_FALSE(ValorValido("3,5", 1, 2.5));
    EXPECT_EQ(CasasDecimais(6, 2, 1.23456), 5);
    ASSERT_EQ(notificador.mensagens.size(), 1u);
    EXPECT_EQ(notificador.mensagens[0].texto, "Valor Inválido !\rLimites : 1 a 2,5");
}
