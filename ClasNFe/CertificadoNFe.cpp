#include "ClasNFe/CertificadoNFe.h"

#include "util/UDatas.h"
#include "util/UString.h"

#include <openssl/asn1.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/x509v3.h>

#include <charconv>
#include <ctime>
#include <vector>

namespace luvenor {
namespace {

// A signer's certificate is a kilobyte or two; anything this big is not one.
constexpr size_t TamanhoMaximoCertificado = 64 * 1024;

// The fields ICP-Brasil certificates carry in their alternative names: the company's CNPJ, and
// the person's birth date followed by the CPF.
constexpr const char* OidCnpj = "2.16.76.1.3.3";
constexpr const char* OidPessoaFisica = "2.16.76.1.3.1";

struct LiberarContextoBase64 {
    void operator()(EVP_ENCODE_CTX* contexto) const noexcept { EVP_ENCODE_CTX_free(contexto); }
};

struct LiberarNomes {
    void operator()(GENERAL_NAMES* nomes) const noexcept { GENERAL_NAMES_free(nomes); }
};

std::string TextoAsn1(const ASN1_STRING* texto) {
    unsigned char* utf8 = nullptr;
    const int tamanho = texto ? ASN1_STRING_to_UTF8(&utf8, texto) : -1;
    if (tamanho < 0) return {};
    std::string resultado(reinterpret_cast<const char*>(utf8), static_cast<size_t>(tamanho));
    OPENSSL_free(utf8);
    return resultado;
}

std::string NomeComum(const X509_NAME* nome) {
    const int posicao = nome ? X509_NAME_get_index_by_NID(nome, NID_commonName, -1) : -1;
    if (posicao < 0) return {};
    return TextoAsn1(X509_NAME_ENTRY_get_data(X509_NAME_get_entry(nome, posicao)));
}

bool SoAlfanumericos(std::string_view texto) {
    for (char c : texto)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

// The value of the alternative name `oid`, when the certificate has it.
std::string NomeAlternativo(const X509& certificado, const char* oid) {
    std::unique_ptr<GENERAL_NAMES, LiberarNomes> nomes(
        static_cast<GENERAL_NAMES*>(X509_get_ext_d2i(&certificado, NID_subject_alt_name, nullptr, nullptr)));
    for (int i = 0; nomes && i < sk_GENERAL_NAME_num(nomes.get()); ++i) {
        const GENERAL_NAME* nome = sk_GENERAL_NAME_value(nomes.get(), i);
        if (nome->type != GEN_OTHERNAME || !nome->d.otherName->value) continue;
        char texto[64];
        OBJ_obj2txt(texto, sizeof texto, nome->d.otherName->type_id, 1);
        const ASN1_TYPE* valor = nome->d.otherName->value;
        if (std::string_view(texto) != oid) continue;
        // Issuers write it as an octet string or as one of the text types; all hold ASCII.
        if (valor->type == V_ASN1_BOOLEAN || valor->type == V_ASN1_NULL || valor->type == V_ASN1_OBJECT)
            continue;
        const ASN1_STRING* s = valor->value.asn1_string;
        return TirarEspacos(
            std::string_view(reinterpret_cast<const char*>(ASN1_STRING_get0_data(s)), ASN1_STRING_length(s)));
    }
    return {};
}

double DataAsn1(const ASN1_TIME* tempo) {
    std::tm partes{};
    double dia = 0;
    if (!tempo || ASN1_TIME_to_tm(tempo, &partes) != 1) return 0;
    if (!TentarCodificarData(partes.tm_year + 1900, partes.tm_mon + 1, partes.tm_mday, dia)) return 0;
    return dia + CodificarHora(partes.tm_hour, partes.tm_min, partes.tm_sec);
}

bool LerInteiro(std::string_view texto, size_t inicio, size_t tamanho, int& valor) {
    if (inicio + tamanho > texto.size()) return false;
    const char* de = texto.data() + inicio;
    auto [fim, erro] = std::from_chars(de, de + tamanho, valor);
    return erro == std::errc() && fim == de + tamanho;
}

}  // namespace

CertificadoX509 DecodificarCertificado(std::string_view base64, std::string& erro) {
    if (base64.size() > TamanhoMaximoCertificado) {
        erro = "certificado grande demais";
        return nullptr;
    }
    std::vector<unsigned char> der(base64.size() * 3 / 4 + 4);
    std::unique_ptr<EVP_ENCODE_CTX, LiberarContextoBase64> contexto(EVP_ENCODE_CTX_new());
    int parte = 0;
    int total = 0;
    bool lido = false;
    if (contexto) {
        EVP_DecodeInit(contexto.get());
        const auto* entrada = reinterpret_cast<const unsigned char*>(base64.data());
        lido = EVP_DecodeUpdate(contexto.get(), der.data(), &parte, entrada,
                                static_cast<int>(base64.size())) >= 0;
        total = parte;
        lido = lido && EVP_DecodeFinal(contexto.get(), der.data() + total, &parte) >= 0;
        total += parte;
    }
    const unsigned char* cursor = der.data();
    CertificadoX509 certificado(lido ? d2i_X509(nullptr, &cursor, total) : nullptr);
    if (!certificado) erro = "certificado ilegível";
    return certificado;
}

DadosCertificado DescreverCertificado(const X509& certificado) {
    DadosCertificado dados;
    dados.Titular = NomeComum(X509_get_subject_name(&certificado));
    dados.Emissor = NomeComum(X509_get_issuer_name(&certificado));
    // e-CNPJ and e-CPF common names end in ":" and the holder's number.
    std::string numeroDoNome;
    const size_t doisPontos = dados.Titular.rfind(':');
    if (doisPontos != std::string::npos) {
        const std::string_view final = std::string_view(dados.Titular).substr(doisPontos + 1);
        if ((final.size() == 14 || final.size() == 11) && SoAlfanumericos(final)) {
            numeroDoNome = std::string(final);
            dados.Titular.resize(doisPontos);
        }
    }
    dados.CnpjCpf = NomeAlternativo(certificado, OidCnpj);
    if (dados.CnpjCpf.empty()) {
        const std::string pessoa = NomeAlternativo(certificado, OidPessoaFisica);
        if (pessoa.size() >= 19) dados.CnpjCpf = pessoa.substr(8, 11);
    }
    if (dados.CnpjCpf.empty()) dados.CnpjCpf = numeroDoNome;
    dados.ValidoDesde = DataAsn1(X509_get0_notBefore(&certificado));
    dados.ValidoAte = DataAsn1(X509_get0_notAfter(&certificado));
    return dados;
}

ValidadeNaEmissao ConferirValidade(const DadosCertificado& dados, std::string_view emissao) {
    const std::string t = TirarEspacos(emissao);
    int ano = 0, mes = 0, dia = 0;
    double data = 0;
    if (dados.ValidoDesde == 0 || dados.ValidoAte == 0 || !LerInteiro(t, 0, 4, ano) ||
        !LerInteiro(t, 5, 2, mes) || !LerInteiro(t, 8, 2, dia) || !TentarCodificarData(ano, mes, dia, data))
        return ValidadeNaEmissao::Desconhecida;
    int h = 0, m = 0, s = 0;
    if (t.size() < 19 || t[10] != 'T' || !LerInteiro(t, 11, 2, h) || !LerInteiro(t, 14, 2, m) ||
        !LerInteiro(t, 17, 2, s) || h > 23 || m > 59 || s > 59) {
        const bool algumaParteDentro = data <= dados.ValidoAte && data + 1 > dados.ValidoDesde;
        return algumaParteDentro ? ValidadeNaEmissao::Dentro : ValidadeNaEmissao::Fora;
    }
    // The offset from UTC; Brasília's when the text gives none.
    int minutosUtc = -180;
    int oh = 0, om = 0;
    if (t.size() >= 25 && (t[19] == '+' || t[19] == '-') && LerInteiro(t, 20, 2, oh) &&
        LerInteiro(t, 23, 2, om))
        minutosUtc = (t[19] == '-' ? -1 : 1) * (oh * 60 + om);
    else if (t.size() >= 20 && t[19] == 'Z')
        minutosUtc = 0;
    const double instante = data + CodificarHora(h, m, s) - minutosUtc / (24.0 * 60.0);
    const bool dentro = instante >= dados.ValidoDesde && instante <= dados.ValidoAte;
    return dentro ? ValidadeNaEmissao::Dentro : ValidadeNaEmissao::Fora;
}

}  // namespace luvenor
