// The signer's certificate as the verification describes it: holder, number, issuer, validity, and
// whether an issue date and time falls inside the validity (time zones included).
#include "ClasNFe/CertificadoNFe.h"
#include "NFeTeste.h"
#include "util/UDatas.h"

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

// The base64 body of one of our test certificates (PEM), line breaks kept as in an XML file.
std::string Corpo(const std::string& nome) {
    const std::string pem = teste::LerArquivo(LUVENOR_FIXTURES_DIR "/assinatura/" + nome + ".pem");
    const std::string inicio = "-----BEGIN CERTIFICATE-----";
    const size_t de = pem.find(inicio);
    const size_t ate = pem.find("-----END CERTIFICATE-----");
    EXPECT_NE(de, std::string::npos) << nome;
    return pem.substr(de + inicio.size(), ate - de - inicio.size());
}

DadosCertificado Descrever(const std::string& nome) {
    std::string erro;
    CertificadoX509 certificado = DecodificarCertificado(Corpo(nome), erro);
    EXPECT_TRUE(certificado) << nome << ": " << erro;
    return certificado ? DescreverCertificado(*certificado) : DadosCertificado{};
}

TEST(DadosDoCertificado, CompanyCertificateGivesItsNameCnpjIssuerAndDates) {
    const DadosCertificado d = Descrever("aurora");
    EXPECT_EQ(d.Titular, "FERRAGENS AURORA INDUSTRIA E COMERCIO LTDA") << "without the :CNPJ ending";
    EXPECT_EQ(d.CnpjCpf, "12345678000195");
    EXPECT_EQ(d.Emissor, "AC LUVENOR DE TESTE");
    EXPECT_DOUBLE_EQ(d.ValidoDesde, CodificarData(2024, 1, 1));
    EXPECT_DOUBLE_EQ(d.ValidoAte, CodificarData(2030, 12, 31) + CodificarHora(23, 59, 59));
}

TEST(DadosDoCertificado, AlphanumericCnpjAndPersonsCpfComeFromTheBrazilianFields) {
    EXPECT_EQ(Descrever("alfa").CnpjCpf, "12ABC34501DE35");
    const DadosCertificado pessoa = Descrever("pessoa");
    EXPECT_EQ(pessoa.CnpjCpf, "12345678909") << "the CPF follows the birth date";
    EXPECT_EQ(pessoa.Titular, "MARIA DE TESTE DA SILVA");
}

TEST(DadosDoCertificado, ACertificateWithoutBrazilianFieldsHasNoNumber) {
    const DadosCertificado ac = Descrever("ac-teste");
    EXPECT_EQ(ac.Titular, "AC LUVENOR DE TESTE");
    EXPECT_EQ(ac.CnpjCpf, "");
}

TEST(DecodificacaoDoCertificado, TextsThatAreNoCertificateAreRefusedWithAReason) {
    const std::pair<std::string, std::string> casos[] = {
        {"RGFuZmVTaGFycA==", "certificado ilegível"},  // base64 of a short text
        {"não é base64 !", "certificado ilegível"},
        {"", "certificado ilegível"},
        {std::string(100 * 1024, 'A'), "certificado grande demais"},
        {Corpo("aurora").substr(0, 400), "certificado ilegível"},  // cut short
    };
    for (const auto& [texto, motivo] : casos) {
        std::string erro;
        EXPECT_FALSE(DecodificarCertificado(texto, erro)) << texto.substr(0, 20);
        EXPECT_EQ(erro, motivo) << texto.substr(0, 20);
    }
}

struct Emissao {
    const char* nome;
    const char* texto;
    ValidadeNaEmissao esperado;
};

class ValidadeDoCertificado : public ::testing::TestWithParam<Emissao> {};

// The person's certificate is valid from 2025-06-01 12:00:00 to 2026-06-01 12:00:00 UTC.
TEST_P(ValidadeDoCertificado, ComparesTheIssueInstantInUtc) {
    static const DadosCertificado pessoa = Descrever("pessoa");
    EXPECT_EQ(ConferirValidade(pessoa, GetParam().texto), GetParam().esperado) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(
    Emissoes, ValidadeDoCertificado,
    ::testing::Values(Emissao{"inside", "2025-09-10T14:23:45-03:00", ValidadeNaEmissao::Dentro},
                      Emissao{"at_the_first_second", "2025-06-01T09:00:00-03:00", ValidadeNaEmissao::Dentro},
                      Emissao{"a_second_before", "2025-06-01T08:59:59-03:00", ValidadeNaEmissao::Fora},
                      Emissao{"positive_offset_before", "2025-06-01T13:30:00+02:00", ValidadeNaEmissao::Fora},
                      Emissao{"utc_inside", "2025-06-01T12:30:00Z", ValidadeNaEmissao::Dentro},
                      Emissao{"at_the_last_second", "2026-06-01T09:00:00-03:00", ValidadeNaEmissao::Dentro},
                      Emissao{"a_second_after", "2026-06-01T09:00:01-03:00", ValidadeNaEmissao::Fora},
                      Emissao{"without_offset_is_brasilia_time", "2025-06-01T09:30:00",
                              ValidadeNaEmissao::Dentro},
                      Emissao{"without_offset_before", "2025-06-01T08:30:00", ValidadeNaEmissao::Fora},
                      Emissao{"date_alone_on_the_first_day", "2025-06-01", ValidadeNaEmissao::Dentro},
                      Emissao{"date_alone_on_the_last_day", "2026-06-01", ValidadeNaEmissao::Dentro},
                      Emissao{"date_alone_the_day_before", "2025-05-31", ValidadeNaEmissao::Fora},
                      Emissao{"date_alone_the_day_after", "2026-06-02", ValidadeNaEmissao::Fora},
                      Emissao{"no_date", "", ValidadeNaEmissao::Desconhecida},
                      Emissao{"not_a_date", "10/03/2025", ValidadeNaEmissao::Desconhecida},
                      Emissao{"month_thirteen", "2025-13-01", ValidadeNaEmissao::Desconhecida}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
