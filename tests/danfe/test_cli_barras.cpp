// The access key's barcode as it reaches paper: the DANFE written to PDF by luvenor-cli, rendered
// at 150 dpi as a user's printer or viewer would, must scan back to the exact key, in both
// layouts, and the PDF must carry no picture of the bars (a lossy JPEG blurs them).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct CasoBarras {
    const char* nome;
    const char* xml;  // relative to the project folder
    const char* chave;
};

const CasoBarras casos[] = {
    {"Retrato", "samples/nfe-exemplo.xml", "35250112345678000195550010000043211876543211"},
    {"Paisagem", "tests/fixtures/danfe/paisagem-servicos.xml",
     "35250206198742000150550020000007711118304577"},
};

std::string Citar(const std::string& s) {
    return "'" + s + "'";
}

std::string Conteudo(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

class BarrasNoPapel : public testing::TestWithParam<CasoBarras> {
protected:
    void SetUp() override {
        pasta_ = fs::temp_directory_path() /
                 ("luvenor-barras-" + std::to_string(::getpid()) + "-" + GetParam().nome);
        fs::remove_all(pasta_);
        fs::create_directories(pasta_);
        const std::string xml = std::string(LUVENOR_SOURCE_DIR) + "/" + GetParam().xml;
        ASSERT_EQ(Rodar(Citar(LUVENOR_CLI) + " danfe " + Citar(xml) + " -o " + Citar(Em("d.pdf"))), 0);
    }
    void TearDown() override { fs::remove_all(pasta_); }

    std::string Em(const std::string& nome) const { return (pasta_ / nome).string(); }
    // Runs a command with its standard output to out.txt; its exit code.
    int Rodar(const std::string& comando) const {
        const int estado = std::system((comando + " > " + Citar(Em("out.txt")) + " 2>/dev/null").c_str());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }
    std::string Saida() const { return Conteudo(Em("out.txt")); }

    fs::path pasta_;
};

}  // namespace

TEST_P(BarrasNoPapel, A150DpiLeSeAChaveExata) {
    ASSERT_EQ(Rodar("pdftoppm -r 150 -f 1 -l 1 -png " + Citar(Em("d.pdf")) + " " + Citar(Em("folha"))), 0);
    fs::path png;
    for (const auto& e : fs::directory_iterator(pasta_))
        if (e.path().extension() == ".png") png = e.path();
    ASSERT_FALSE(png.empty());
    ASSERT_EQ(Rodar("zbarimg -q --raw -Scode128.enable " + Citar(png.string())), 0) << "no barcode found";
    EXPECT_EQ(Saida(), std::string(GetParam().chave) + "\n");
}

TEST_P(BarrasNoPapel, NenhumaFiguraDeBarrasNoPdf) {
    ASSERT_EQ(Rodar("pdfimages -list " + Citar(Em("d.pdf"))), 0);
    std::istringstream linhas(Saida());
    std::string linha;
    int linhasLidas = 0;
    while (std::getline(linhas, linha)) {
        std::istringstream campos(linha);
        int pagina = 0;
        int numero = 0;
        std::string tipo;
        int largura = 0;
        int altura = 0;
        if (!(campos >> pagina >> numero >> tipo >> largura >> altura)) continue;  // the headings
        ++linhasLidas;
        // The bars were a picture 35 pixels high and as wide as their modules.
        EXPECT_FALSE(altura == 35 && largura >= 277) << linha;
    }
    EXPECT_GT(linhasLidas, 0) << "the logo, at least, is listed: the listing was not read";
}

INSTANTIATE_TEST_SUITE_P(Layouts, BarrasNoPapel, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoBarras>& i) {
                             return std::string(i.param.nome);
                         });
