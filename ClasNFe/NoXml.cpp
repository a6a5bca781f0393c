#include "ClasNFe/NoXml.h"

namespace luvenor {
namespace {

std::string_view Visao(const xmlChar* texto) {
    return texto ? std::string_view(reinterpret_cast<const char*>(texto)) : std::string_view();
}

bool ElementoNFe(const xmlNode* no) {
    if (no->type != XML_ELEMENT_NODE) return false;
    return no->ns == nullptr || no->ns->href == nullptr || Visao(no->ns->href) == NamespaceNFe;
}

xmlNode* ElementoAPartirDe(xmlNode* no) {
    while (no && no->type != XML_ELEMENT_NODE) no = no->next;
    return no;
}

}  // namespace

NoXml NoXml::Filho(std::string_view nome) const {
    if (!no_) return NoXml();
    for (xmlNode* filho = no_->children; filho; filho = filho->next) {
        if (ElementoNFe(filho) && Visao(filho->name) == nome) return NoXml(filho);
    }
    return NoXml();
}

NoXml NoXml::PrimeiroFilho() const {
    return NoXml(no_ ? ElementoAPartirDe(no_->children) : nullptr);
}

NoXml NoXml::Proximo() const {
    return NoXml(no_ ? ElementoAPartirDe(no_->next) : nullptr);
}

std::string_view NoXml::Nome() const {
    return no_ ? Visao(no_->name) : std::string_view();
}

bool NoXml::Chamado(std::string_view nome) const {
    return no_ && ElementoNFe(no_) && Visao(no_->name) == nome;
}

std::string NoXml::Texto() const {
    if (!no_) return {};
    // The common case, one text child, needs no copy of a whole subtree.
    const xmlNode* filho = no_->children;
    if (!filho) return {};
    if (!filho->next && (filho->type == XML_TEXT_NODE || filho->type == XML_CDATA_SECTION_NODE))
        return std::string(Visao(filho->content));
    TextoXml conteudo(xmlNodeGetContent(no_));
    return std::string(Visao(conteudo.get()));
}

std::optional<std::string> NoXml::Atributo(const char* nome) const {
    if (!no_ || no_->type != XML_ELEMENT_NODE) return std::nullopt;
    TextoXml valor(xmlGetNoNsProp(no_, reinterpret_cast<const xmlChar*>(nome)));
    if (!valor) return std::nullopt;
    return std::string(Visao(valor.get()));
}

}  // namespace luvenor
