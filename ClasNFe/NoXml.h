#pragma once
// A small read-only handle over libxml2 element nodes. A lookup on a missing node gives a missing
// node, so chains like no.Filho("a").Filho("b") never need checks in between. Only element nodes
// count as children and siblings: comments, processing instructions and the whitespace between
// elements are skipped.
#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace luvenor {

// The namespace of the NF-e layouts; elements in it or in no namespace at all are read alike.
inline constexpr std::string_view NamespaceNFe = "http://www.portalfiscal.inf.br/nfe";

struct LiberarTextoXml {
    void operator()(xmlChar* texto) const noexcept { xmlFree(texto); }
};
using TextoXml = std::unique_ptr<xmlChar, LiberarTextoXml>;

struct LiberarDocumentoXml {
    void operator()(xmlDoc* documento) const noexcept { xmlFreeDoc(documento); }
};
using DocumentoXml = std::unique_ptr<xmlDoc, LiberarDocumentoXml>;

class NoXml {
public:
    NoXml() = default;
    explicit NoXml(xmlNode* no) : no_(no) {}

    explicit operator bool() const { return no_ != nullptr; }
    xmlNode* Bruto() const { return no_; }

    // First child element with this local name in the NF-e namespace (or no namespace).
    NoXml Filho(std::string_view nome) const;
    // First child element, whatever its name.
    NoXml PrimeiroFilho() const;
    // The element that follows this one within its parent.
    NoXml Proximo() const;

    // Local name, without prefix; empty for a missing node.
    std::string_view Nome() const;
    // Whether this is an element with this local name in the NF-e namespace (or no namespace).
    bool Chamado(std::string_view nome) const;
    // The concatenated text content, UTF-8 as the parser delivers it.
    std::string Texto() const;
    // The attribute's value; nothing when the attribute is absent.
    std::optional<std::string> Atributo(const char* nome) const;

private:
    xmlNode* no_ = nullptr;
};

}  // namespace luvenor
