#include "ClasNFe/MensagensXml.h"

#include <string_view>

namespace luvenor {
namespace {

// The Portuguese wording of a parser error; "%1" and "%2" stand for the names the error carries,
// "%L" for the line an element was opened on.
struct Traducao {
    int codigo;
    const char* texto;
};

constexpr Traducao traducoes[] = {
    {XML_ERR_NO_MEMORY, "memória insuficiente para ler o XML"},
    {XML_ERR_DOCUMENT_START, "o documento não começa por uma marca XML (\"<\" não encontrado)"},
    {XML_ERR_DOCUMENT_EMPTY, "o documento está vazio ou não começa por uma marca XML"},
    {XML_ERR_DOCUMENT_END, "há conteúdo depois do fim do documento"},
    {XML_ERR_INVALID_HEX_CHARREF, "referência de caractere hexadecimal inválida"},
    {XML_ERR_INVALID_DEC_CHARREF, "referência de caractere decimal inválida"},
    {XML_ERR_INVALID_CHARREF, "referência de caractere inválida"},
    {XML_ERR_INVALID_CHAR, "caractere não permitido em XML"},
    {XML_ERR_UNDECLARED_ENTITY, "entidade não declarada: &%1;"},
    {XML_WAR_UNDECLARED_ENTITY, "entidade não declarada: &%1;"},
    {XML_ERR_ENTITYREF_SEMICOL_MISSING, "falta o \";\" que termina a referência de entidade"},
    {XML_ERR_LT_IN_ATTRIBUTE, "\"<\" dentro do valor de um atributo"},
    {XML_ERR_ATTRIBUTE_NOT_STARTED, "o valor do atributo deve começar com aspas"},
    {XML_ERR_ATTRIBUTE_NOT_FINISHED, "o valor do atributo não foi fechado com aspas"},
    {XML_ERR_ATTRIBUTE_WITHOUT_VALUE, "atributo sem valor: %1"},
    {XML_ERR_ATTRIBUTE_REDEFINED, "atributo repetido na mesma marca: %1"},
    {XML_ERR_LITERAL_NOT_STARTED, "falta a aspa que abre o valor"},
    {XML_ERR_LITERAL_NOT_FINISHED, "falta a aspa que fecha o valor"},
    {XML_ERR_COMMENT_NOT_FINISHED, "comentário não fechado (falta \"-->\")"},
    {XML_ERR_PI_NOT_FINISHED, "instrução de processamento não fechada (falta \"?>\")"},
    {XML_ERR_CDATA_NOT_FINISHED, "seção CDATA não fechada (falta \"]]>\")"},
    {XML_ERR_RESERVED_XML_NAME, "declaração XML fora do início do documento"},
    {XML_ERR_SPACE_REQUIRED, "falta um espaço"},
    {XML_ERR_NAME_REQUIRED, "falta um nome de marca ou de atributo"},
    {XML_ERR_GT_REQUIRED, "falta o \">\" que fecha a marca"},
    {XML_ERR_LTSLASH_REQUIRED, "falta a marca de fim \"</\""},
    {XML_ERR_EQUAL_REQUIRED, "falta o \"=\" depois do nome do atributo"},
    {XML_ERR_TAG_NAME_MISMATCH, "a marca <%1> (aberta na linha %L) termina com </%2>"},
    {XML_ERR_TAG_NOT_FINISHED, "o arquivo termina antes do fim da marca <%1> (aberta na linha %L)"},
    {XML_ERR_HYPHEN_IN_COMMENT, "\"--\" dentro de um comentário"},
    {XML_ERR_VERSION_MISSING, "falta a versão na declaração XML"},
    {XML_ERR_UNSUPPORTED_ENCODING, "codificação não suportada: %1"},
    {XML_ERR_INVALID_ENCODING, "o texto não está na codificação declarada"},
    {XML_I18N_CONV_FAILED, "o texto tem bytes que a codificação declarada não admite"},
    {XML_ERR_ENCODING_NAME, "nome de codificação inválido"},
    {XML_ERR_STRING_NOT_CLOSED, "texto entre aspas não fechado"},
    {XML_ERR_NAME_TOO_LONG, "nome longo demais"},
    {XML_NS_ERR_UNDEFINED_NAMESPACE, "prefixo de namespace não declarado: %1"},
};

void Trocar(std::string& texto, std::string_view marca, const std::string& valor) {
    const auto pos = texto.find(marca);
    if (pos != std::string::npos) texto.replace(pos, marca.size(), valor);
}

std::string SemQuebraFinal(const char* texto) {
    std::string mensagem = texto ? texto : "";
    while (!mensagem.empty() && (mensagem.back() == '\n' || mensagem.back() == '\r')) mensagem.pop_back();
    return mensagem;
}

}  // namespace

std::string MensagemDoErroXml(const xmlError& erro) {
    std::string texto;
    for (const Traducao& t : traducoes) {
        if (t.codigo != erro.code) continue;
        texto = t.texto;
        Trocar(texto, "%1", erro.str1 ? erro.str1 : "");
        Trocar(texto, "%2", erro.str2 ? erro.str2 : "");
        Trocar(texto, "%L", std::to_string(erro.int1));
        break;
    }
    if (texto.empty()) texto = "XML mal formado (" + SemQuebraFinal(erro.message) + ")";
    // Encoding errors come without a position.
    std::string posicao;
    if (erro.line > 0) {
        posicao = "linha " + std::to_string(erro.line);
        if (erro.int2 > 0) posicao += ", coluna " + std::to_string(erro.int2);
        posicao += ": ";
    }
    return posicao + texto;
}

}  // namespace luvenor
