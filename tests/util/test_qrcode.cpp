// The QR code matrix from libqrencode at level M: its size by version, the finder patterns in
// three corners, and the texts no symbol can hold.
#include "util/Erros.h"
#include "util/QrCode.h"

#include <gtest/gtest.h>

#include <string>

using namespace luvenor;

namespace {

// The 7x7 finder pattern with its top-left module at (linha, coluna): dark ring, light ring, 3x3 core.
bool TemLocalizador(const MatrizQrCode& m, int linha, int coluna) {
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j) {
            const int anel = std::min(std::min(i, j), std::min(6 - i, 6 - j));
            if (m.Escuro(linha + i, coluna + j) != (anel != 1)) return false;
        }
    return true;
}

}  // namespace

TEST(QrCode, SizeFollowsTheTextAndFindersSitInThreeCorners) {
    // Version 1 holds 14 bytes at level M; a 15th needs version 2.
    const MatrizQrCode pequeno = GerarQrCode("QRCODE_PLACEHO");
    EXPECT_EQ(pequeno.Lado, 21);
    const MatrizQrCode v2 = GerarQrCode("QRCODE_PLACEHOL");
    EXPECT_EQ(v2.Lado, 25);
    const std::string url =
        "https://www.sefaz.rs.gov.br/NFCE/NFCE-COM.aspx?p=43240512345678000195650010000001041"
        "000007397|2|1|1|00000000000000000000000000000017CA1A5808";
    const MatrizQrCode nfce = GerarQrCode(url);
    EXPECT_EQ((nfce.Lado - 17) % 4, 0) << "a QR side is 17 + 4 per version";
    EXPECT_GT(nfce.Lado, v2.Lado);
    EXPECT_EQ(nfce.Escuros.size(), static_cast<size_t>(nfce.Lado * nfce.Lado));
    for (const MatrizQrCode* m : {&pequeno, &nfce}) {
        EXPECT_TRUE(TemLocalizador(*m, 0, 0));
        EXPECT_TRUE(TemLocalizador(*m, 0, m->Lado - 7));
        EXPECT_TRUE(TemLocalizador(*m, m->Lado - 7, 0));
        EXPECT_FALSE(TemLocalizador(*m, m->Lado - 7, m->Lado - 7));
    }
}

TEST(QrCode, EmptyAndOverlongTextsAreRefused) {
    EXPECT_THROW(GerarQrCode(""), EConvertError);
    // Level M holds at most 2331 bytes (version 40).
    EXPECT_NO_THROW(GerarQrCode(std::string(2331, 'a')));
    EXPECT_THROW(GerarQrCode(std::string(2332, 'a')), EConvertError);
    // A zero byte is a byte like any other.
    EXPECT_NO_THROW(GerarQrCode(std::string("a\0b", 3)));
}
