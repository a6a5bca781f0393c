#pragma once
// Parsing an XML text into a libxml2 document, safely: no network, no DTD loading, no entity
// substitution, and a document that declares a DOCTYPE is refused (an NF-e never has one).
#include "ClasNFe/NoXml.h"

#include <libxml/xmlerror.h>

#include <string>
#include <string_view>

namespace luvenor {

// Largest file the viewer opens; real invoices are a few hundred kilobytes at most.
inline constexpr size_t TamanhoMaximoXml = 50u * 1024u * 1024u;
inline constexpr const char* MensagemTamanhoMaximo = "Arquivo maior que 50 MB: recusado.";

// Most attributes an element may have; an NF-e element has at most three.
inline constexpr size_t MaximoAtributosXml = 256;
inline constexpr const char* MensagemAtributosDemais = "Elemento com mais de 256 atributos: recusado.";

// Most elements a document may have, which also bounds the children of any one element: an
// invoice of 990 items has about 60 thousand.
inline constexpr size_t MaximoElementosXml = 2'000'000;
inline constexpr const char* MensagemElementosDemais = "XML com mais de 2.000.000 elementos: recusado.";

struct AnaliseXml {
    DocumentoXml documento;  // empty when the text was refused
    std::string erro;        // why it was refused, with the line number for parser errors
};

// Sends this thread's libxml2 errors, also those raised outside a parser, to `funcao` for the
// life of the object, then gives them back to the handler they had.
class DesvioErrosXml {
public:
    DesvioErrosXml(void* contexto, xmlStructuredErrorFunc funcao);
    ~DesvioErrosXml();
    DesvioErrosXml(const DesvioErrosXml&) = delete;
    DesvioErrosXml& operator=(const DesvioErrosXml&) = delete;

private:
    xmlStructuredErrorFunc anterior_;
    void* contextoAnterior_;
};

// Parses `dados`; `nome` names the document in the parser's messages.
AnaliseXml AnalisarXml(std::string_view dados, const std::string& nome);

}  // namespace luvenor
