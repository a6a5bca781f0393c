#pragma once
// The enveloped XML signature of an NF-e, checked with xmlsec: it must have one reference, to
// the invoice's infNFe, use only the algorithms an NF-e may use, and verify with the key of the
// certificate the file carries. Nothing is fetched: references are resolved inside the document.
#include <libxml/tree.h>
#include <openssl/x509.h>

#include <string>

namespace luvenor {

enum class EstadoAssinatura {
    Valida,
    ConteudoAlterado,  // the signed part no longer has the digest the signature declares
    Danificada,        // the signature itself is broken, refused or unusable: Motivo says how
    Ausente,
    NaoConferida,  // the checker itself failed (the library did not start)
};

struct ConferenciaAssinatura {
    EstadoAssinatura Estado = EstadoAssinatura::Ausente;
    std::string Motivo;               // what is wrong, for Danificada and NaoConferida
    std::string DigestValue;          // as the reference declares it, without whitespace
    std::string DigestCalculado;      // of the content as it is now, when it differs
    std::string AlgoritmoDigest;      // "SHA-1", "SHA-256"
    std::string AlgoritmoAssinatura;  // "RSA-SHA1", "RSA-SHA256"
};

// The Signature element among the children of `nfe`, or null.
xmlNode* ElementoAssinatura(xmlNode* nfe);

// The text of the first certificate in the signature's KeyInfo; empty when there is none.
std::string TextoCertificado(xmlNode* assinatura);

// Verifies `assinatura` (null: absent) over `infNFe` of `documento` with the key of `certificado`;
// when that is null, `erroCertificado` says why. Registers infNFe's Id as the document's ID.
ConferenciaAssinatura VerificarAssinatura(xmlDoc* documento, xmlNode* infNFe, xmlNode* assinatura,
                                          X509* certificado, const std::string& erroCertificado);

}  // namespace luvenor
