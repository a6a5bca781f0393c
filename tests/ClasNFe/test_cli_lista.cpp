// luvenor-cli list: the exit codes, the CSV a spreadsheet opens (BOM, ";", quoted names,
// Brazilian amounts), the JSON array and the stable order of the rows.
#include "CliTeste.h"
#include "NFeTeste.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace luvenor::teste;

namespace {

namespace fs = std::filesystem;

class CliLista : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ = fs::temp_directory_path() / ("luvenor-cli-lista-" + std::to_string(::getpid()));
        fs::remove_all(pasta_);
        fs::create_directories(pasta_);
        // A recipient whose name holds the separator and quotes, and a value with thousands.
        std::string xml = LerArquivo(LUVENOR_FIXTURES_DIR "/eventos/nfe-producao.xml");
        const size_t nome = xml.find("<xNome>", xml.find("<dest>"));
        const size_t fim = xml.find("</xNome>", nome);
        xml.replace(nome + 7, fim - nome - 7, "Loja \"Bom Preço\"; Filial");
        std::ofstream(pasta_ / "b.xml", std::ios::binary) << xml;
        std::ofstream(pasta_ / "a.xml", std::ios::binary) << "<nfeProc>";
    }
    void TearDown() override { fs::remove_all(pasta_); }
    std::string Pasta() const { return "'" + pasta_.string() + "'"; }

    fs::path pasta_;
};

TEST_F(CliLista, CodigosDeSaida) {
    EXPECT_EQ(Rodar("list").codigo, 1);
    EXPECT_EQ(Rodar("list --json --csv " + Pasta()).codigo, 1);
    EXPECT_EQ(Rodar("list --sem-isso " + Pasta()).codigo, 1);
    Execucao ausente = Rodar("list " + Pasta() + "/nada");
    EXPECT_EQ(ausente.codigo, 2);
    EXPECT_NE(ausente.erros.find("Pasta não encontrada"), std::string::npos) << ausente.erros;
    EXPECT_EQ(ausente.saida, "");
    EXPECT_EQ(Rodar("list " + Pasta()).codigo, 0) << "a file that is no NF-e is a row, not a failure";
    EXPECT_EQ(Rodar("list --help").codigo, 0);
}

TEST_F(CliLista, CsvComBomPontoEVirgulaEAspas) {
    Execucao e = Rodar("list --csv " + Pasta());
    ASSERT_EQ(e.codigo, 0) << e.erros;
    ASSERT_EQ(e.saida.rfind("\xEF\xBB\xBFNúmero;Série;", 0), 0u) << e.saida;
    EXPECT_NE(e.saida.find(";\"Loja \"\"Bom Preço\"\"; Filial\";"), std::string::npos) << e.saida;
    const size_t a = e.saida.find("a.xml\r\n"), b = e.saida.find("b.xml\r\n");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    EXPECT_LT(a, b) << "rows in file-name order";
    EXPECT_NE(e.saida.find("NÃO É NF-e"), std::string::npos);
    EXPECT_NE(e.saida.find(";AUTORIZADA;"), std::string::npos);
}

TEST_F(CliLista, JsonComValorNumericoETextoComOsMesmosValores) {
    Execucao json = Rodar("list --json " + Pasta());
    ASSERT_EQ(json.codigo, 0) << json.erros;
    EXPECT_EQ(json.saida.front(), '[');
    EXPECT_NE(json.saida.find("\"destinatario\":\"Loja \\\"Bom Preço\\\"; Filial\""), std::string::npos)
        << json.saida;
    EXPECT_NE(json.saida.find("\"situacao\":\"AUTORIZADA\""), std::string::npos);
    Execucao texto = Rodar("list " + Pasta());
    EXPECT_NE(texto.saida.find("Valor total"), std::string::npos) << texto.saida;
    EXPECT_NE(texto.saida.find("b.xml"), std::string::npos);
}

}  // namespace
