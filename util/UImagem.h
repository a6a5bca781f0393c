#pragma once
// The access key's barcode as a picture for the DANFE.
#include <QImage>
#include <string_view>

namespace luvenor {

// The Code 128 barcode of the text: one module is one pixel, bars full height from column 0,
// white elsewhere. The picture is 300 x 35 pixels, or as wide as the barcode when that is wider,
// so that a barcode is never cut. Throws EConvertError for a text Code 128 cannot carry.
QImage GerarCodigoBarras(std::string_view texto);

}  // namespace luvenor
