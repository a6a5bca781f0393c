#include "util/QrCode.h"

#include "util/Erros.h"

#include <qrencode.h>

#include <memory>
#include <string>

namespace luvenor {
namespace {

struct LiberarQr {
    void operator()(QRcode* codigo) const noexcept { QRcode_free(codigo); }
};

}  // namespace

MatrizQrCode GerarQrCode(std::string_view texto) {
    if (texto.empty()) throw EConvertError("QR code de um texto vazio");
    // 8-bit mode keeps every byte of the text as it is (QRcode_encodeString would read it as a
    // C string and stop at a zero byte).
    const std::unique_ptr<QRcode, LiberarQr> codigo(
        QRcode_encodeData(static_cast<int>(texto.size()),
                          reinterpret_cast<const unsigned char*>(texto.data()), 0, QR_ECLEVEL_M));
    if (!codigo)
        throw EConvertError("o texto de " + std::to_string(texto.size()) + " bytes não cabe num QR code");
    MatrizQrCode matriz;
    matriz.Lado = codigo->width;
    matriz.Escuros.resize(static_cast<size_t>(codigo->width) * codigo->width);
    for (size_t i = 0; i < matriz.Escuros.size(); ++i) matriz.Escuros[i] = (codigo->data[i] & 1) != 0;
    return matriz;
}

}  // namespace luvenor
