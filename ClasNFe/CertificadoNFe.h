#pragma once
// The signer's certificate that an NF-e carries in its signature: who holds it, who issued it and
// when it is valid. It is described, not trusted: following its chain up to the Brazilian root
// authority needs that authority's certificates and revocation lists, which a viewer offline lacks.
#include <openssl/x509.h>

#include <memory>
#include <string>
#include <string_view>

namespace luvenor {

struct LiberarX509 {
    void operator()(X509* certificado) const noexcept { X509_free(certificado); }
};
using CertificadoX509 = std::unique_ptr<X509, LiberarX509>;

// A certificate's base64 text (as in X509Certificate, line breaks allowed) decoded; empty when it
// is not one, with the reason in `erro`.
CertificadoX509 DecodificarCertificado(std::string_view base64, std::string& erro);

struct DadosCertificado {
    std::string Titular;  // the subject's common name, without the ":CNPJ" that e-CNPJ names end in
    std::string CnpjCpf;  // the holder's CNPJ (or CPF) from the certificate's Brazilian fields
    std::string Emissor;  // the issuing authority's common name
    // Validity, as day counts in UTC with the time as the fraction.
    double ValidoDesde = 0;
    double ValidoAte = 0;
};

DadosCertificado DescreverCertificado(const X509& certificado);

enum class ValidadeNaEmissao { Dentro, Fora, Desconhecida };

// Whether the issue date and time `emissao` ("2025-03-10T14:23:45-03:00", or a date alone for old
// layouts, which counts when any part of that day is inside) falls inside the validity.
ValidadeNaEmissao ConferirValidade(const DadosCertificado& dados, std::string_view emissao);

}  // namespace luvenor
