// Whether a file is the one that was signed and authorised: our own signed fixtures (made by
// tests/fixtures/assinatura/gerar.sh with xmlsec1 and test-only keys), edited after signing in
// the ways a file gets edited, and hostile signatures that must give a clear result.
#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "NFeTeste.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

using namespace luvenor;
using teste::Remover;
using teste::Trocar;

namespace {

std::string Fixture(const std::string& nome) {
    return teste::LerArquivo(LUVENOR_FIXTURES_DIR "/assinatura/" + nome);
}

const std::string Sha1 = "assinada-sha1.xml";
const std::string Chave = "35250312345678000195550010000012341000012349";
const std::string Uri = "URI=\"#NFe" + Chave + "\"";

VerificacaoNFe Verificar(const std::string& xml) {
    AnaliseXml analise = AnalisarXml(xml, "teste.xml");
    EXPECT_TRUE(analise.documento) << analise.erro;
    return analise.documento ? VerificarDocumentoNFe(analise.documento.get()) : VerificacaoNFe{};
}

// Changes the first base64 character after `abertura`, keeping the text valid base64.
std::string Danificar(std::string xml, std::string_view abertura) {
    const size_t p = xml.find(abertura);
    EXPECT_NE(p, std::string::npos) << abertura;
    if (p == std::string::npos) return xml;
    char& c = xml[p + abertura.size()];
    c = c == 'A' ? 'B' : 'A';
    return xml;
}

std::string Entre(const std::string& xml, const std::string& abertura, const std::string& fechamento) {
    const size_t de = xml.find(abertura) + abertura.size();
    return xml.substr(de, xml.find(fechamento, de) - de);
}

std::string CertificadoAlfa() {
    return Entre(Fixture("assinada-alfanumerica.xml"), "<X509Certificate>", "</X509Certificate>");
}

std::string Aninhado(int niveis) {
    std::string abre, fecha;
    for (int i = 0; i < niveis; ++i) {
        abre += "<a>";
        fecha += "</a>";
    }
    return abre + fecha;
}

struct Caso {
    const char* nome;
    std::string arquivo;
    std::string (*editar)(std::string);
    EstadoAssinatura assinatura;
    EstadoProtocolo protocolo;
    bool chaveCorreta;
    std::string trecho;  // a part of the one-line result
};

class Verificacao : public ::testing::TestWithParam<Caso> {};

TEST_P(Verificacao, GivesTheExpectedResultAndSaysWhy) {
    const Caso& c = GetParam();
    const std::string xml = c.editar ? c.editar(Fixture(c.arquivo)) : Fixture(c.arquivo);
    const VerificacaoNFe v = Verificar(xml);
    const std::string linha = LinhaVerificacao(v);
    EXPECT_EQ(v.Erro, "");
    EXPECT_EQ(v.Assinatura.Estado, c.assinatura) << linha;
    EXPECT_EQ(v.Protocolo, c.protocolo) << linha;
    EXPECT_EQ(v.ConferenciaDaChave.Correta(), c.chaveCorreta) << linha;
    EXPECT_NE(linha.find(c.trecho), std::string::npos) << linha;
    const bool autentica =
        c.assinatura == EstadoAssinatura::Valida && c.protocolo == EstadoProtocolo::Confere && c.chaveCorreta;
    EXPECT_EQ(v.Autentica(), autentica) << linha;
}

using A = EstadoAssinatura;
using P = EstadoProtocolo;

INSTANTIATE_TEST_SUITE_P(
    Genuinas, Verificacao,
    ::testing::Values(
        Caso{"sha1_as_most_invoices", Sha1, nullptr, A::Valida, P::Confere, true,
             "Assinatura válida \u00b7 Protocolo confere \u00b7 Chave correta"},
        Caso{"sha256", "assinada-sha256.xml", nullptr, A::Valida, P::Confere, true, "Assinatura válida"},
        Caso{"alphanumeric_key", "assinada-alfanumerica.xml", nullptr, A::Valida, P::Confere, true,
             "Chave correta"},
        Caso{"authorised_after_the_deadline", Sha1,
             [](std::string x) { return Trocar(x, "<cStat>100</cStat>", "<cStat>150</cStat>"); }, A::Valida,
             P::Confere, true, "Protocolo confere"},
        Caso{"unsigned_object_added_to_the_signature", Sha1,
             [](std::string x) {
                 return Trocar(x, "</KeyInfo>", "</KeyInfo><Object>" + Aninhado(200) + "</Object>");
             },
             A::Valida, P::Confere, true, "Assinatura válida"}),
    [](const auto& info) { return std::string(info.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    EditadasDepoisDeAssinar, Verificacao,
    ::testing::Values(
        Caso{"a_value_changed", Sha1,
             [](std::string x) { return Trocar(x, "<vProd>25.00</vProd>", "<vProd>2500.00</vProd>"); },
             A::ConteudoAlterado, P::Confere, true, "conteúdo alterado após a assinatura"},
        Caso{"the_recipient_changed", Sha1,
             [](std::string x) {
                 return Trocar(x, "<CNPJ>98765432000198</CNPJ>", "<CNPJ>11222333000181</CNPJ>");
             },
             A::ConteudoAlterado, P::Confere, true, "conteúdo alterado após a assinatura"},
        Caso{"a_line_break_added", Sha1, [](std::string x) { return Trocar(x, "<ide>", "<ide>\n"); },
             A::ConteudoAlterado, P::Confere, true, "conteúdo alterado"},
        Caso{"the_signature_value_damaged", Sha1,
             [](std::string x) { return Danificar(x, "<SignatureValue>"); }, A::Danificada, P::Confere, true,
             "o valor da assinatura não confere"},
        Caso{"the_signatures_digest_damaged", Sha1,
             [](std::string x) { return Danificar(x, "<DigestValue>"); }, A::Danificada, P::Difere, true,
             "DigestValue da assinatura foi alterado"},
        Caso{"the_protocols_digest_different", Sha1, [](std::string x) { return Danificar(x, "<digVal>"); },
             A::Valida, P::Difere, true, "digVal do protocolo difere"},
        Caso{
            "the_protocol_of_another_key", Sha1,
            [](std::string x) { return Trocar(x, "<chNFe>" + Chave, "<chNFe>" + Chave.substr(0, 43) + "0"); },
            A::Valida, P::Difere, true, "o protocolo é de outra chave"},
        Caso{"use_denied", Sha1,
             [](std::string x) {
                 x = Trocar(x, "<cStat>100</cStat>", "<cStat>302</cStat>");
                 return Trocar(x, "Autorizado o uso da NF-e", "Uso Denegado");
             },
             A::Valida, P::NaoAutoriza, true, "Protocolo não autoriza o uso (cStat 302: Uso Denegado)"},
        Caso{"without_signature", Sha1,
             [](std::string x) { return Remover(x, "<Signature", "</Signature>"); }, A::Ausente, P::Difere,
             true, "Sem assinatura"},
        Caso{"without_protocol", Sha1, [](std::string x) { return Remover(x, "<protNFe", "</protNFe>"); },
             A::Valida, P::Ausente, true, "Sem protocolo"},
        Caso{"the_check_digit_declared_differs", Sha1,
             [](std::string x) { return Trocar(x, "<cDV>9</cDV>", "<cDV>8</cDV>"); }, A::ConteudoAlterado,
             P::Confere, false, "Chave não confere com: dígito verificador (cDV)"},
        Caso{"a_key_with_a_wrong_check_digit", Sha1,
             [](std::string x) {
                 for (int i = 0; i < 3; ++i) x = Trocar(x, Chave, Chave.substr(0, 43) + "7");
                 return Trocar(x, "<cDV>9</cDV>", "<cDV>7</cDV>");
             },
             A::ConteudoAlterado, P::Confere, false, "Chave com dígito verificador errado"},
        Caso{"an_issuer_other_than_the_keys", Sha1,
             [](std::string x) {
                 return Trocar(x, "<CNPJ>12345678000195</CNPJ>", "<CNPJ>11222333000181</CNPJ>");
             },
             A::ConteudoAlterado, P::Confere, false, "Chave não confere com: CNPJ/CPF do emitente"}),
    [](const auto& info) { return std::string(info.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    AssinaturasHostis, Verificacao,
    ::testing::Values(
        Caso{"reference_to_another_element", Sha1,
             [](std::string x) { return Trocar(x, Uri, "URI=\"#ID135250000001234\""); }, A::Danificada, P::Confere,
             true, "não é o Id do infNFe"},
        Caso{"reference_to_the_whole_document", Sha1, [](std::string x) { return Trocar(x, Uri, "URI=\"\""); },
             A::Danificada, P::Confere, true, "URI vazia"},
        Caso{"external_reference", Sha1,
             [](std::string x) { return Trocar(x, Uri, "URI=\"http://example.invalid/nfe.xml\""); }, A::Danificada,
             P::Confere, true, "referência externa recusada: http://example.invalid/nfe.xml"},
        Caso{"local_file_reference", Sha1, [](std::string x) { return Trocar(x, Uri, "URI=\"file:///etc/passwd\""); },
             A::Danificada, P::Confere, true, "referência externa recusada"},
        Caso{"hmac_instead_of_rsa", Sha1,
             [](std::string x) { return Trocar(x, "xmldsig#rsa-sha1", "xmldsig#hmac-sha1"); }, A::Danificada,
             P::Confere, true, "algoritmo não aceito em <SignatureMethod>"},
        Caso{"md5_digest", Sha1,
             [](std::string x) {
                 return Trocar(x, "http://www.w3.org/2000/09/xmldsig#sha1",
                               "http://www.w3.org/2001/04/xmldsig-more#md5");
             },
             A::Danificada, P::Confere, true, "algoritmo não aceito em <DigestMethod>"},
        Caso{"xslt_transform", Sha1,
             [](std::string x) {
                 return Trocar(x, "http://www.w3.org/2000/09/xmldsig#enveloped-signature",
                               "http://www.w3.org/TR/1999/REC-xslt-19991116");
             },
             A::Danificada, P::Confere, true, "algoritmo não aceito em <Transform>"},
        Caso{"too_many_transforms", Sha1,
             [](std::string x) {
                 const std::string t = "<Transform Algorithm=\"http://www.w3.org/TR/2001/REC-xml-c14n-20010315\"/>";
                 return Trocar(x, "<Transforms>", "<Transforms>" + t + t + t + t);
             },
             A::Danificada, P::Confere, true, "transformações demais"},
        Caso{"two_references", Sha1,
             [](std::string x) {
                 const std::string referencia = "<Reference" + Entre(x, "<Reference", "</Reference>") + "</Reference>";
                 return Trocar(x, "</Reference>", "</Reference>" + referencia);
             },
             A::Danificada, P::Confere, true, "tem 2"},
        Caso{"another_element_with_the_same_id", Sha1,
             [](std::string x) { return Trocar(x, "<protNFe ", "<protNFe xml:id=\"NFe" + Chave + "\" "); },
             A::Danificada, P::Confere, true, "outro elemento do arquivo tem o Id do infNFe"},
        Caso{"certificate_of_another_key", Sha1,
             [](std::string x) {
                 return Trocar(x, Entre(x, "<X509Certificate>", "</X509Certificate>"), CertificadoAlfa());
             },
             A::Danificada, P::Confere, true, "o valor da assinatura não confere"},
        Caso{"no_certificate", Sha1,
             [](std::string x) { return Remover(x, "<X509Certificate>", "</X509Certificate>"); }, A::Danificada,
             P::Confere, true, "a assinatura não traz o certificado"},
        Caso{"certificate_that_is_no_certificate", Sha1,
             [](std::string x) {
                 return Trocar(x, Entre(x, "<X509Certificate>", "</X509Certificate>"), "RGFuZmVTaGFycA==");
             },
             A::Danificada, P::Confere, true, "certificado ilegível"},
        Caso{"huge_signature_value", Sha1,
             [](std::string x) {
                 return Trocar(x, Entre(x, "<SignatureValue>", "</SignatureValue>"), std::string(1 << 20, 'A'));
             },
             A::Danificada, P::Confere, true, "Assinatura inválida"},
        Caso{"digest_that_is_not_base64", Sha1,
             [](std::string x) { return Trocar(x, Entre(x, "<DigestValue>", "</DigestValue>"), "@@@@"); },
             A::Danificada, P::Difere, true, "o DigestValue da assinatura não é base64"},
        Caso{"signature_value_that_is_not_base64", Sha1,
             [](std::string x) { return Trocar(x, Entre(x, "<SignatureValue>", "</SignatureValue>"), "@@@@"); },
             A::Danificada, P::Confere, true, "a assinatura não pôde ser conferida ("},
        Caso{"without_signed_info", Sha1,
             [](std::string x) { return Remover(x, "<SignedInfo>", "</SignedInfo>"); }, A::Danificada, P::Difere,
             true, "falta <SignedInfo> na assinatura"},
        Caso{"without_signature_value", Sha1,
             [](std::string x) { return Remover(x, "<SignatureValue>", "</SignatureValue>"); }, A::Danificada,
             P::Confere, true, "falta <SignatureValue> na assinatura"},
        Caso{"signature_inside_infnfe", Sha1,
             [](std::string x) {
                 const std::string assinatura = "<Signature" + Entre(x, "<Signature", "</Signature>") + "</Signature>";
                 x = Remover(x, "<Signature", "</Signature>");
                 return Trocar(x, "</infNFe>", assinatura + "</infNFe>");
             },
             A::Ausente, P::Difere, true, "Sem assinatura"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(VerificacaoDetalhes, NameTheHolderTheValidityTheDigestsAndTheUncheckedChain) {
    const std::vector<std::string> linhas = DetalhesVerificacao(Verificar(Fixture(Sha1)));
    auto tem = [&](const std::string& trecho) {
        for (const std::string& l : linhas)
            if (l.find(trecho) != std::string::npos) return true;
        return false;
    };
    const std::string digest = Entre(Fixture(Sha1), "<DigestValue>", "</DigestValue>");
    EXPECT_TRUE(tem("Certificado: FERRAGENS AURORA INDUSTRIA E COMERCIO LTDA, CNPJ 12.345.678/0001-95"));
    EXPECT_TRUE(tem("Emitido por: AC LUVENOR DE TESTE"));
    EXPECT_TRUE(tem("Validade: 01/01/2024 a 31/12/2030; a emissão (10/03/2025) está dentro da validade"));
    EXPECT_TRUE(tem("O certificado é do emitente da nota"));
    EXPECT_TRUE(tem("Cadeia não verificada"));
    EXPECT_TRUE(tem("Digest da assinatura: " + digest));
    EXPECT_TRUE(tem("digVal do protocolo: " + digest));
    EXPECT_TRUE(tem("Protocolo 135250000001234: cStat 100 - Autorizado o uso da NF-e"));
    EXPECT_TRUE(tem("(RSA-SHA1, digest SHA-1)"));
    EXPECT_FALSE(tem("Digest do conteúdo atual")) << "only when the content changed";
}

TEST(VerificacaoDetalhes, AChangedContentShowsItsOwnDigestAndAnotherIssuerIsPointedOut) {
    const std::string xml =
        Trocar(Fixture(Sha1), "<CNPJ>12345678000195</CNPJ>", "<CNPJ>11222333000181</CNPJ>");
    const VerificacaoNFe v = Verificar(xml);
    EXPECT_EQ(v.CertificadoDoEmitente, EstadoCertificadoEmitente::Difere);
    ASSERT_FALSE(v.Assinatura.DigestCalculado.empty());
    EXPECT_NE(v.Assinatura.DigestCalculado, v.Assinatura.DigestValue);
    EXPECT_EQ(v.Assinatura.DigestCalculado.size(), v.Assinatura.DigestValue.size()) << "both SHA-1 in base64";
    const std::vector<std::string> linhas = DetalhesVerificacao(v);
    EXPECT_NE(std::find(linhas.begin(), linhas.end(),
                        "O certificado não é do emitente da nota (CNPJ 11.222.333/0001-81)"),
              linhas.end());
}

TEST(VerificacaoCertificado, AnIssueDateOutsideTheValidityIsTold) {
    const std::string xml =
        Trocar(Fixture(Sha1), "<dhEmi>2025-03-10T14:23:45-03:00", "<dhEmi>2023-12-31T20:59:59-03:00");
    const VerificacaoNFe v = Verificar(xml);
    EXPECT_EQ(v.EmissaoNaValidade, ValidadeNaEmissao::Fora);
    EXPECT_EQ(v.Assinatura.Estado, EstadoAssinatura::ConteudoAlterado);
    EXPECT_EQ(Verificar(Fixture(Sha1)).EmissaoNaValidade, ValidadeNaEmissao::Dentro);
}

TEST(VerificacaoDocumento, VerifyingTheSameDocumentTwiceGivesTheSameResult) {
    AnaliseXml analise = AnalisarXml(Fixture(Sha1), "teste.xml");
    ASSERT_TRUE(analise.documento);
    EXPECT_TRUE(VerificarDocumentoNFe(analise.documento.get()).Autentica());
    EXPECT_TRUE(VerificarDocumentoNFe(analise.documento.get()).Autentica()) << "the Id is registered once";
}

TEST(VerificacaoDocumento, ABareSignedNFeHasNoProtocolAndOtherRootsAreNoInvoice) {
    const std::string xml = Fixture(Sha1);
    const std::string nfe =
        "<NFe xmlns=\"http://www.portalfiscal.inf.br/nfe\">" + Entre(xml, "<NFe>", "</NFe>") + "</NFe>";
    const VerificacaoNFe soNFe = Verificar(nfe);
    EXPECT_EQ(soNFe.Assinatura.Estado, EstadoAssinatura::Valida) << LinhaVerificacao(soNFe);
    EXPECT_EQ(soNFe.Protocolo, EstadoProtocolo::Ausente);

    const VerificacaoNFe outra = Verificar("<Rps><x/></Rps>");
    EXPECT_EQ(outra.Erro,
              "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada.");
    EXPECT_EQ(LinhaVerificacao(outra), outra.Erro);
    EXPECT_FALSE(outra.Autentica());
    EXPECT_EQ(Verificar("<nfeProc versao=\"4.00\"/>").Erro,
              "Arquivo não está no formado de distribuição. Tag <NFe> não encontrada.");
}

TEST(VerificacaoArquivo, FilesAreLoadedWithTheViewersChecks) {
    const std::string pasta =
        (std::filesystem::temp_directory_path() / ("luvenor-verificacao-" + std::to_string(::getpid())))
            .string();
    std::filesystem::create_directories(pasta);
    const std::string doctype = pasta + "/doctype.xml";
    std::ofstream(doctype) << "<?xml version=\"1.0\"?><!DOCTYPE nfeProc [<!ENTITY x \"y\">]>"
                           << Fixture(Sha1).substr(Fixture(Sha1).find("<nfeProc"));
    EXPECT_NE(VerificarArquivoNFe(doctype).Erro.find("DOCTYPE"), std::string::npos);
    EXPECT_EQ(VerificarArquivoNFe(pasta + "/nao-existe.xml").Erro, "Arquivo XML não encontrado.");
    EXPECT_TRUE(VerificarArquivoNFe(LUVENOR_FIXTURES_DIR "/assinatura/" + Sha1).Autentica());
    std::filesystem::remove_all(pasta);
}

TEST(VerificacaoNaCarga, TheLoadFillsTheVerificationBesideTheRecord) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    VerificacaoNFe v;
    v.Erro = "do arquivo anterior";
    const ResultadoCarga carga = CarregarTextoNFe(leitor, Fixture(Sha1), "teste.xml", true, &v);
    EXPECT_EQ(carga.MsgErro, "");
    EXPECT_EQ(nf.NumLcto, 1234);
    EXPECT_TRUE(v.Autentica()) << LinhaVerificacao(v);

    VerificacaoNFe intocada;
    intocada.Erro = "intocada";
    EXPECT_FALSE(CarregarTextoNFe(leitor, "<nfeProc>", "quebrado.xml", true, &intocada).Carregado());
    EXPECT_EQ(intocada.Erro, "intocada") << "a file that is not loaded is not verified";
}

}  // namespace
