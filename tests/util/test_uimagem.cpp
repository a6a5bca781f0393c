#include "util/UImagem.h"

#include <gtest/gtest.h>

#include "util/Code128Decoder.h"
#include "util/Erros.h"

using namespace luvenor;
using luvenor::teste::LerCode128;

namespace {

bool Preto(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(0, 0, 0);
}

// The widths of the bars and spaces of one row, from column 0; the white after the last bar is
// margin, not an element. Only black and white may appear.
std::string PadraoDaLinha(const QImage& img, int y) {
    std::string padrao;
    for (int x = 0; x < img.width();) {
        const QRgb cor = img.pixel(x, y);
        EXPECT_TRUE(cor == qRgb(0, 0, 0) || cor == qRgb(255, 255, 255)) << "column " << x;
        int fim = x;
        while (fim < img.width() && img.pixel(fim, y) == cor) ++fim;
        if (fim < img.width() || Preto(img, x, y)) padrao += std::to_string(fim - x);
        x = fim;
    }
    return padrao;
}

// Reads the picture back; every row must carry the same bars.
std::string LerImagem(const QImage& img) {
    const std::string padrao = PadraoDaLinha(img, 0);
    for (int y = 1; y < img.height(); ++y) EXPECT_EQ(PadraoDaLinha(img, y), padrao) << "row " << y;
    auto leitura = LerCode128(padrao);
    EXPECT_TRUE(leitura) << "unreadable: " << padrao;
    return leitura ? leitura->texto : std::string("<unreadable>");
}

}  // namespace

TEST(GerarCodigoBarras, ChaveNumericaEmQuadroFixo) {
    const std::string chave = "35240612345678000190550010000001231000001234";
    const QImage img = GerarCodigoBarras(chave);
    ASSERT_EQ(img.size(), QSize(300, 35));
    EXPECT_TRUE(Preto(img, 0, 0) && Preto(img, 1, 0) && Preto(img, 0, 34));
    EXPECT_FALSE(Preto(img, 2, 0));
    EXPECT_TRUE(Preto(img, 276, 17));  // the stop's last bar ends at column 276
    for (int x = 277; x < 300; ++x) EXPECT_FALSE(Preto(img, x, 17)) << x;
    EXPECT_EQ(LerImagem(img), chave);
}

TEST(GerarCodigoBarras, TextoVazioSoStartVerificadorEStop) {
    const QImage img = GerarCodigoBarras("");
    ASSERT_EQ(img.size(), QSize(300, 35));
    EXPECT_EQ(LerImagem(img), "");
}

// A barcode wider than 300 modules widens the picture instead of losing its end.
TEST(GerarCodigoBarras, NuncaCortaOCodigo) {
    const std::string comLetras = "35260712ABC34501DE35550010000001231000001234";
    const QImage img = GerarCodigoBarras(comLetras);
    ASSERT_EQ(img.size(), QSize(31 * 11 + 13, 35));
    EXPECT_TRUE(Preto(img, img.width() - 1, 0));
    EXPECT_EQ(LerImagem(img), comLetras);

    const std::string digitos50(50, '7');
    EXPECT_EQ(LerImagem(GerarCodigoBarras(digitos50)), digitos50);
}

TEST(GerarCodigoBarras, CaractereForaDoCode128EhErro) {
    EXPECT_THROW(GerarCodigoBarras("Chave nº 1"), EConvertError);
}
