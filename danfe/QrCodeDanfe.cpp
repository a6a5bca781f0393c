#include "danfe/QrCodeDanfe.h"

#include "report/RLLabel.h"

#include <algorithm>

namespace luvenor {

void TQrCodeDanfe::SetTexto(const std::string& texto) {
    matriz_ = texto.empty() ? MatrizQrCode{} : GerarQrCode(texto);
    texto_ = texto;
    AdjustSize();
}

int TQrCodeDanfe::Modulo() const {
    if (matriz_.Lado == 0) return 0;
    // As large as the box allows, and never so small that the symbol falls under its minimum.
    const int cabe = std::min(Width, Height) / matriz_.Lado;
    const int minimo = (LadoMinimo + matriz_.Lado - 1) / matriz_.Lado;
    return std::max({1, cabe, minimo});
}

void TQrCodeDanfe::AdjustSize() {
    const int lado = LadoDoSimbolo();
    if (lado <= Height) return;
    const int antes = Height;
    Height = lado;
    HeightChanged(antes);
}

void TQrCodeDanfe::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    if (matriz_.Lado == 0) return;
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const int modulo = Modulo();
    const int lado = LadoDoSimbolo();
    const int x0 = caixa.Left + (caixa.Width() - lado) / 2;
    const int y0 = caixa.Top + (caixa.Height() - lado) / 2;
    surface.Brush = TRLBrush{clBlack, TRLBrushStyle::bsSolid};
    for (int linha = 0; linha < matriz_.Lado; ++linha) {
        for (int coluna = 0; coluna < matriz_.Lado;) {
            if (!matriz_.Escuro(linha, coluna)) {
                ++coluna;
                continue;
            }
            const int inicio = coluna;
            while (coluna < matriz_.Lado && matriz_.Escuro(linha, coluna)) ++coluna;
            const int y = y0 + linha * modulo;
            surface.FillRect({x0 + inicio * modulo, y, x0 + coluna * modulo, y + modulo});
        }
    }
}

}  // namespace luvenor
