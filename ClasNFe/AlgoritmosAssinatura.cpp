#include "ClasNFe/AlgoritmosAssinatura.h"

#include "ClasNFe/AssinaturaNFe.h"
#include "ClasNFe/NoXml.h"

#include <xmlsec/openssl/crypto.h>
#include <xmlsec/strings.h>
#include <xmlsec/xmltree.h>

#include <optional>

namespace luvenor {
namespace {

// More than the two an NF-e declares (enveloped signature, C14N) is no signer's doing.
constexpr int TransformacoesMaximas = 4;

constexpr const char* Base64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";

const AlgoritmoAssinatura* Buscar(std::string_view uri, unsigned uso) {
    for (const AlgoritmoAssinatura& a : AlgoritmosAceitos())
        if ((a.usos & uso) && uri == reinterpret_cast<const char*>(a.uri)) return &a;
    return nullptr;
}

xmlNode* Filho(xmlNode* pai, const xmlChar* nome) {
    return pai ? xmlSecFindChild(pai, nome, xmlSecDSigNs) : nullptr;
}

int ContarFilhos(xmlNode* pai, const xmlChar* nome) {
    int n = 0;
    for (xmlNode* f = pai ? pai->children : nullptr; f; f = f->next)
        if (f->type == XML_ELEMENT_NODE && xmlSecCheckNodeName(f, nome, xmlSecDSigNs)) ++n;
    return n;
}

// A text from the file, cut short enough for a message.
std::string Curto(std::string texto) {
    constexpr size_t maximo = 80;
    if (texto.size() > maximo) texto = texto.substr(0, maximo) + "...";
    return texto;
}

std::string Faltando(const char* elemento) {
    return std::string("falta <") + elemento + "> na assinatura";
}

// The algorithm `no` declares, when it is accepted for `uso`; `nome` gets its name.
std::string ConferirAlgoritmo(xmlNode* no, unsigned uso, const char* elemento, std::string* nome = nullptr) {
    if (!no) return Faltando(elemento);
    const std::optional<std::string> uri = NoXml(no).Atributo("Algorithm");
    const AlgoritmoAssinatura* algoritmo = Buscar(uri.value_or(""), uso);
    if (!algoritmo)
        return "algoritmo não aceito em <" + std::string(elemento) + ">: " + Curto(uri.value_or(""));
    if (nome) *nome = algoritmo->nome;
    return {};
}

std::string ConferirReferencia(xmlNode* referencia, const std::string& idInfNFe) {
    const std::string uri = NoXml(referencia).Atributo("URI").value_or("");
    if (uri.empty()) return "a referência da assinatura não aponta o infNFe (URI vazia)";
    if (uri[0] != '#') return "referência externa recusada: " + Curto(uri);
    if (uri != "#" + idInfNFe) return "a referência da assinatura (" + Curto(uri) + ") não é o Id do infNFe";
    xmlNode* transformacoes = Filho(referencia, xmlSecNodeTransforms);
    if (ContarFilhos(transformacoes, xmlSecNodeTransform) > TransformacoesMaximas)
        return "transformações demais na referência da assinatura";
    for (xmlNode* t = transformacoes ? transformacoes->children : nullptr; t; t = t->next) {
        if (t->type != XML_ELEMENT_NODE) continue;
        if (!xmlSecCheckNodeName(t, xmlSecNodeTransform, xmlSecDSigNs))
            return "elemento inesperado em <Transforms>: " + Curto(reinterpret_cast<const char*>(t->name));
        std::string erro = ConferirAlgoritmo(t, UsoTransformacao, "Transform");
        if (!erro.empty()) return erro;
    }
    return {};
}

}  // namespace

std::span<const AlgoritmoAssinatura> AlgoritmosAceitos() {
    static const AlgoritmoAssinatura algoritmos[] = {
        {xmlSecHrefC14N, "C14N", UsoCanonicalizacao | UsoTransformacao, xmlSecTransformInclC14NGetKlass},
        {xmlSecHrefC14NWithComments, "C14N com comentários", UsoCanonicalizacao | UsoTransformacao,
         xmlSecTransformInclC14NWithCommentsGetKlass},
        {xmlSecHrefExcC14N, "C14N exclusiva", UsoCanonicalizacao | UsoTransformacao,
         xmlSecTransformExclC14NGetKlass},
        {xmlSecHrefExcC14NWithComments, "C14N exclusiva com comentários",
         UsoCanonicalizacao | UsoTransformacao, xmlSecTransformExclC14NWithCommentsGetKlass},
        {xmlSecHrefEnveloped, "assinatura envelopada", UsoTransformacao, xmlSecTransformEnvelopedGetKlass},
        {xmlSecHrefRsaSha1, "RSA-SHA1", UsoAssinatura, xmlSecOpenSSLTransformRsaSha1GetKlass},
        {xmlSecHrefRsaSha256, "RSA-SHA256", UsoAssinatura, xmlSecOpenSSLTransformRsaSha256GetKlass},
        {xmlSecHrefSha1, "SHA-1", UsoDigest, xmlSecOpenSSLTransformSha1GetKlass},
        {xmlSecHrefSha256, "SHA-256", UsoDigest, xmlSecOpenSSLTransformSha256GetKlass},
    };
    return algoritmos;
}

std::string SemEspacos(std::string_view texto) {
    std::string limpo;
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') limpo += c;
    return limpo;
}

std::string ConferirEstrutura(xmlNode* assinatura, const std::string& idInfNFe, ConferenciaAssinatura& r) {
    xmlNode* signedInfo = Filho(assinatura, xmlSecNodeSignedInfo);
    if (!signedInfo) return Faltando("SignedInfo");
    xmlNode* referencia = Filho(signedInfo, xmlSecNodeReference);
    r.DigestValue = SemEspacos(NoXml(Filho(referencia, xmlSecNodeDigestValue)).Texto());
    std::string erro = ConferirAlgoritmo(Filho(signedInfo, xmlSecNodeCanonicalizationMethod),
                                         UsoCanonicalizacao, "CanonicalizationMethod");
    if (erro.empty())
        erro = ConferirAlgoritmo(Filho(signedInfo, xmlSecNodeSignatureMethod), UsoAssinatura,
                                 "SignatureMethod", &r.AlgoritmoAssinatura);
    if (!erro.empty()) return erro;
    const int referencias = ContarFilhos(signedInfo, xmlSecNodeReference);
    if (referencias != 1)
        return "a assinatura deve ter uma referência, ao infNFe; tem " + std::to_string(referencias);
    erro = ConferirReferencia(referencia, idInfNFe);
    if (erro.empty())
        erro = ConferirAlgoritmo(Filho(referencia, xmlSecNodeDigestMethod), UsoDigest, "DigestMethod",
                                 &r.AlgoritmoDigest);
    if (!erro.empty()) return erro;
    if (r.DigestValue.empty()) return Faltando("DigestValue");
    if (r.DigestValue.find_first_not_of(Base64) != std::string::npos)
        return "o DigestValue da assinatura não é base64";
    if (!Filho(assinatura, xmlSecNodeSignatureValue)) return Faltando("SignatureValue");
    return {};
}

}  // namespace luvenor
