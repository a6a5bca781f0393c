#pragma once
// Whether an NF-e file is the one its issuer signed and the tax authority authorised, checked
// offline: the signature over infNFe, the protocol's digest against the signature's, the access
// key against its check digit and the fields it is made of, and (informative) the certificate.
// A plain result over a parsed document or a file, so that any window or command can show it.
#include "ClasNFe/AssinaturaNFe.h"
#include "ClasNFe/CertificadoNFe.h"
#include "ClasNFe/ChaveAcesso.h"

#include <string>
#include <vector>

namespace luvenor {

enum class EstadoProtocolo {
    Confere,      // the protocol is this key's and its digVal is the signature's digest
    Difere,       // Motivo says how
    NaoAutoriza,  // it agrees, but its status is not an authorisation (a denial, for instance)
    Ausente,
};

enum class EstadoCertificadoEmitente { Confere, Difere, Desconhecido };

struct VerificacaoNFe {
    // Why the file could not be checked at all (not loaded, not an NF-e); the rest is then empty.
    std::string Erro;

    ConferenciaAssinatura Assinatura;

    EstadoProtocolo Protocolo = EstadoProtocolo::Ausente;
    std::string MotivoProtocolo;
    std::string NumeroProtocolo;
    std::string DigestProtocolo;  // digVal, without whitespace
    std::string StatusProtocolo;  // cStat
    std::string MotivoStatus;     // xMotivo

    std::string Chave;
    ConferenciaChave ConferenciaDaChave;
    std::string CnpjCpfEmitente;
    std::string Emissao;  // dhEmi or dEmi as written

    bool TemCertificado = false;
    DadosCertificado Certificado;
    ValidadeNaEmissao EmissaoNaValidade = ValidadeNaEmissao::Desconhecida;
    EstadoCertificadoEmitente CertificadoDoEmitente = EstadoCertificadoEmitente::Desconhecido;

    // Signed and unchanged, authorised as this very document, and with a correct key.
    bool Autentica() const {
        return Erro.empty() && Assinatura.Estado == EstadoAssinatura::Valida &&
               Protocolo == EstadoProtocolo::Confere && ConferenciaDaChave.Correta();
    }
};

// Checks the NF-e of `documento`, whose root is nfeProc (or a bare NFe, which has no protocol).
// Registers infNFe's Id as an ID of the document; changes nothing else in it.
VerificacaoNFe VerificarDocumentoNFe(xmlDoc* documento);

// Loads the file at `caminho` with the viewer's checks (size, safe parse) and checks it.
VerificacaoNFe VerificarArquivoNFe(const std::string& caminho);

// One line: "Assinatura válida · Protocolo confere · Chave correta", or what failed.
std::string LinhaVerificacao(const VerificacaoNFe& v);

// The details behind the line: digests, protocol, certificate holder and validity, the key.
std::vector<std::string> DetalhesVerificacao(const VerificacaoNFe& v);

}  // namespace luvenor
