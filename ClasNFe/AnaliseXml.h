#pragma once
// Parsing an XML text into a libxml2 document, safely: no network, no DTD loading, no entity
// substitution, and a document that declares a DOCTYPE is refused (an NF-e never has one).
#include "ClasNFe/NoXml.h"

#include <string>
#include <string_view>

namespace luvenor {

// Largest file the viewer opens; real invoices are a few hundred kilobytes at most.
inline constexpr size_t TamanhoMaximoXml = 50u * 1024u * 1024u;
inline constexpr const char* MensagemTamanhoMaximo = "Arquivo maior que 50 MB: recusado.";

struct AnaliseXml {
    DocumentoXml documento;  // empty when the text was refused
    std::string erro;        // why it was refused, with the line number for parser errors
};

// Parses `dados`; `nome` names the document in the parser's messages.
AnaliseXml AnalisarXml(std::string_view dados, const std::string& nome);

}  // namespace luvenor
