#include "util/UImagem.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <vector>

#include "util/Code128.h"

namespace luvenor {

namespace {

constexpr int kLarguraMinima = 300;
constexpr int kAltura = 35;

// One row of the picture: the pattern's elements alternate bar, space, bar... from column 0.
std::vector<QRgb> LinhaDoPadrao(const std::string& padrao) {
    size_t modulos = 0;
    for (char w : padrao) modulos += static_cast<size_t>(w - '0');
    std::vector<QRgb> linha(std::max(modulos, static_cast<size_t>(kLarguraMinima)), qRgb(255, 255, 255));
    size_t x = 0;
    for (size_t i = 0; i < padrao.size(); ++i) {
        const size_t largura = static_cast<size_t>(padrao[i] - '0');
        if (i % 2 == 0) std::fill_n(linha.begin() + static_cast<std::ptrdiff_t>(x), largura, qRgb(0, 0, 0));
        x += largura;
    }
    return linha;
}

}  // namespace

QImage GerarCodigoBarras(std::string_view texto) {
    const std::vector<QRgb> linha = LinhaDoPadrao(CodificarCode128(texto));
    // Every row is the same; a picture too wide for QImage is an error, never a cut barcode.
    if (linha.size() > static_cast<size_t>(std::numeric_limits<int>::max() / 4))
        throw std::length_error("texto longo demais para o código de barras");
    QImage imagem(static_cast<int>(linha.size()), kAltura, QImage::Format_RGB32);
    if (imagem.isNull()) throw std::length_error("texto longo demais para o código de barras");
    for (int y = 0; y < kAltura; ++y)
        std::memcpy(imagem.scanLine(y), linha.data(), linha.size() * sizeof(QRgb));
    return imagem;
}

}  // namespace luvenor
