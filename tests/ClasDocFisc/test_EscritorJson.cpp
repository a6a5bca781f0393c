// The JSON writer: escaping, numbers and commas. Its output must be valid JSON for any bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ClasDocFisc/EscritorJson.h"

using namespace luvenor;

namespace {

struct CasoTexto {
    std::string entrada;
    std::string saida;
};

class TextoJsonEscapa : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextoJsonEscapa, AsExpected) {
    EXPECT_EQ(TextoJson(GetParam().entrada), GetParam().saida);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoJsonEscapa,
    ::testing::Values(CasoTexto{"", "\"\""}, CasoTexto{"a\"b\\c/", "\"a\\\"b\\\\c/\""},
                      CasoTexto{"\n\r\t", "\"\\u000a\\u000d\\u0009\""},
                      CasoTexto{std::string("a\0b", 3), "\"a\\u0000b\""},
                      CasoTexto{"\x1f\x7f", "\"\\u001f\x7f\""},
                      // Well-formed UTF-8 passes unchanged: 2, 3 and 4 bytes.
                      CasoTexto{"São Paulo €𝄞", "\"São Paulo €𝄞\""},
                      // Stray continuation, lone lead byte, truncated sequence, overlong form, surrogate and
                      // a byte never used in UTF-8: each bad byte becomes U+FFFD.
                      CasoTexto{"a\x80z", "\"a\xEF\xBF\xBDz\""}, CasoTexto{"\xC3", "\"\xEF\xBF\xBD\""},
                      CasoTexto{"\xE2\x82z", "\"\xEF\xBF\xBD\xEF\xBF\xBDz\""},
                      CasoTexto{"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
                      CasoTexto{"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
                      CasoTexto{"\xFF\"", "\"\xEF\xBF\xBD\\\"\""}));

TEST(EscritorJson, NumbersAreShortestAndLocaleFree) {
    TEscritorJson json;
    json.IniciarLista();
    json.Real(0.1 + 0.2);
    json.Real(1234.5);
    json.Real(-0.25);
    json.Real(0);
    json.Real(1e300);
    json.Real(5e-324);
    json.Inteiro(-2147483648LL);
    json.Inteiro(45000);
    json.FecharLista();
    EXPECT_EQ(json.Resultado(), "[0.30000000000000004,1234.5,-0.25,0,1e+300,5e-324,-2147483648,45000]");
}

TEST(EscritorJson, NonFiniteRealsAreNull) {
    TEscritorJson json;
    json.IniciarLista();
    json.Real(std::numeric_limits<double>::quiet_NaN());
    json.Real(std::numeric_limits<double>::infinity());
    json.Real(-std::numeric_limits<double>::infinity());
    json.FecharLista();
    EXPECT_EQ(json.Resultado(), "[null,null,null]");
}

TEST(EscritorJson, CommasBetweenValuesOnly) {
    TEscritorJson json;
    json.IniciarObjeto();
    json.Chave("a");
    json.IniciarLista();
    json.IniciarObjeto();
    json.FecharObjeto();
    json.IniciarObjeto();
    json.Chave("x");
    json.Logico(true);
    json.FecharObjeto();
    json.IniciarLista();
    json.FecharLista();
    json.FecharLista();
    json.Chave("b\"");
    json.Nulo();
    json.Chave("c");
    json.Texto("t");
    json.FecharObjeto();
    EXPECT_EQ(json.Resultado(), "{\"a\":[{},{\"x\":true},[]],\"b\\\"\":null,\"c\":\"t\"}");
}

}  // namespace
