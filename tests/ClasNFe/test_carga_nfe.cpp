// Loading a file: the path checks, refused and malformed documents, and the forms of the same
// invoice that must read alike (namespaces, encodings, BOM, CDATA).
#include "ClasDocFisc/ExportarJson.h"
#include "ClasNFe/NFeTeste.h"

#include <filesystem>
#include <regex>

#include <unistd.h>

using namespace luvenor;
using namespace luvenor::teste;
namespace fs = std::filesystem;

namespace {

const std::string MensagemNfeProc =
    "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada. - ";

// A scratch folder of its own for each test, removed at the end.
class CargaNFe : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ =
            fs::temp_directory_path() / ("luvenor-carga-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta_);
        leitor_.NotaFiscal = &nf_;
        // A first, good load: failed loads afterwards must leave it as it is.
        ASSERT_EQ(CarregarTextoNFe(leitor_, Base(), "base.xml").MsgErro, "");
    }
    void TearDown() override { fs::remove_all(pasta_); }

    std::string Gravar(const std::string& nome, const std::string& conteudo) {
        std::string caminho = (pasta_ / nome).string();
        std::ofstream(caminho, std::ios::binary) << conteudo;
        return caminho;
    }
    ResultadoCarga Carregar(const std::string& caminho) {
        NotificadorInstalado instalado(&avisos_);
        return CarregarArquivoNFe(leitor_, caminho);
    }
    void ExpectRegistroAnterior() const {
        EXPECT_EQ(nf_.NumLcto, 1234);
        EXPECT_EQ(nf_.ItensNF.Count(), 3);
        EXPECT_EQ(nf_.ProtocoloNfe, "135190000000001");
    }

    fs::path pasta_;
    TNotaFiscal nf_;
    TXmlNFe leitor_;
    NotificadorCaptura avisos_;
};

std::string JsonDe(const std::string& xml) {
    auto l = Ler(xml);
    EXPECT_EQ(l->resultado.MsgErro, "");
    return ExportarJson(l->nf);
}

// UTF-8 to ISO-8859-1 for texts whose characters all exist there.
std::string ParaLatin1(const std::string& utf8) {
    std::string saida;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xC0 && i + 1 < utf8.size()) {
            saida += static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
        } else {
            saida += static_cast<char>(c);
        }
    }
    return saida;
}

}  // namespace

TEST_F(CargaNFe, PathChecksComeFirst) {
    EXPECT_EQ(Carregar("").ErroCarga, "Informe o arquivo XML.");
    EXPECT_EQ(Carregar("   ").ErroCarga, "Informe o arquivo XML.");
    EXPECT_EQ(Carregar((pasta_ / "nao-existe.xml").string()).ErroCarga, "Arquivo XML não encontrado.");
    EXPECT_EQ(Carregar(pasta_.string()).ErroCarga, "Arquivo XML não encontrado.");
    ExpectRegistroAnterior();
}

TEST_F(CargaNFe, MalformedFileGivesTheParserMessageWithItsLine) {
    std::string caminho = Gravar("quebrado.xml", "<?xml version=\"1.0\"?>\n<nfeProc>\n<NFe></nfe>");
    ResultadoCarga r = Carregar(caminho);
    EXPECT_EQ(r.ErroCarga.rfind("Erro ao abrir arquivo " + caminho + " - linha 3, coluna ", 0), 0u)
        << r.ErroCarga;
    ExpectRegistroAnterior();

    // The next load knows nothing of the previous one's error.
    ResultadoCarga bom = Carregar(Gravar("bom.xml", Base()));
    EXPECT_TRUE(bom.Carregado()) << bom.ErroCarga;
    EXPECT_EQ(bom.MsgErro, "");

    // Bytes the declared encoding lacks: the conversion error is the message.
    std::string cp1252 = Gravar("cp1252.xml",
                                "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
                                "<nfeProc versao=\"4.00\">\x81\x8d</nfeProc>");
    EXPECT_EQ(
        Carregar(cp1252).ErroCarga.rfind(
            "Erro ao abrir arquivo " + cp1252 + " - o texto tem bytes que a codificação declarada não admite",
            0),
        0u);

    EXPECT_FALSE(Carregar(Gravar("vazio.xml", "")).Carregado());
    EXPECT_FALSE(Carregar(Gravar("binario.xml", std::string("\0\xff\xfe<", 4))).Carregado());
}

TEST_F(CargaNFe, RootOtherThanNfeProcIsRefused) {
    std::string soNFe = Base();
    soNFe = soNFe.substr(soNFe.find("<NFe>"));
    soNFe = soNFe.substr(0, soNFe.find("</NFe>") + 6);
    EXPECT_EQ(Carregar(Gravar("nfe.xml", soNFe)).ErroCarga, MensagemNfeProc);
    EXPECT_EQ(Carregar(Gravar("rps.xml", "<Rps><x/></Rps>")).ErroCarga, MensagemNfeProc);
    // nfeProc in a foreign namespace is not the NF-e's.
    EXPECT_EQ(Carregar(Gravar("outro.xml", "<nfeProc xmlns=\"urn:outro\" versao=\"4.00\"/>")).ErroCarga,
              MensagemNfeProc);
    ExpectRegistroAnterior();
}

TEST_F(CargaNFe, DoctypeIsRefusedBeforeAnyEntityIsExpanded) {
    const std::string risadas =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE nfeProc [\n<!ENTITY a \"aaaaaaaaaa\">\n"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
        "]>\n<nfeProc versao=\"4.00\"><NFe>&c;</NFe></nfeProc>";
    const std::string externa =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE nfeProc [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
        "<nfeProc versao=\"4.00\">&x;</nfeProc>";
    const std::string soDtd = "<!DOCTYPE nfeProc SYSTEM \"http://exemplo.invalid/nfe.dtd\">\n" +
                              Base().substr(Base().find("<nfeProc"));
    for (const std::string& xml : {risadas, externa, soDtd}) {
        std::string caminho = Gravar("doctype.xml", xml);
        ResultadoCarga r = Carregar(caminho);
        EXPECT_EQ(r.ErroCarga, "Erro ao abrir arquivo " + caminho +
                                   " - Arquivo com declaração DOCTYPE recusado: uma NF-e não tem "
                                   "DOCTYPE.");
    }
    ExpectRegistroAnterior();
}

TEST_F(CargaNFe, FilesOverTheSizeLimitAreRefusedUnread) {
    std::string caminho = Gravar("grande.xml", "<nfeProc/>");
    fs::resize_file(caminho, 50u * 1024u * 1024u + 1u);
    EXPECT_EQ(Carregar(caminho).ErroCarga,
              "Erro ao abrir arquivo " + caminho + " - Arquivo maior que 50 MB: recusado.");
    ExpectRegistroAnterior();
}

TEST_F(CargaNFe, ReadFromAFileAsFromMemory) {
    ResultadoCarga r = Carregar(Gravar("base.xml", Base()));
    EXPECT_TRUE(r.Carregado());
    EXPECT_EQ(r.MsgErro, "");
    EXPECT_EQ(nf_.Observacao.rfind(Credito, 0), 0u);
}

TEST(FormasDoDocumento, NamespacesEncodingsBomAndCdataReadAlike) {
    const std::string base = Base();
    const std::string esperado = JsonDe(base);

    std::string semNamespace = Trocar(base, " xmlns=\"http://www.portalfiscal.inf.br/nfe\"", "");
    EXPECT_EQ(JsonDe(semNamespace), esperado);

    std::string prefixado = std::regex_replace(base, std::regex("<(/?)([A-Za-z])"), "<$1nfe:$2");
    prefixado = Trocar(prefixado, "xmlns=", "xmlns:nfe=");
    EXPECT_EQ(JsonDe(prefixado), esperado);

    std::string latin1 = ParaLatin1(Trocar(base, "encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\""));
    EXPECT_EQ(JsonDe(latin1), esperado);
    std::string cp1252 = ParaLatin1(Trocar(base, "encoding=\"UTF-8\"", "encoding=\"windows-1252\""));
    EXPECT_EQ(JsonDe(cp1252), esperado);

    EXPECT_EQ(JsonDe("\xEF\xBB\xBF" + base), esperado);

    std::string cdata = Trocar(base, "<xNome>CLIENTE DESTINATÁRIO FICTÍCIO SA</xNome>",
                               "<xNome><![CDATA[CLIENTE DESTINATÁRIO]]> FICTÍCIO SA</xNome>");
    EXPECT_EQ(JsonDe(cdata), esperado);

    std::string comentado = Trocar(base, "<cUF>35</cUF>", "<cUF><!-- estado -->35</cUF>");
    EXPECT_EQ(JsonDe(comentado), esperado);
}

TEST(FormasDoDocumento, ElementsOfAnotherNamespaceAreNotTheInvoices) {
    auto l = Ler(Trocar(Base(), "<cUF>35</cUF>", "<x:cUF xmlns:x=\"urn:outro\">99</x:cUF><cUF>35</cUF>"));
    EXPECT_EQ(l->nf.CodUF, "35");

    auto so = Ler(Trocar(Base(), "<cUF>35</cUF>", "<x:cUF xmlns:x=\"urn:outro\">99</x:cUF>"));
    EXPECT_EQ(so->resultado.MsgErro, "Tag <cUF> não encontrada.");
}

TEST(FormasDoDocumento, ReaderWithoutRecordReportsInsteadOfCrashing) {
    TXmlNFe leitor;
    std::string msg = "antes";
    leitor.LerXmlNfe(NoXml(), true, msg);
    EXPECT_FALSE(msg.empty());
    EXPECT_NE(msg, "antes");

    TNotaFiscal nf;
    leitor.NotaFiscal = &nf;
    leitor.LerXmlNfe(NoXml(), true, msg);
    EXPECT_EQ(msg, "Lendo propriedade versão da Tag <nfeProc>.");
}
