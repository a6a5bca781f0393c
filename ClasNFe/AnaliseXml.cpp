#include "ClasNFe/AnaliseXml.h"

#include "ClasNFe/MensagensXml.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
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

// Where `fim` next occurs from `i`, past its end; the text's end when it does not.
size_t Depois(std::string_view dados, size_t i, std::string_view fim) {
    const size_t achado = dados.find(fim, i);
    return achado == std::string_view::npos ? dados.size() : achado + fim.size();
}

// What the tags of a text hold, counted before the parse: the most attributes in one start tag
// and the elements in all. Comments, CDATA sections and processing instructions are skipped;
// quoted values may hold any character. Linear in the text, and only an upper bound: the parse
// that follows judges whether the document is well-formed.
struct ContagemMarcas {
    size_t maisAtributos = 0;
    size_t elementos = 0;
};

ContagemMarcas ContarMarcas(std::string_view dados) {
    ContagemMarcas contagem;
    size_t i = dados.find('<');
    while (i < dados.size()) {
        const std::string_view resto = dados.substr(i);
        if (resto.starts_with("<!--")) {
            i = Depois(dados, i + 4, "-->");
        } else if (resto.starts_with("<![CDATA[")) {
            i = Depois(dados, i + 9, "]]>");
        } else if (resto.starts_with("<?")) {
            i = Depois(dados, i + 2, "?>");
        } else {
            if (!resto.starts_with("</")) ++contagem.elementos;
            size_t atributos = 0;
            char aspas = 0;
            for (++i; i < dados.size() && (aspas || dados[i] != '>'); ++i) {
                const char c = dados[i];
                if (aspas) {
                    if (c == aspas) aspas = 0;
                } else if (c == '"' || c == '\'') {
                    aspas = c;
                } else if (c == '=') {
                    ++atributos;
                }
            }
            contagem.maisAtributos = std::max(contagem.maisAtributos, atributos);
        }
        i = dados.find('<', i);
    }
    return contagem;
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
    // The parser compares each attribute of an element with all the others: too many would take it
    // minutes. Each element costs the tree about a hundred bytes whatever its text: a file of
    // millions of empty ones would take gigabytes.
    const ContagemMarcas marcas = ContarMarcas(dados);
    if (marcas.maisAtributos > MaximoAtributosXml) {
        resultado.erro = MensagemAtributosDemais;
        return resultado;
    }
    if (marcas.elementos > MaximoElementosXml) {
        resultado.erro = MensagemElementosDemais;
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
