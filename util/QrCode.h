#pragma once
// The QR code of a text as a square of dark and light modules, made by libqrencode: byte mode,
// error correction level M, the smallest version that holds the text.
#include <string_view>
#include <vector>

namespace luvenor {

struct MatrizQrCode {
    int Lado = 0;               // modules per side, without the quiet zone around the symbol
    std::vector<bool> Escuros;  // row by row, Lado * Lado modules; true: dark

    bool Escuro(int linha, int coluna) const { return Escuros[static_cast<size_t>(linha) * Lado + coluna]; }
};

// Throws EConvertError when the text is empty or too long for any QR code version.
MatrizQrCode GerarQrCode(std::string_view texto);

}  // namespace luvenor
