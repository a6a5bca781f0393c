#pragma once
// The value conversions the NF-e reader applies to element texts before it stores them. The ones
// that can fail throw EConvertError; the reader turns that into its step message.
#include <cstdint>
#include <string>
#include <string_view>

namespace luvenor {

class NoXml;

// "text": line breaks removed, outer spaces trimmed; UTF-8 kept.
std::string ConverterTexto(const NoXml& no);
// A free text (infCpl, infAdFisco): its line breaks kept, each as one CR; outer spaces trimmed.
std::string ConverterTextoLivre(const NoXml& no);
// A text kept as written in an element that holds a number (qVol, serie): "NaN", "Infinity" and
// their kin are no number to print, so they give the empty text after the warning
// "Valor Inválido em <elemento>: 'texto'".
std::string ConverterTextoNumerico(std::string texto, std::string_view elemento);
// "integer": optional sign and decimal digits within 32 bits; anything else throws.
int32_t ConverterInteiro(std::string_view texto);
// No amount, quantity, price or weight of an NF-e has more than 13 integer digits; a value of this
// magnitude or more comes only from a damaged or hostile file (and a double would no longer hold
// its cents for the DANFE to print).
inline constexpr double MaiorValorNFe = 1e13;
// "decimal" (lenient): the XML "." is the decimal point; a text that is not a finite number below
// MaiorValorNFe in magnitude ("abc", "NaN", "Infinity", "1e308", "1e13") gives 0 after the warning
// "Valor Inválido em <elemento>: 'texto'", the empty text 0 without one.
double ConverterDecimal(std::string_view texto, std::string_view elemento);
// "strict decimal": only a finite number below MaiorValorNFe in magnitude, written with the XML "."
// (made regional first), passes.
double ConverterDecimalEstrito(std::string_view texto);
// "date": the YYYY-MM-DD at the start of the text; anything that is not a real date throws.
double ConverterData(std::string_view texto);
// "time": hh:mm:ss from a YYYY-MM-DDThh:mm:ss... value; empty when the text has no time part.
std::string ConverterHora(std::string_view texto);

}  // namespace luvenor
