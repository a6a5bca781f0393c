#include "ClasNFe/VerificacaoNFe.h"

#include "ClasNFe/AlgoritmosAssinatura.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/NoXml.h"
#include "util/UString.h"

namespace luvenor {
namespace {

std::string Texto(NoXml no) {
    return TirarEspacos(no.Texto());
}

// The first of the alternative children that the element has.
NoXml Um(NoXml pai, std::string_view nome, std::string_view alternativa) {
    NoXml no = pai.Filho(nome);
    return no ? no : pai.Filho(alternativa);
}

void ConferirChaveDaNota(NoXml infNFe, VerificacaoNFe& v) {
    const std::string id = infNFe.Atributo("Id").value_or("");
    // The key follows the "NFe" prefix; an Id without it is no key.
    const bool comPrefixo = id.rfind("NFe", 0) == 0;
    v.Chave = comPrefixo ? id.substr(3) : id;
    NoXml ide = infNFe.Filho("ide");
    v.Emissao = Texto(Um(ide, "dhEmi", "dEmi"));
    v.CnpjCpfEmitente = Texto(Um(infNFe.Filho("emit"), "CNPJ", "CPF"));
    const CamposChave campos = {Texto(ide.Filho("cUF")),    v.Emissao,
                                v.CnpjCpfEmitente,          Texto(ide.Filho("mod")),
                                Texto(ide.Filho("serie")),  Texto(ide.Filho("nNF")),
                                Texto(ide.Filho("tpEmis")), Texto(ide.Filho("cNF")),
                                Texto(ide.Filho("cDV"))};
    v.ConferenciaDaChave = ConferirChave(comPrefixo ? std::string_view(v.Chave) : std::string_view(), campos);
}

// A company's certificates may come from any of its branches: the CNPJ root is what must match.
EstadoCertificadoEmitente CompararComEmitente(const std::string& certificado, const std::string& emitente) {
    if (certificado.empty() || emitente.empty()) return EstadoCertificadoEmitente::Desconhecido;
    const bool cnpjs = certificado.size() == 14 && emitente.size() == 14;
    const bool iguais = cnpjs ? certificado.compare(0, 8, emitente, 0, 8) == 0 : certificado == emitente;
    return iguais ? EstadoCertificadoEmitente::Confere : EstadoCertificadoEmitente::Difere;
}

void ConferirAssinaturaECertificado(xmlDoc* documento, NoXml nfe, NoXml infNFe, VerificacaoNFe& v) {
    xmlNode* assinatura = ElementoAssinatura(nfe.Bruto());
    std::string erroCertificado;
    CertificadoX509 certificado;
    if (assinatura) {
        const std::string texto = TextoCertificado(assinatura);
        if (texto.empty())
            erroCertificado = "a assinatura não traz o certificado";
        else
            certificado = DecodificarCertificado(texto, erroCertificado);
    }
    if (certificado) {
        v.TemCertificado = true;
        v.Certificado = DescreverCertificado(*certificado);
        v.EmissaoNaValidade = ConferirValidade(v.Certificado, v.Emissao);
        v.CertificadoDoEmitente = CompararComEmitente(v.Certificado.CnpjCpf, v.CnpjCpfEmitente);
    }
    v.Assinatura =
        VerificarAssinatura(documento, infNFe.Bruto(), assinatura, certificado.get(), erroCertificado);
}

// 100 authorises the use of the invoice, 150 the same after the deadline.
bool Autorizada(const std::string& status) {
    return status == "100" || status == "150";
}

void ConferirProtocolo(NoXml protNFe, VerificacaoNFe& v) {
    NoXml infProt = protNFe.Filho("infProt");
    if (!infProt) return;
    v.NumeroProtocolo = Texto(infProt.Filho("nProt"));
    v.DigestProtocolo = SemEspacos(infProt.Filho("digVal").Texto());
    v.StatusProtocolo = Texto(infProt.Filho("cStat"));
    v.MotivoStatus = Texto(infProt.Filho("xMotivo"));
    const std::string chave = Texto(infProt.Filho("chNFe"));
    v.Protocolo = EstadoProtocolo::Difere;
    if (!chave.empty() && chave != v.Chave)
        v.MotivoProtocolo = "o protocolo é de outra chave (" + chave.substr(0, 60) + ")";
    else if (v.DigestProtocolo.empty())
        v.MotivoProtocolo = "o protocolo não tem digVal";
    else if (v.Assinatura.DigestValue.empty())
        v.MotivoProtocolo = "a nota não tem assinatura com que comparar o digVal";
    else if (v.DigestProtocolo != v.Assinatura.DigestValue)
        v.MotivoProtocolo = "o digVal do protocolo difere do digest da assinatura";
    else
        v.Protocolo = Autorizada(v.StatusProtocolo) ? EstadoProtocolo::Confere : EstadoProtocolo::NaoAutoriza;
}

}  // namespace

VerificacaoNFe VerificarDocumentoNFe(xmlDoc* documento) {
    VerificacaoNFe v;
    NoXml raiz(documento ? xmlDocGetRootElement(documento) : nullptr);
    NoXml nfeProc = raiz.Chamado("nfeProc") ? raiz : NoXml();
    NoXml nfe = nfeProc ? nfeProc.Filho("NFe") : raiz.Chamado("NFe") ? raiz : NoXml();
    NoXml infNFe = nfe.Filho("infNFe");
    if (!raiz.Chamado("nfeProc") && !raiz.Chamado("NFe"))
        v.Erro = "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada.";
    else if (!nfe)
        v.Erro = "Arquivo não está no formado de distribuição. Tag <NFe> não encontrada.";
    else if (!infNFe)
        v.Erro = "Tag <infNFe> não encontrada.";
    if (!v.Erro.empty()) return v;
    ConferirChaveDaNota(infNFe, v);
    ConferirAssinaturaECertificado(documento, nfe, infNFe, v);
    ConferirProtocolo(nfeProc.Filho("protNFe"), v);
    // The content still has the digest the authority registered: it is the signature's own
    // DigestValue that was changed, not the invoice.
    ConferenciaAssinatura& a = v.Assinatura;
    if (a.Estado == EstadoAssinatura::ConteudoAlterado && !a.DigestCalculado.empty() &&
        a.DigestCalculado == v.DigestProtocolo) {
        a.Estado = EstadoAssinatura::Danificada;
        a.Motivo = "o DigestValue da assinatura foi alterado; o conteúdo é o que o protocolo registra";
    }
    return v;
}

VerificacaoNFe VerificarArquivoNFe(const std::string& caminho) {
    VerificacaoNFe v;
    DocumentoXml documento = AbrirDocumentoXml(caminho, v.Erro);
    return documento ? VerificarDocumentoNFe(documento.get()) : v;
}

}  // namespace luvenor
