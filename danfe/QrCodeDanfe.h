#pragma once
// The QR code control of the consumer DANFE: the code of its text drawn as black squares (one
// rectangle per run of dark modules in a row), never as a scaled picture, so it stays sharp on
// any printer. Centred in its box; a code that needs more room grows the box, and its band.
#include "report/RLControl.h"
#include "util/QrCode.h"

#include <string>

namespace luvenor {

class TQrCodeDanfe : public TRLCustomControl {
public:
    using TRLCustomControl::TRLCustomControl;

    // The narrowest the symbol may print, in design pixels (96 per inch).
    int LadoMinimo = 95;  // 25,1 mm

    // Throws EConvertError for a text no QR code can hold.
    void SetTexto(const std::string& texto);
    const std::string& Texto() const { return texto_; }
    // Design pixels per module and the symbol's side, for the text now set.
    int Modulo() const;
    int LadoDoSimbolo() const { return Modulo() * matriz_.Lado; }

    void AdjustSize() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;

private:
    std::string texto_;
    MatrizQrCode matriz_;
};

}  // namespace luvenor
