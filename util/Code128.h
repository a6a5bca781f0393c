#pragma once
// Code 128 (ISO/IEC 15417): symbol patterns and the encoding of a text into the bar/space widths
// that the barcode picture draws.
#include <string>
#include <string_view>

namespace luvenor {

// The widths, in modules, of the alternating bars and spaces of the symbol `valor`, starting with
// a bar: 6 digits for 0..105, 7 for the stop symbol 106; the empty text for any other value.
std::string PadraoCode128(int valor);

// The barcode pattern of the trimmed text: start symbol, data symbols, check symbol and stop.
// An all-digit text is written in code set C, two digits a symbol (a final odd digit is its own
// symbol with the digit's value); any other printable ASCII text mixes sets B and C with the
// fewest symbols. A character outside printable ASCII throws EConvertError naming it.
std::string CodificarCode128(std::string_view texto);

}  // namespace luvenor
