#include "util/Code128.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>

#include "util/Code128Decoder.h"
#include "util/Erros.h"

using namespace luvenor;
using luvenor::teste::LerCode128;
using luvenor::teste::ValoresDoPadrao;

namespace {

int SomaDosModulos(std::string_view padrao) {
    return std::accumulate(padrao.begin(), padrao.end(), 0, [](int s, char c) { return s + (c - '0'); });
}

const std::string kChaveNumerica = "35240612345678000190550010000001231000001234";
// A key whose CNPJ holds letters, as allowed since July 2026.
const std::string kChaveComLetras = "35260712ABC34501DE35550010000001231000001234";

}  // namespace

// Every symbol: widths 1 to 4 summing to 11 (13 for the stop), an even number of bar modules
// (the parity Code 128 readers rely on) and no two symbols alike.
TEST(PadraoCode128, TabelaDoPadrao) {
    std::set<std::string> vistos;
    for (int v = 0; v <= 106; ++v) {
        const std::string p = PadraoCode128(v);
        SCOPED_TRACE(v);
        ASSERT_EQ(p.size(), v == 106 ? 7u : 6u);
        int barras = 0;
        for (size_t i = 0; i < p.size(); ++i) {
            ASSERT_TRUE(p[i] >= '1' && p[i] <= '4') << p;
            if (i % 2 == 0) barras += p[i] - '0';
        }
        EXPECT_EQ(SomaDosModulos(p), v == 106 ? 13 : 11);
        EXPECT_EQ(barras % 2, 0) << p;
        EXPECT_TRUE(vistos.insert(p).second) << p;
    }
    EXPECT_EQ(PadraoCode128(0), "212222");
    EXPECT_EQ(PadraoCode128(99), "113141");
    EXPECT_EQ(PadraoCode128(100), "114131");
    EXPECT_EQ(PadraoCode128(104), "211214");
    EXPECT_EQ(PadraoCode128(105), "211232");
    EXPECT_EQ(PadraoCode128(106), "2331112");
    EXPECT_EQ(PadraoCode128(-1), "");
    EXPECT_EQ(PadraoCode128(107), "");
}

struct CasoSoDigitos {
    std::string texto;
    std::vector<int> valores;  // start to check symbol
};

class CodificarSoDigitos : public testing::TestWithParam<CasoSoDigitos> {};

TEST_P(CodificarSoDigitos, StartCParesEVerificador) {
    std::string esperado;
    for (int v : GetParam().valores) esperado += PadraoCode128(v);
    EXPECT_EQ(CodificarCode128(GetParam().texto), esperado + PadraoCode128(106));
}

INSTANTIATE_TEST_SUITE_P(
    Code128, CodificarSoDigitos,
    testing::Values(CasoSoDigitos{"", {105, 2}}, CasoSoDigitos{"00", {105, 0, 2}},
                    CasoSoDigitos{"12", {105, 12, 14}}, CasoSoDigitos{"1234", {105, 12, 34, 82}},
                    CasoSoDigitos{"07", {105, 7, 9}},
                    CasoSoDigitos{"123", {105, 12, 3, 20}},  // the odd last digit is a value of its own
                    CasoSoDigitos{"  1234 ", {105, 12, 34, 82}}));

TEST(CodificarCode128, ChaveDe44Digitos) {
    const std::string padrao = CodificarCode128(kChaveNumerica);
    EXPECT_EQ(padrao.size(), 151u);
    EXPECT_EQ(SomaDosModulos(padrao), 277);
    auto leitura = LerCode128(padrao);
    ASSERT_TRUE(leitura);
    EXPECT_EQ(leitura->texto, kChaveNumerica);
}

struct CasoMisto {
    std::string texto;
    size_t simbolos;  // start to check symbol: the fewest sets B and C allow
};

class CodificarMisto : public testing::TestWithParam<CasoMisto> {};

TEST_P(CodificarMisto, LidoDeVoltaComMenosSimbolos) {
    auto leitura = LerCode128(CodificarCode128(GetParam().texto));
    ASSERT_TRUE(leitura) << "barcode unreadable";
    EXPECT_EQ(leitura->texto, GetParam().texto);
    EXPECT_EQ(leitura->valores.size(), GetParam().simbolos);
}

INSTANTIATE_TEST_SUITE_P(Code128, CodificarMisto,
                         testing::Values(CasoMisto{"A", 3}, CasoMisto{"a b~", 6}, CasoMisto{"A12B", 6},
                                         CasoMisto{"A123B", 7},    // three digits are no shorter in set C
                                         CasoMisto{"1234AB", 7},   // Start C, 12, 34, Code B, A, B
                                         CasoMisto{"12345AB", 8},  // the odd digit after the pairs
                                         CasoMisto{"AB1234", 7},   // Code C before the pairs
                                         CasoMisto{"AB12345", 8},  // the odd digit before Code C
                                         CasoMisto{"-12", 5}, CasoMisto{"12ABC34501DE35", 16},
                                         CasoMisto{kChaveComLetras, 31}));

// Random printable ASCII, weighted towards digits so that runs of every length occur.
TEST(CodificarCode128, TextosAleatoriosLidosDeVolta) {
    std::mt19937 gerador(128);
    std::uniform_int_distribution<int> tamanho(1, 60), ascii(32, 126), moeda(0, 2);
    for (int n = 0; n < 500; ++n) {
        std::string texto;
        for (int i = tamanho(gerador); i > 0; --i)
            texto += static_cast<char>(moeda(gerador) ? '0' + ascii(gerador) % 10 : ascii(gerador));
        while (texto.front() == ' ') texto.front() = 'x';
        while (texto.back() == ' ') texto.back() = 'x';
        if (texto.find_first_not_of("0123456789") == std::string::npos) texto += 'x';
        auto leitura = LerCode128(CodificarCode128(texto));
        ASSERT_TRUE(leitura) << texto;
        ASSERT_EQ(leitura->texto, texto);
    }
}

struct CasoInvalido {
    std::string texto;
    std::string mensagem;
};

class CodificarInvalido : public testing::TestWithParam<CasoInvalido> {};

TEST_P(CodificarInvalido, ErroDeConversaoNomeiaOCaractere) {
    try {
        CodificarCode128(GetParam().texto);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(Code128, CodificarInvalido,
                         testing::Values(CasoInvalido{"São Paulo", "'ã' is not a valid integer value"},
                                         CasoInvalido{"3524\xE2\x82\xAC", "'€' is not a valid integer value"},
                                         CasoInvalido{"12\x01"
                                                      "34",
                                                      "'\\x01' is not a valid integer value"},
                                         CasoInvalido{"1\t2", "'\\x09' is not a valid integer value"},
                                         CasoInvalido{"AB\x7F", "'\\x7F' is not a valid integer value"},
                                         CasoInvalido{"\xFF"
                                                      "12",
                                                      "'\\xFF' is not a valid integer value"},
                                         CasoInvalido{"12\xC3", "'\\xC3' is not a valid integer value"}));
