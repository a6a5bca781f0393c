#include "util/UString.h"

#include <gtest/gtest.h>

#include <string>

using namespace luvenor;

// ---- Trimming and cleaning ------------------------------------------------------------------

struct CasoTexto {
    std::string entrada;
    std::string esperado;
};

class TirarEspacosTeste : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TirarEspacosTeste, RemoveCodigosAte32NasPontas) {
    EXPECT_EQ(TirarEspacos(GetParam().entrada), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, TirarEspacosTeste,
                         ::testing::Values(CasoTexto{"", ""}, CasoTexto{"   ", ""},
                                           CasoTexto{"\t a b \r\n", "a b"}, CasoTexto{"\x01x\x1F", "x"},
                                           CasoTexto{" ação ", "ação"},  // bytes above 127 are never trimmed
                                           CasoTexto{"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"}));

TEST(Vazio, SoOEspacoContaComoBranco) {
    EXPECT_TRUE(Vazio(""));
    EXPECT_TRUE(Vazio("   "));
    EXPECT_FALSE(Vazio("\t"));
    EXPECT_FALSE(Vazio(" a "));
    EXPECT_FALSE(Vazio(std::string(" \0", 2)));
}

class LimparTextoTeste : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(LimparTextoTeste, RetiraQuebrasEApara) {
    EXPECT_EQ(LimparTexto(GetParam().entrada), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LimparTextoTeste,
    ::testing::Values(
        CasoTexto{"a\r\nb", "ab"}, CasoTexto{"a\rb\nc\n\rd", "abcd"},
        CasoTexto{"linha 1\r\nlinha 2", "linha 1linha 2"},
        // the text already is UTF-8: accented letters keep their two bytes, nothing is re-encoded
        CasoTexto{" a\xC3\xA7\xC3\xA3o\r\n", "a\xC3\xA7\xC3\xA3o"}, CasoTexto{"\r\n  x  \r\n", "x"}));

TEST(LimparTextoComQuebras, CadaQuebraViraUmCrEAsPalavrasFicamSeparadas) {
    EXPECT_EQ(LimparTextoComQuebras("expedi\xC3\xA7\xC3\xA3o\nVolume 002"),
              "expedi\xC3\xA7\xC3\xA3o\rVolume 002");
    EXPECT_EQ(LimparTextoComQuebras("a\r\nb\rc\n\rd"), "a\rb\rc\r\rd");
    EXPECT_EQ(LimparTextoComQuebras(" \r\n x \n"), "x");
}

TEST(RetirarQuebras, NaoAparaNemConverte) {
    EXPECT_EQ(RetirarQuebras(" São\r\n "), " São ");
    EXPECT_EQ(RetirarQuebras("\r\n\r\n"), "");
}

// ---- Filling and cutting --------------------------------------------------------------------

struct CasoCorte {
    std::string entrada;
    int n;
    std::string esperado;
};

class AjustarTamanhoTeste : public ::testing::TestWithParam<CasoCorte> {};

TEST_P(AjustarTamanhoTeste, DaExatamenteNCaracteres) {
    EXPECT_EQ(AjustarTamanho(GetParam().entrada, GetParam().n), GetParam().esperado);
    EXPECT_EQ(CompletarDireita(GetParam().entrada, GetParam().n), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, AjustarTamanhoTeste,
                         ::testing::Values(CasoCorte{"1", 3, "1  "}, CasoCorte{"12345", 3, "123"},
                                           CasoCorte{"123", 3, "123"}, CasoCorte{"", 2, "  "},
                                           CasoCorte{"AÇÚCAR", 3, "AÇÚ"},  // never splits a character
                                           CasoCorte{"AÇ", 4, "AÇ  "},     // pads by characters, not bytes
                                           CasoCorte{"abc", 0, ""}, CasoCorte{"abc", -2, ""}));

class CompletarEsquerdaTeste : public ::testing::TestWithParam<CasoCorte> {};

TEST_P(CompletarEsquerdaTeste, GuardaOsUltimosNCaracteres) {
    EXPECT_EQ(CompletarEsquerda(GetParam().entrada, GetParam().n), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, CompletarEsquerdaTeste,
                         ::testing::Values(CasoCorte{"1", 3, "  1"}, CasoCorte{"12345", 3, "345"},
                                           CasoCorte{"AÇÚCAR", 4, "ÚCAR"}, CasoCorte{"ÇÃ", 4, "  ÇÃ"},
                                           CasoCorte{"abc", -1, ""}));

class EsquerdaTeste : public ::testing::TestWithParam<CasoCorte> {};

TEST_P(EsquerdaTeste, PrimeirosNCaracteres) {
    EXPECT_EQ(Esquerda(GetParam().entrada, GetParam().n), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, EsquerdaTeste,
                         ::testing::Values(CasoCorte{"abc", 2, "ab"}, CasoCorte{"abc", 5, "abc"},
                                           CasoCorte{"São Paulo", 2, "Sã"}, CasoCorte{"abc", 0, ""},
                                           CasoCorte{"abc", -1, ""},
                                           CasoCorte{"\xC3", 1, "\xC3"}));  // a broken byte is kept, not lost

class DireitaTeste : public ::testing::TestWithParam<CasoCorte> {};

TEST_P(DireitaTeste, UltimosNCaracteres) {
    EXPECT_EQ(Direita(GetParam().entrada, GetParam().n), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DireitaTeste,
    ::testing::Values(CasoCorte{"abcde", 2, "de"}, CasoCorte{"abc", 3, "abc"}, CasoCorte{"abc", 5, "abc"},
                      CasoCorte{"ÁÉÍ", 2, "ÉÍ"}, CasoCorte{"abc", 0, ""}, CasoCorte{"abc", -4, ""},
                      CasoCorte{std::string(300, 'x') + "yz", 2, "yz"}));  // no 8-bit wrap on long texts

struct CasoMeio {
    std::string entrada;
    int posicao;
    int n;
    std::string esperado;
};

class MeioTeste : public ::testing::TestWithParam<CasoMeio> {};

TEST_P(MeioTeste, NCaracteresAPartirDaPosicao) {
    const auto& c = GetParam();
    EXPECT_EQ(Meio(c.entrada, c.posicao, c.n), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, MeioTeste,
                         ::testing::Values(CasoMeio{"abcdef", 2, 3, "bcd"}, CasoMeio{"abcdef", 5, 10, "ef"},
                                           CasoMeio{"abc", 4, 1, ""},
                                           CasoMeio{"abc", 0, 2, "ab"},  // positions below 1 count as 1
                                           CasoMeio{"abc", -7, 1, "a"}, CasoMeio{"abc", 2, 0, ""},
                                           CasoMeio{"abc", 2, -1, ""}, CasoMeio{"AÇÚCAR", 2, 2, "ÇÚ"},
                                           CasoMeio{std::string(300, 'x') + "yz", 301, 2, "yz"}));

TEST(Espacos, ContagemNegativaDaTextoVazio) {
    EXPECT_EQ(Espacos(3), "   ");
    EXPECT_EQ(Espacos(0), "");
    EXPECT_EQ(Espacos(-3), "");
    EXPECT_EQ(Espacos(300).size(), 300u);
}

// ---- Removing characters and upper case -----------------------------------------------------

TEST(RetirarTexto, RemoveTodasAsOcorrenciasDoCaractere) {
    EXPECT_EQ(RetirarTexto("2024-02-29", U'-'), "20240229");
    EXPECT_EQ(RetirarTexto("AÇÚÇAR", U'Ç'), "AÚAR");
    EXPECT_EQ(RetirarTexto("ação", U'a'), "ção");
    EXPECT_EQ(RetirarTexto("abc", U'x'), "abc");
    // U+00C3 must not match the lead byte 0xC3 of "ç"
    EXPECT_EQ(RetirarTexto("ç", U'\u00C3'), "ç");
}

class MaiusculasTeste : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(MaiusculasTeste, ConverteLetrasLatinas) {
    EXPECT_EQ(Maiusculas(GetParam().entrada), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MaiusculasTeste,
    ::testing::Values(CasoTexto{"São Paulo", "SÃO PAULO"},
                      CasoTexto{"ação, açúcar e pão", "AÇÃO, AÇÚCAR E PÃO"},
                      CasoTexto{"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"},
                      CasoTexto{"ÿ", "Ÿ"}, CasoTexto{"straße", "STRAßE"},  // ß has no single capital
                      CasoTexto{"÷ µ ª º", "÷ µ ª º"},                     // not letters with a Latin capital
                      CasoTexto{"łódź ćma ĳ ŉ ı ſ", "ŁÓDŹ ĆMA Ĳ ŉ I S"},
                      CasoTexto{"Rua 7, nº 12", "RUA 7, Nº 12"},
                      CasoTexto{"JÁ MAIÚSCULO 123", "JÁ MAIÚSCULO 123"},
                      CasoTexto{"a\xFF"
                                "b",
                                "A\xFF"
                                "B"}));  // broken bytes pass unchanged
