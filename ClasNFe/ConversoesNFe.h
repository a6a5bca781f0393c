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
// "integer": optional sign and decimal digits within 32 bits; anything else throws.
int32_t ConverterInteiro(std::string_view texto);
// "decimal" (lenient): the XML "." is the decimal point; a text that is not a number gives 0 after
// the helpers' warning, the empty text 0 without one.
double ConverterDecimal(std::string_view texto);
// "strict decimal": only a finite number written with the XML "." (made regional first) passes.
double ConverterDecimalEstrito(std::string_view texto);
// "date": the YYYY-MM-DD at the start of the text; anything that is not a real date throws.
double ConverterData(std::string_view texto);
// "time": hh:mm:ss from a YYYY-MM-DDThh:mm:ss... value; empty when the text has no time part.
std::string ConverterHora(std::string_view texto);

}  // namespace luvenor
