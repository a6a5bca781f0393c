#include "ClasNFe/AnaliseXml.h"

#include "ClasNFe/MensagensXml.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <memory>

namespace luvenor {
namespace {

// What the callbacks of one parse record; reached through the parser context's _private.
struct EstadoAnalise {
    std::string primeiroErro;
    bool temDoctype = false;
};

struct LiberarContexto {
    void operator()(xmlParserCtxt* contexto) const noexcept { xmlFreeParserCtxt(contexto); }
};

EstadoAnalise& Estado(void* contexto) {
    return *static_cast<EstadoAnalise*>(static_cast<xmlParserCtxt*>(contexto)->_private);
}

void Guardar(EstadoAnalise& estado, const xmlError* erro) {
    if (!erro || erro->level < XML_ERR_ERROR || !estado.primeiroErro.empty()) return;
    estado.primeiroErro = MensagemDoErroXml(*erro);
}

void GuardarErro(void* contexto, xmlError* erro) {
    Guardar(Estado(contexto), erro);
}

void GuardarErroSemContexto(void* estado, xmlError* erro) {
    Guardar(*static_cast<EstadoAnalise*>(estado), erro);
}

// Called by the parser when it meets <!DOCTYPE ...>: the parse stops right there, before any
// declaration inside it is looked at.
void RecusarDoctype(void* contexto, const xmlChar*, const xmlChar*, const xmlChar*) {
    Estado(contexto).temDoctype = true;
    xmlStopParser(static_cast<xmlParserCtxt*>(contexto));
}

}  // namespace

DesvioErrosXml::DesvioErrosXml(void* contexto, xmlStructuredErrorFunc funcao)
    : anterior_(xmlStructuredError), contextoAnterior_(xmlStructuredErrorContext) {
    xmlSetStructuredErrorFunc(contexto, funcao);
}

DesvioErrosXml::~DesvioErrosXml() {
    xmlSetStructuredErrorFunc(contextoAnterior_, anterior_);
}

AnaliseXml AnalisarXml(std::string_view dados, const std::string& nome) {
    AnaliseXml resultado;
    if (dados.size() > TamanhoMaximoXml) {
        resultado.erro = MensagemTamanhoMaximo;
        return resultado;
    }
    std::unique_ptr<xmlParserCtxt, LiberarContexto> contexto(xmlNewParserCtxt());
    if (!contexto) {
        resultado.erro = "Memória insuficiente para ler o XML.";
        return resultado;
    }
    EstadoAnalise estado;
    // Encoding errors are raised without the parser context and would go to libxml2's default
    // handler (stderr); for the length of one parse they come to this parse's state instead.
    DesvioErrosXml errosSemContexto(&estado, GuardarErroSemContexto);
    contexto->_private = &estado;
    contexto->sax->serror = GuardarErro;
    contexto->sax->internalSubset = RecusarDoctype;

    // Whitespace between elements is kept: the invoice's signature covers it.
    constexpr int opcoes = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                           XML_PARSE_COMPACT | XML_PARSE_BIG_LINES;
    DocumentoXml documento(xmlCtxtReadMemory(contexto.get(), dados.data(), static_cast<int>(dados.size()),
                                             nome.c_str(), nullptr, opcoes));
    if (estado.temDoctype) {
        resultado.erro = "Arquivo com declaração DOCTYPE recusado: uma NF-e não tem DOCTYPE.";
    } else if (!documento || !contexto->wellFormed) {
        resultado.erro = estado.primeiroErro.empty() ? "XML inválido." : estado.primeiroErro;
    } else {
        resultado.documento = std::move(documento);
    }
    return resultado;
}

}  // namespace luvenor
