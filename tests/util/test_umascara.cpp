#include "util/UMascara.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

using namespace luvenor;

namespace {

const std::string kChave = "35240112345678000195550010000012341000012345";
const std::string kChaveAgrupada = "3524 0112 3456 7800 0195 5500 1000 0012 3410 0001 2345";

}  // namespace

struct CasoMascara {
    std::string nome;
    std::function<std::string(std::string_view)> mascara;
    std::string entrada;
    std::string esperado;
};

void PrintTo(const CasoMascara& c, std::ostream* os) {
    *os << c.nome << "(\"" << c.entrada << "\")";
}

class MascaraTeste : public ::testing::TestWithParam<CasoMascara> {};

TEST_P(MascaraTeste, Formata) {
    const auto& c = GetParam();
    EXPECT_EQ(c.mascara(c.entrada), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    CnpjCpf, MascaraTeste,
    ::testing::Values(CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "12345678000195", "12.345.678/0001-95"},
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "12345678909", "123.456.789-09"},
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "123456789012", "123456789012"},
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "1234567890123", "1234567890123"},
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "", ""},
                      // the mask goes over the untouched text: a leading blank shifts every literal
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, " 12345678000195", " 1.234.567/8000-195"},
                      CasoMascara{"MascaraCnpjCpf", MascaraCnpjCpf, "12345678909 ", "123.456.789-09 "}));

INSTANTIATE_TEST_SUITE_P(Cep, MascaraTeste,
                         ::testing::Values(CasoMascara{"MascaraCep", MascaraCep, "01310100", "01310-100"},
                                           CasoMascara{"MascaraCep", MascaraCep, "0131010", "0131010"},
                                           CasoMascara{"MascaraCep", MascaraCep, "01310-100", "01310--100"},
                                           CasoMascara{"MascaraCep", MascaraCep, "013101001", "013101001"},
                                           CasoMascara{"MascaraCep", MascaraCep, "", ""},
                                           CasoMascara{"MascaraCep", MascaraCep, "   ", "   "}));

INSTANTIATE_TEST_SUITE_P(CfopNcmPlaca, MascaraTeste,
                         ::testing::Values(CasoMascara{"MascaraCfop", MascaraCfop, "5102", "5.102 "},
                                           CasoMascara{"MascaraCfop", MascaraCfop, "  ", "  "},
                                           CasoMascara{"MascaraNcm", MascaraNcm, "84713012", "8471.30.12"},
                                           CasoMascara{"MascaraNcm", MascaraNcm, "00", "00  .  .  "},
                                           CasoMascara{"MascaraNcm", MascaraNcm, "", ""},
                                           CasoMascara{"MascaraPlaca", MascaraPlaca, "abc1234",
                                                       "abc-1234"},  // no case change
                                           CasoMascara{"MascaraPlaca", MascaraPlaca, "ABC1D23", "ABC1D23"},
                                           CasoMascara{"MascaraPlaca", MascaraPlaca, "ABC12345", "ABC12345"},
                                           CasoMascara{"MascaraPlaca", MascaraPlaca, "AB1234", "AB1234"},
                                           CasoMascara{"MascaraPlaca", MascaraPlaca, " ", " "}));

INSTANTIATE_TEST_SUITE_P(
    ChaveNfe, MascaraTeste,
    ::testing::Values(CasoMascara{"MascaraChaveNfe", MascaraChaveNfe, kChave, kChaveAgrupada},
                      CasoMascara{"MascaraChaveNfe", MascaraChaveNfe, "  " + kChave + " ", kChaveAgrupada},
                      CasoMascara{"MascaraChaveNfe", MascaraChaveNfe, kChave.substr(1), kChave.substr(1)},
                      CasoMascara{"MascaraChaveNfe", MascaraChaveNfe, kChave + "1", kChave + "1"},
                      CasoMascara{"MascaraChaveNfe", MascaraChaveNfe, "", ""}));

TEST(MascaraChaveNfe, TemCinquentaEQuatroCaracteres) {
    EXPECT_EQ(MascaraChaveNfe(kChave).size(), 54u);
}

struct CasoFormatar {
    std::string mascara;
    std::string entrada;
    std::string esperado;
};

class FormatarMascaraTeste : public ::testing::TestWithParam<CasoFormatar> {};

TEST_P(FormatarMascaraTeste, Formata) {
    EXPECT_EQ(FormatarMascara(GetParam().mascara, GetParam().entrada), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormatarMascaraTeste,
    ::testing::Values(
        // input left over when the pattern ends is kept
        CasoFormatar{"##\\.###\\.###\\/####\\-##;0;", "123456789012345", "12.345.678/9012-345"},
        CasoFormatar{"99999\\-999;0;", "123", "123  -   "}, CasoFormatar{"99999\\-999;0;", "", "     -   "},
        CasoFormatar{"9\\.99aa;0;", "5102", "5.102 "},
        CasoFormatar{"LL0;0;", "çã5", "çã5"},               // a position takes a whole character
        CasoFormatar{"00/00:00;0;", "123456", "12/34:56"},  // date and time separators
        CasoFormatar{"0\\\\0;0;", "12", "1\\2"},            // an escaped backslash
        CasoFormatar{"0-0;1;_", "12", "1-2"},               // fields after ";" produce nothing
        CasoFormatar{"0\\;0;0;", "12", "1;2"},              // an escaped ";" is a literal
        CasoFormatar{"", "abc", "abc"}));

struct CasoNumeroNF {
    int32_t numero;
    std::string esperado;
};

class MascaraNumeroNFTeste : public ::testing::TestWithParam<CasoNumeroNF> {};

TEST_P(MascaraNumeroNFTeste, TresGruposDeTres) {
    EXPECT_EQ(MascaraNumeroNF(GetParam().numero), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, MascaraNumeroNFTeste,
                         ::testing::Values(CasoNumeroNF{0, "000.000.000"}, CasoNumeroNF{5, "000.000.005"},
                                           CasoNumeroNF{123456, "000.123.456"},
                                           CasoNumeroNF{999999999, "999.999.999"},
                                           CasoNumeroNF{1000000000, "***.***.***"},
                                           CasoNumeroNF{std::numeric_limits<int32_t>::max(), "***.***.***"}));

struct CasoEndereco {
    std::string rua, numero, complemento, bairro, cidade, uf, cep, distrito;
    std::string esperado;
};

class MontarEnderecoTeste : public ::testing::TestWithParam<CasoEndereco> {};

TEST_P(MontarEnderecoTeste, UmaLinha) {
    const auto& c = GetParam();
    EXPECT_EQ(MontarEndereco(c.rua, c.numero, c.complemento, c.bairro, c.cidade, c.uf, c.cep, c.distrito),
              c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MontarEnderecoTeste,
    ::testing::Values(CasoEndereco{"Rua das Flores", "0", "", "", "", "", "", "", "Rua das Flores, S/N"},
                      CasoEndereco{"", "0", "", "", "", "", "", "", ""},
                      CasoEndereco{"", "", "", "", "", "SP", "01310100", "", "SP - CEP 01310-100"},
                      CasoEndereco{"Rua A", "0", "", "Centro", "Cidade", "SP", "01310100", "",
                                   "Rua A, S/N - Centro - Cidade/SP - CEP 01310-100"},
                      CasoEndereco{" Rua B ", " 12 ", " Sala 3 ", "", "", "", "", "", "Rua B, 12 Sala 3"},
                      CasoEndereco{"", "12", "fundos", "", "", "", "", "", "12 fundos"},
                      CasoEndereco{"Rua B", " 0", "", "", "", "", "", "",
                                   "Rua B, 0"},  // "0" is compared untrimmed
                      CasoEndereco{"Rua C", "10", "", "Bairro X", "Cid", "MG", "", "Distrito Y",
                                   "Rua C, 10 - Distrito Y - Cid/MG"},
                      CasoEndereco{"", "", "", "Centro", "Cidade", "", "", "", "Centro - Cidade"},
                      CasoEndereco{"", "", "", "", "Cidade", " SP", "", "", "Cidade/ SP"},  // state untrimmed
                      CasoEndereco{"", "", "", "", "", "", "123", "", "CEP 123  -   "},     // no 8-digit test
                      CasoEndereco{"Av. São João", "", "", "", "", "", "", "", "Av. São João"},
                      CasoEndereco{"   ", "   ", "   ", "   ", "   ", "   ", "   ", "   ", ""}));
