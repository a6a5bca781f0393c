#include "util/Utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace luvenor;

struct CasoDecodificacao {
    std::string bytes;
    char32_t codigo;
    std::size_t tamanho;
    bool valido;
};

class DecodificarCaractereTeste : public ::testing::TestWithParam<CasoDecodificacao> {};

TEST_P(DecodificarCaractereTeste, LeUmCaractereOuRecusaUmByte) {
    const auto& caso = GetParam();
    const CaractereUtf8 lido = DecodificarCaractere(caso.bytes, 0);
    EXPECT_EQ(lido.codigo, caso.codigo);
    EXPECT_EQ(lido.bytes, caso.tamanho);
    EXPECT_EQ(lido.valido, caso.valido);
}

INSTANTIATE_TEST_SUITE_P(Sequencias, DecodificarCaractereTeste,
                         ::testing::Values(CasoDecodificacao{"A", U'A', 1, true},
                                           CasoDecodificacao{"\xC3\xA7", 0xE7, 2, true},             // ç
                                           CasoDecodificacao{"\xE2\x82\xAC", 0x20AC, 3, true},       // €
                                           CasoDecodificacao{"\xF0\x9F\x98\x80", 0x1F600, 4, true},  // emoji
                                           CasoDecodificacao{"\xC3", 0xFFFD, 1, false},  // cut short
                                           CasoDecodificacao{"\xC3"
                                                             "A",
                                                             0xFFFD, 1, false},  // no continuation byte
                                           CasoDecodificacao{"\x80", 0xFFFD, 1, false},  // stray continuation
                                           CasoDecodificacao{"\xC0\xAF", 0xFFFD, 1, false},  // overlong "/"
                                           CasoDecodificacao{"\xED\xA0\x80", 0xFFFD, 1, false},  // surrogate
                                           CasoDecodificacao{"\xF4\x90\x80\x80", 0xFFFD, 1,
                                                             false},  // beyond U+10FFFF
                                           CasoDecodificacao{"\xFF", 0xFFFD, 1, false}));

TEST(CodificarCaractere, VoltaAosMesmosBytesEmTodosOsTamanhos) {
    for (char32_t codigo : {U'A', char32_t{0xE7}, char32_t{0x7FF}, char32_t{0x800}, char32_t{0x20AC},
                            char32_t{0xFFFF}, char32_t{0x10000}, char32_t{0x10FFFF}}) {
        std::string bytes;
        CodificarCaractere(codigo, bytes);
        const CaractereUtf8 lido = DecodificarCaractere(bytes, 0);
        EXPECT_TRUE(lido.valido) << std::hex << static_cast<unsigned>(codigo);
        EXPECT_EQ(lido.codigo, codigo);
        EXPECT_EQ(lido.bytes, bytes.size());
    }
}

TEST(CodificarCaractere, CodigoInvalidoViraSubstituto) {
    std::string bytes;
    CodificarCaractere(0xD800, bytes);
    CodificarCaractere(0x110000, bytes);
    EXPECT_EQ(bytes, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(ContarCaracteres, ContaCaracteresNaoBytes) {
    EXPECT_EQ(ContarCaracteres(""), 0);
    EXPECT_EQ(ContarCaracteres("AÇÚCAR"), 6);
    EXPECT_EQ(ContarCaracteres("a\xFF"
                               "b"),
              3);                                // a broken byte is one character
    EXPECT_EQ(ContarCaracteres("\xE2\x82"), 2);  // a cut sequence is not merged
}

TEST(OffsetDoCaractere, ApontaOInicioDoCaractereOuOFim) {
    const std::string texto = "AÇÚCAR";
    EXPECT_EQ(OffsetDoCaractere(texto, -1), 0u);
    EXPECT_EQ(OffsetDoCaractere(texto, 0), 0u);
    EXPECT_EQ(OffsetDoCaractere(texto, 2), 3u);
    EXPECT_EQ(OffsetDoCaractere(texto, 3), 5u);
    EXPECT_EQ(OffsetDoCaractere(texto, 6), texto.size());
    EXPECT_EQ(OffsetDoCaractere(texto, 100), texto.size());
}
