// The words the user reads about a verification: the one-line summary and the details behind it.
#include "ClasNFe/VerificacaoNFe.h"

#include "util/UDatas.h"
#include "util/UMascara.h"

namespace luvenor {
namespace {

constexpr const char* Separador = " \u00b7 ";

std::string Juntar(const std::vector<std::string>& partes, const char* separador) {
    std::string texto;
    for (const std::string& p : partes) texto += (texto.empty() ? "" : separador) + p;
    return texto;
}

std::string ParteAssinatura(const ConferenciaAssinatura& a) {
    switch (a.Estado) {
        case EstadoAssinatura::Valida:
            return "Assinatura válida";
        case EstadoAssinatura::ConteudoAlterado:
            return "Assinatura inválida: conteúdo alterado após a assinatura";
        case EstadoAssinatura::Danificada:
            return "Assinatura inválida: " + a.Motivo;
        case EstadoAssinatura::NaoConferida:
            return "Assinatura não conferida: " + a.Motivo;
        case EstadoAssinatura::Ausente:
            break;
    }
    return "Sem assinatura";
}

std::string ParteProtocolo(const VerificacaoNFe& v) {
    switch (v.Protocolo) {
        case EstadoProtocolo::Confere:
            return "Protocolo confere";
        case EstadoProtocolo::Difere:
            return "Protocolo não confere: " + v.MotivoProtocolo;
        case EstadoProtocolo::NaoAutoriza:
            return "Protocolo não autoriza o uso (cStat " + v.StatusProtocolo +
                   (v.MotivoStatus.empty() ? "" : ": " + v.MotivoStatus) + ")";
        case EstadoProtocolo::Ausente:
            break;
    }
    return "Sem protocolo";
}

std::string ParteChave(const ConferenciaChave& c) {
    if (!c.BemFormada) return "Chave malformada";
    if (c.Correta()) return "Chave correta";
    const std::string campos = "não confere com: " + Juntar(c.Divergentes, ", ");
    if (c.DigitoCorreto) return "Chave " + campos;
    return "Chave com dígito verificador errado" + (c.Divergentes.empty() ? "" : " e " + campos);
}

// "2025-03-10T14:23:45-03:00" as "10/03/2025".
std::string DataDaEmissao(const std::string& emissao) {
    if (emissao.size() < 10) return emissao;
    return emissao.substr(8, 2) + "/" + emissao.substr(5, 2) + "/" + emissao.substr(0, 4);
}

std::string Documento(const std::string& cnpjCpf) {
    return (cnpjCpf.size() == 11 ? "CPF " : "CNPJ ") + MascaraCnpjCpf(cnpjCpf);
}

void DetalhesAssinatura(const VerificacaoNFe& v, std::vector<std::string>& linhas) {
    const ConferenciaAssinatura& a = v.Assinatura;
    std::string algoritmos = a.AlgoritmoAssinatura;
    if (!a.AlgoritmoDigest.empty())
        algoritmos += (algoritmos.empty() ? "digest " : ", digest ") + a.AlgoritmoDigest;
    linhas.push_back(ParteAssinatura(a) + (algoritmos.empty() ? "" : " (" + algoritmos + ")"));
    if (!a.DigestValue.empty()) linhas.push_back("Digest da assinatura: " + a.DigestValue);
    if (!a.DigestCalculado.empty()) linhas.push_back("Digest do conteúdo atual: " + a.DigestCalculado);
    linhas.push_back(ParteProtocolo(v));
    if (v.Protocolo == EstadoProtocolo::Ausente) return;
    std::string status = "Protocolo " + v.NumeroProtocolo + ": cStat " + v.StatusProtocolo;
    if (!v.MotivoStatus.empty()) status += " - " + v.MotivoStatus;
    linhas.push_back(status);
    if (!v.DigestProtocolo.empty()) linhas.push_back("digVal do protocolo: " + v.DigestProtocolo);
}

std::string TextoValidade(const VerificacaoNFe& v) {
    const DadosCertificado& c = v.Certificado;
    std::string texto = "Validade: " + DataParaTexto(c.ValidoDesde) + " a " + DataParaTexto(c.ValidoAte);
    const std::string emissao = "; a emissão (" + DataDaEmissao(v.Emissao) + ")";
    if (v.EmissaoNaValidade == ValidadeNaEmissao::Dentro) texto += emissao + " está dentro da validade";
    if (v.EmissaoNaValidade == ValidadeNaEmissao::Fora) texto += emissao + " está fora da validade";
    return texto;
}

void DetalhesCertificado(const VerificacaoNFe& v, std::vector<std::string>& linhas) {
    if (!v.TemCertificado) {
        if (v.Assinatura.Estado != EstadoAssinatura::Ausente)
            linhas.push_back("Certificado: ausente ou ilegível");
        return;
    }
    const DadosCertificado& c = v.Certificado;
    linhas.push_back("Certificado: " + c.Titular + (c.CnpjCpf.empty() ? "" : ", " + Documento(c.CnpjCpf)));
    if (!c.Emissor.empty()) linhas.push_back("Emitido por: " + c.Emissor);
    linhas.push_back(TextoValidade(v));
    if (v.CertificadoDoEmitente == EstadoCertificadoEmitente::Confere)
        linhas.push_back("O certificado é do emitente da nota");
    if (v.CertificadoDoEmitente == EstadoCertificadoEmitente::Difere)
        linhas.push_back("O certificado não é do emitente da nota (" + Documento(v.CnpjCpfEmitente) + ")");
    linhas.push_back(
        "Cadeia não verificada: sem a rede não se confere o certificado até a AC raiz da ICP-Brasil nem a "
        "sua "
        "revogação");
}

}  // namespace

std::string LinhaVerificacao(const VerificacaoNFe& v) {
    if (!v.Erro.empty()) return v.Erro;
    return Juntar({ParteAssinatura(v.Assinatura), ParteProtocolo(v), ParteChave(v.ConferenciaDaChave)},
                  Separador);
}

std::vector<std::string> DetalhesVerificacao(const VerificacaoNFe& v) {
    if (!v.Erro.empty()) return {v.Erro};
    std::vector<std::string> linhas;
    DetalhesAssinatura(v, linhas);
    DetalhesCertificado(v, linhas);
    linhas.push_back("Chave de acesso " + MascaraChaveNfe(v.Chave) + ": " + ParteChave(v.ConferenciaDaChave));
    return linhas;
}

}  // namespace luvenor
