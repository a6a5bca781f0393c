#pragma once
// The XML parser's errors in the user's words: libxml2 reports them in English, the viewer shows
// them in Portuguese with the line and column where the parser stopped.
#include <libxml/xmlerror.h>

#include <string>

namespace luvenor {

// "linha 3, coluna 12: a marca <NFe> (aberta na linha 3) termina com </nfe>"; the position is
// left out when the parser gives none. An error without a Portuguese wording keeps libxml2's own
// text after a Portuguese one.
std::string MensagemDoErroXml(const xmlError& erro);

}  // namespace luvenor
