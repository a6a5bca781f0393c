#include "util/Erros.h"
#include "util/UDatas.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

using namespace luvenor;

// ---- Day counts -----------------------------------------------------------------------------

struct CasoData {
    int ano;
    int mes;
    int dia;
    double dias;
};

void PrintTo(const CasoData& c, std::ostream* os) {
    *os << c.ano << '-' << c.mes << '-' << c.dia << " = " << c.dias;
}

class DiasDaDataTeste : public ::testing::TestWithParam<CasoData> {};

TEST_P(DiasDaDataTeste, CodificaEDecodifica) {
    const auto& c = GetParam();
    EXPECT_EQ(CodificarData(c.ano, c.mes, c.dia), c.dias);
    int ano = -1, mes = -1, dia = -1;
    // the time of day does not move the date (before the origin the fraction counts away from 0)
    DecodificarData(c.dias < 0 ? c.dias - 0.75 : c.dias + 0.75, ano, mes, dia);
    EXPECT_EQ(ano, c.ano);
    EXPECT_EQ(mes, c.mes);
    EXPECT_EQ(dia, c.dia);
}

INSTANTIATE_TEST_SUITE_P(Casos, DiasDaDataTeste,
                         ::testing::Values(CasoData{1899, 12, 30, 0}, CasoData{1899, 12, 31, 1},
                                           CasoData{1900, 1, 1, 2},
                                           CasoData{1900, 3, 1, 61},  // 1900 was not a leap year
                                           CasoData{2000, 1, 1, 36526}, CasoData{2000, 2, 29, 36585},
                                           CasoData{2024, 2, 29, 45351}, CasoData{2024, 12, 31, 45657},
                                           CasoData{1, 1, 1, -693593}, CasoData{9999, 12, 31, 2958465}));

struct CasoDataInvalida {
    int ano;
    int mes;
    int dia;
};

class DataInvalidaTeste : public ::testing::TestWithParam<CasoDataInvalida> {};

TEST_P(DataInvalidaTeste, RecusaSemMexerNoResultado) {
    const auto& c = GetParam();
    double data = 123;
    EXPECT_FALSE(TentarCodificarData(c.ano, c.mes, c.dia, data));
    EXPECT_EQ(data, 123);
    EXPECT_THROW(CodificarData(c.ano, c.mes, c.dia), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Casos, DataInvalidaTeste,
                         ::testing::Values(CasoDataInvalida{2023, 2, 29}, CasoDataInvalida{1900, 2, 29},
                                           CasoDataInvalida{2024, 4, 31}, CasoDataInvalida{2024, 13, 1},
                                           CasoDataInvalida{2024, 0, 1}, CasoDataInvalida{2024, 1, 0},
                                           CasoDataInvalida{0, 1, 1}, CasoDataInvalida{10000, 1, 1},
                                           CasoDataInvalida{-5, 1, 1}));

TEST(DecodificarData, DiaForaDoCalendarioDaZeros) {
    for (double data : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        2958466.0, -693594.0, 1e300}) {
        int ano = -1, mes = -1, dia = -1;
        DecodificarData(data, ano, mes, dia);
        EXPECT_EQ(ano, 0) << data;
        EXPECT_EQ(mes, 0);
        EXPECT_EQ(dia, 0);
    }
}

TEST(DecodificarData, DiaNegativoComHoraFicaNoDiaCortadoParaZero) {
    int ano = 0, mes = 0, dia = 0;
    DecodificarData(-1.25, ano, mes, dia);
    EXPECT_EQ(dia, 29);
    EXPECT_EQ(mes, 12);
    EXPECT_EQ(ano, 1899);
}

TEST(CodificarHora, FracaoDoDia) {
    EXPECT_DOUBLE_EQ(CodificarHora(0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(CodificarHora(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(CodificarHora(18, 30, 0), 0.770833333333333333);
    EXPECT_DOUBLE_EQ(CodificarHora(23, 59, 59), 86399.0 / 86400.0);
    EXPECT_THROW(CodificarHora(24, 0, 0), EConvertError);
    EXPECT_THROW(CodificarHora(10, 60, 0), EConvertError);
    EXPECT_THROW(CodificarHora(10, 0, -1), EConvertError);
}

// ---- Texts ----------------------------------------------------------------------------------

struct CasoDataParaTexto {
    double data;
    std::string esperado;
};

class DataParaTextoTeste : public ::testing::TestWithParam<CasoDataParaTexto> {};

TEST_P(DataParaTextoTeste, DiaMesAno) {
    EXPECT_EQ(DataParaTexto(GetParam().data), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DataParaTextoTeste,
    ::testing::Values(CasoDataParaTexto{0, "          "}, CasoDataParaTexto{45351, "29/02/2024"},
                      CasoDataParaTexto{45351.999, "29/02/2024"}, CasoDataParaTexto{1, "31/12/1899"},
                      CasoDataParaTexto{0.5, "30/12/1899"},  // only the zero date is "no date"
                      CasoDataParaTexto{-693593, "01/01/0001"}, CasoDataParaTexto{2958465, "31/12/9999"},
                      CasoDataParaTexto{1e12, "          "},
                      CasoDataParaTexto{std::numeric_limits<double>::quiet_NaN(), "          "}));

struct CasoDataVazia {
    std::string texto;
    bool vazia;
};

class DataVaziaTeste : public ::testing::TestWithParam<CasoDataVazia> {};

TEST_P(DataVaziaTeste, Responde) {
    EXPECT_EQ(DataVazia(GetParam().texto), GetParam().vazia) << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DataVaziaTeste,
    ::testing::Values(CasoDataVazia{"", true}, CasoDataVazia{"   ", true}, CasoDataVazia{"\t\r\n", true},
                      CasoDataVazia{"00/00/0000", true}, CasoDataVazia{"00", true},
                      CasoDataVazia{"  /  /    ", true}, CasoDataVazia{"  x", true},
                      CasoDataVazia{"30/12/1899", true}, CasoDataVazia{"          ", true},
                      CasoDataVazia{"29/02/2024", false}, CasoDataVazia{"01/01/2000", false},
                      CasoDataVazia{"31/12/1899", false}, CasoDataVazia{" 30/12/1899", false},
                      CasoDataVazia{"0", false}, CasoDataVazia{"01/00/0000", false}));

TEST(DataVaziaEDataParaTexto, ZeroNaoEData) {
    EXPECT_TRUE(DataVazia(DataParaTexto(0)));
    EXPECT_FALSE(DataVazia(DataParaTexto(45351)));
}

struct CasoTextoParaData {
    std::string texto;
    double esperado;
};

class TextoParaDataTeste : public ::testing::TestWithParam<CasoTextoParaData> {};

TEST_P(TextoParaDataTeste, AnoMesDia) {
    EXPECT_EQ(TextoParaData(GetParam().texto), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoParaDataTeste,
                         ::testing::Values(CasoTextoParaData{"20240229", 45351},
                                           CasoTextoParaData{"20000101", 36526},
                                           CasoTextoParaData{"18991231", 1},
                                           CasoTextoParaData{"99991231", 2958465}));

class TextoParaDataInvalidoTeste : public ::testing::TestWithParam<std::string> {};

TEST_P(TextoParaDataInvalidoTeste, FalhaComOTextoSemData) {
    try {
        TextoParaData(GetParam());
        FAIL() << "no error for \"" << GetParam() << '"';
    } catch (const EConvertError& erro) {
        EXPECT_STREQ(erro.what(), "'  /  /  ' is not a valid date");
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoParaDataInvalidoTeste,
                         ::testing::Values("20230229", "", "2024022", "2024-02-29", "00000000", "20241301",
                                           "20240100", "2024 2 9", "abcdefgh", "+2024+1+1", "         "));

// ---- Independence from the machine's locale -------------------------------------------------

TEST(DatasComOutroLocale, FormatoContinuaBrasileiro) {
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "C.UTF-8")) std::setlocale(LC_ALL, "POSIX");
    const std::locale anteriorCpp = std::locale::global(std::locale::classic());
    EXPECT_EQ(DataParaTexto(45351), "29/02/2024");
    EXPECT_EQ(TextoParaData("20240229"), 45351);
    std::locale::global(anteriorCpp);
    std::setlocale(LC_ALL, anterior.c_str());
}
