#include "ClasNFe/AssinaturaNFe.h"

#include "ClasNFe/AlgoritmosAssinatura.h"
#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/NoXml.h"

#include <openssl/evp.h>
#include <xmlsec/buffer.h>
#include <xmlsec/errors.h>
#include <xmlsec/io.h>
#include <xmlsec/keys.h>
#include <xmlsec/membuf.h>
#include <xmlsec/openssl/app.h>
#include <xmlsec/openssl/crypto.h>
#include <xmlsec/openssl/evp.h>
#include <xmlsec/xmldsig.h>
#include <xmlsec/xmlsec.h>
#include <xmlsec/xmltree.h>

#include <memory>

namespace luvenor {
namespace {

// Real signers use 2048-bit RSA keys (1024 in old files); a key far bigger only costs time.
constexpr int BitsMinimos = 1024;
constexpr int BitsMaximos = 8192;

// The first xmlsec error of the verification running on this thread, if one is.
thread_local std::string* errosXmlsec = nullptr;

void GuardarErroXmlsec(const char*, int, const char*, const char* objeto, const char* assunto, int,
                       const char* mensagem) {
    if (!errosXmlsec || !errosXmlsec->empty()) return;
    std::string texto = mensagem ? mensagem : "";
    if (assunto && *assunto)
        texto = std::string(assunto) + ": " + texto;
    else if (objeto && *objeto)
        texto = std::string(objeto) + ": " + texto;
    *errosXmlsec = texto.substr(0, 160);
}

void IgnorarErroXml(void*, xmlError*) {}

// Catches, for one verification, what xmlsec and libxml2 would write on stderr.
class ErrosDaVerificacao {
public:
    ErrosDaVerificacao() : desvio_(nullptr, IgnorarErroXml) { errosXmlsec = &primeiro; }
    ~ErrosDaVerificacao() { errosXmlsec = nullptr; }
    ErrosDaVerificacao(const ErrosDaVerificacao&) = delete;
    ErrosDaVerificacao& operator=(const ErrosDaVerificacao&) = delete;
    std::string primeiro;

private:
    DesvioErrosXml desvio_;
};

bool IniciarXmlsec() {
    static const bool iniciada = [] {
        if (xmlSecInit() < 0 || xmlSecCheckVersion() != 1) return false;
        if (xmlSecOpenSSLAppInit(nullptr) < 0 || xmlSecOpenSSLInit() < 0) return false;
        xmlSecErrorsSetCallback(GuardarErroXmlsec);
        // No input callbacks at all: a reference can never open a file or an address.
        xmlSecIOCleanupCallbacks();
        return true;
    }();
    return iniciada;
}

struct LiberarContextoAssinatura {
    void operator()(xmlSecDSigCtx* contexto) const noexcept { xmlSecDSigCtxDestroy(contexto); }
};
using ContextoAssinatura = std::unique_ptr<xmlSecDSigCtx, LiberarContextoAssinatura>;

struct LiberarChave {
    void operator()(xmlSecKey* chave) const noexcept { xmlSecKeyDestroy(chave); }
};
using ChaveXmlsec = std::unique_ptr<xmlSecKey, LiberarChave>;

struct LiberarChavePublica {
    void operator()(EVP_PKEY* chave) const noexcept { EVP_PKEY_free(chave); }
};

// The certificate's RSA public key as an xmlsec key; empty with the reason in `motivo`.
ChaveXmlsec ChaveDoCertificado(X509* certificado, std::string& motivo) {
    std::unique_ptr<EVP_PKEY, LiberarChavePublica> publica(X509_get_pubkey(certificado));
    if (!publica) {
        motivo = "certificado sem chave pública legível";
        return nullptr;
    }
    const int bits = EVP_PKEY_bits(publica.get());
    if (EVP_PKEY_base_id(publica.get()) != EVP_PKEY_RSA || bits < BitsMinimos || bits > BitsMaximos) {
        motivo = "chave do certificado não aceita (uma NF-e usa RSA de 1024 a 8192 bits)";
        return nullptr;
    }
    ChaveXmlsec chave(xmlSecKeyCreate());
    xmlSecKeyDataPtr dados = chave ? xmlSecOpenSSLEvpKeyAdopt(publica.get()) : nullptr;
    if (dados) publica.release();  // adopted
    if (!dados || xmlSecKeySetValue(chave.get(), dados) < 0) {
        if (dados) xmlSecKeyDataDestroy(dados);
        motivo = "a chave do certificado não pôde ser usada";
        return nullptr;
    }
    return chave;
}

// Makes infNFe's Id the document's ID, so that "#NFe..." finds it and only it.
std::string RegistrarId(xmlDoc* documento, xmlNode* infNFe, const std::string& id) {
    xmlAttr* atributo = xmlHasNsProp(infNFe, reinterpret_cast<const xmlChar*>("Id"), nullptr);
    if (!atributo || id.empty()) return "o infNFe não tem Id";
    const auto* valor = reinterpret_cast<const xmlChar*>(id.c_str());
    xmlAttr* registrado = xmlGetID(documento, valor);
    if (!registrado && xmlAddID(nullptr, documento, valor, atributo)) registrado = atributo;
    if (registrado != atributo) return "outro elemento do arquivo tem o Id do infNFe";
    return {};
}

bool Habilitar(xmlSecDSigCtx& contexto) {
    for (const AlgoritmoAssinatura& a : AlgoritmosAceitos()) {
        const xmlSecTransformId id = a.classe();
        if ((a.usos & (UsoCanonicalizacao | UsoAssinatura)) &&
            xmlSecDSigCtxEnableSignatureTransform(&contexto, id) < 0)
            return false;
        if ((a.usos & (UsoTransformacao | UsoDigest)) &&
            xmlSecDSigCtxEnableReferenceTransform(&contexto, id) < 0)
            return false;
    }
    return true;
}

ContextoAssinatura NovoContexto(ChaveXmlsec chave) {
    ContextoAssinatura contexto(xmlSecDSigCtxCreate(nullptr));
    if (!contexto || !Habilitar(*contexto)) return nullptr;
    // Only "#id" references, no manifests; the canonical infNFe is kept to tell a changed content.
    contexto->enabledReferenceUris = xmlSecTransformUriTypeSameDocument;
    contexto->flags = XMLSEC_DSIG_FLAGS_IGNORE_MANIFESTS | XMLSEC_DSIG_FLAGS_STORE_SIGNEDINFO_REFERENCES;
    contexto->signKey = chave.release();  // the context frees it
    return contexto;
}

// The digest of the content as it is now, in base64, from the canonical bytes xmlsec kept.
std::string DigestAtual(xmlSecDSigReferenceCtx& referencia, const std::string& algoritmo) {
    xmlSecBufferPtr bytes = referencia.preDigestMemBufMethod
                                ? xmlSecTransformMemBufGetBuffer(referencia.preDigestMemBufMethod)
                                : nullptr;
    const EVP_MD* metodo = algoritmo == "SHA-256" ? EVP_sha256()
                           : algoritmo == "SHA-1" ? EVP_sha1()
                                                  : nullptr;
    if (!bytes || !metodo) return {};
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int tamanho = 0;
    if (EVP_Digest(xmlSecBufferGetData(bytes), xmlSecBufferGetSize(bytes), digest, &tamanho, metodo,
                   nullptr) != 1)
        return {};
    std::string base64(4 * ((tamanho + 2) / 3) + 1, '\0');
    base64.resize(
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(base64.data()), digest, static_cast<int>(tamanho)));
    return base64;
}

void Interpretar(xmlSecDSigCtx& contexto, ConferenciaAssinatura& r) {
    if (contexto.status == xmlSecDSigStatusSucceeded) {
        r.Estado = EstadoAssinatura::Valida;
        return;
    }
    // xmlsec checks the reference's digest first and stops there when it fails.
    for (xmlSecSize i = 0; i < xmlSecPtrListGetSize(&contexto.signedInfoReferences); ++i) {
        auto* referencia =
            static_cast<xmlSecDSigReferenceCtx*>(xmlSecPtrListGetItem(&contexto.signedInfoReferences, i));
        if (referencia && referencia->status != xmlSecDSigStatusSucceeded) {
            r.Estado = EstadoAssinatura::ConteudoAlterado;
            r.DigestCalculado = DigestAtual(*referencia, r.AlgoritmoDigest);
            return;
        }
    }
    r.Estado = EstadoAssinatura::Danificada;
    r.Motivo = "o valor da assinatura não confere";
}

}  // namespace

xmlNode* ElementoAssinatura(xmlNode* nfe) {
    return nfe ? xmlSecFindChild(nfe, xmlSecNodeSignature, xmlSecDSigNs) : nullptr;
}

std::string TextoCertificado(xmlNode* assinatura) {
    xmlNode* no = assinatura;
    for (const xmlChar* nome : {xmlSecNodeKeyInfo, xmlSecNodeX509Data, xmlSecNodeX509Certificate})
        no = no ? xmlSecFindChild(no, nome, xmlSecDSigNs) : nullptr;
    return NoXml(no).Texto();
}

ConferenciaAssinatura VerificarAssinatura(xmlDoc* documento, xmlNode* infNFe, xmlNode* assinatura,
                                          X509* certificado, const std::string& erroCertificado) {
    ConferenciaAssinatura r;
    if (!assinatura) return r;
    r.Estado = EstadoAssinatura::Danificada;
    const std::string id = NoXml(infNFe).Atributo("Id").value_or("");
    r.Motivo = ConferirEstrutura(assinatura, id, r);
    if (r.Motivo.empty() && !certificado)
        r.Motivo = erroCertificado.empty() ? "certificado ausente" : erroCertificado;
    if (r.Motivo.empty()) r.Motivo = RegistrarId(documento, infNFe, id);
    if (!r.Motivo.empty()) return r;
    if (!IniciarXmlsec()) {
        r.Estado = EstadoAssinatura::NaoConferida;
        r.Motivo = "a biblioteca de assinaturas (xmlsec) não pôde ser iniciada";
        return r;
    }
    ErrosDaVerificacao erros;
    ChaveXmlsec chave = ChaveDoCertificado(certificado, r.Motivo);
    if (!chave) return r;
    ContextoAssinatura contexto = NovoContexto(std::move(chave));
    if (!contexto) {
        r.Estado = EstadoAssinatura::NaoConferida;
        r.Motivo = "memória insuficiente para conferir a assinatura";
        return r;
    }
    if (xmlSecDSigCtxVerify(contexto.get(), assinatura) < 0) {
        r.Motivo = "a assinatura não pôde ser conferida" +
                   (erros.primeiro.empty() ? "" : " (" + erros.primeiro + ")");
        return r;
    }
    r.Motivo.clear();
    Interpretar(*contexto, r);
    return r;
}

}  // namespace luvenor
