// Words wider than their memo are broken into pieces that fit; everything else is kept.
#include "DanfeTeste.h"

#include "danfe/ConstrutorDanfe.h"
#include "danfe/PartirPalavras.h"
#include "report/RLTextLayout.h"

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

std::string SemQuebrasInseridas(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c != '\n') r += c;
    return r;
}

}  // namespace

TEST(PartirPalavras, TextoComPalavrasCurtasFicaIgual) {
    teste::GarantirAplicacao();
    const TRLFont fonte = FonteDoControle({8, false});
    const std::string texto = "Pedido 123\nEntrega em São Paulo\r\n\tconforme   combinado";
    EXPECT_EQ(PartirPalavrasLongas(texto, fonte, 370), texto);
    EXPECT_EQ(PartirPalavrasLongas("", fonte, 370), "");
}

TEST(PartirPalavras, PalavraLongaViraPedacosQueCabem) {
    teste::GarantirAplicacao();
    const TRLFont fonte = FonteDoControle({7, false});
    const TRLTextMeasurer medidor(fonte);
    std::string longa;
    for (int i = 0; i < 300; ++i) longa += (i % 10 == 0) ? "Ç" : "W";
    const std::string texto = "inicio " + longa + " fim";
    const std::string partido = PartirPalavrasLongas(texto, fonte, 155);
    EXPECT_EQ(SemQuebrasInseridas(partido), texto) << "only line breaks are added";
    size_t inicio = 0;
    int pedacos = 0;
    while (inicio <= partido.size()) {
        size_t fim = partido.find_first_of(" \n", inicio);
        if (fim == std::string::npos) fim = partido.size();
        EXPECT_LE(medidor.TextWidth(partido.substr(inicio, fim - inicio)), 155);
        ++pedacos;
        inicio = fim + 1;
    }
    EXPECT_GT(pedacos, 4);
}
