#pragma once
// The algorithms an NF-e signature may declare, and the look at the signature's structure before
// xmlsec runs it: whatever else a file declares is refused with a reason the user can read.
#include <libxml/tree.h>
#include <xmlsec/transforms.h>

#include <span>
#include <string>
#include <string_view>

namespace luvenor {

struct ConferenciaAssinatura;

enum UsoAlgoritmo : unsigned {
    UsoCanonicalizacao = 1,  // CanonicalizationMethod of SignedInfo
    UsoAssinatura = 2,       // SignatureMethod
    UsoTransformacao = 4,    // a Transform of the reference
    UsoDigest = 8,           // DigestMethod
};

struct AlgoritmoAssinatura {
    const xmlChar* uri;
    const char* nome;
    unsigned usos;
    xmlSecTransformId (*classe)();
};

std::span<const AlgoritmoAssinatura> AlgoritmosAceitos();

// A base64 text without the spaces and line breaks files put in it.
std::string SemEspacos(std::string_view texto);

// Looks at the Signature element: SignedInfo with accepted algorithms, exactly one reference, to
// "#" + `idInfNFe`, a few accepted transforms, a digest value and a signature value. Fills the
// declared digest and the algorithms' names in `r`; returns why the signature is refused, or empty.
std::string ConferirEstrutura(xmlNode* assinatura, const std::string& idInfNFe, ConferenciaAssinatura& r);

}  // namespace luvenor
