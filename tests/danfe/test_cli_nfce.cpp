// The DANFE NFC-e as a user gets it from luvenor-cli: the PDF's text (pdftotext) holds every item,
// payment and total of the file, and the QR code on the page rendered at a thermal printer's
// 203 dpi (pdftoppm) decodes (zbarimg) to exactly the file's qrCode. For the shared NFC-e
// samples and the fictitious fixtures, on both rolls and on A4.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "danfe/FormatosDanfe.h"
#include "util/UString.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace luvenor;

namespace {

std::string Citar(const std::string& s) {
    return "'" + s + "'";
}

// Runs a shell command; its stdout, and its exit code in `codigo`.
std::string Rodar(const std::string& comando, int& codigo) {
    std::string saida;
    FILE* p = ::popen(comando.c_str(), "r");
    if (!p) return saida;
    std::array<char, 4096> bloco{};
    size_t lidos = 0;
    while ((lidos = std::fread(bloco.data(), 1, bloco.size(), p)) > 0) saida.append(bloco.data(), lidos);
    const int estado = ::pclose(p);
    codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return saida;
}

bool Existe(const char* ferramenta) {
    return std::system((std::string("command -v ") + ferramenta + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs of blanks and line breaks read as one blank, so wrapped lines read on.
std::string Corrido(const std::string& texto) {
    std::string r;
    for (char c : texto) {
        const bool branco = c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f';
        if (branco) {
            if (!r.empty() && r.back() != ' ') r += ' ';
        } else {
            r += c;
        }
    }
    return r;
}

struct Caso {
    std::string arquivo;
    std::vector<std::string> opcoes;
    int codigo;  // 3: the read stops at the missing protocol, the DANFE is still made
};

std::string Amostra(const char* nome) {
    return std::string(LUVENOR_SAMPLES_DIR) + "/" + nome;
}

std::string Fixture(const char* nome) {
    return std::string(LUVENOR_FIXTURES_DIR) + "/nfce/" + nome;
}

std::vector<Caso> Casos() {
    std::vector<Caso> casos;
    for (const char* a : {"nfce-v310-homologacao-sem-dest-cdata.xml", "nfce-v400-cdata-3dup-tpimp1.xml",
                          "nfce-v400-com-retevento.xml", "nfce-v400-cstat150.xml"})
        casos.push_back({Amostra(a), {}, 0});
    casos.push_back({Amostra("nfce-v400-semprot-contingencia-cpf.xml"), {"--parcial"}, 3});
    for (const char* f : {"nfce-1item.xml", "nfce-300itens.xml", "nfce-descricao-longa.xml",
                          "nfce-3pagamentos-troco.xml", "nfce-homologacao.xml", "nfce-contingencia.xml"})
        casos.push_back({Fixture(f), {}, 0});
    casos.push_back({Fixture("nfce-3pagamentos-troco.xml"), {"--bobina", "58"}, 0});
    casos.push_back({Fixture("nfce-descricao-longa.xml"), {"--bobina", "58"}, 0});
    casos.push_back({Fixture("nfce-1item.xml"), {"--a4"}, 0});
    return casos;
}

class CliNfce : public testing::TestWithParam<Caso> {
protected:
    void SetUp() override {
        if (!Existe("pdftotext") || !Existe("pdftoppm") || !Existe("zbarimg"))
            GTEST_SKIP() << "poppler-utils and zbar-tools are needed (scripts/install-deps)";
        pasta = fs::temp_directory_path() /
                ("luvenor-nfce-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        TXmlNFe leitor;
        leitor.NotaFiscal = &nf;
        const ResultadoCarga carga = CarregarArquivoNFe(leitor, GetParam().arquivo);
        ASSERT_TRUE(carga.Carregado()) << carga.ErroCarga;
    }
    void TearDown() override { fs::remove_all(pasta); }

    std::string Em(const std::string& nome) const { return (pasta / nome).string(); }

    // The DANFE of the case as a PDF; false when the tool did not end as the case expects.
    bool GerarPdf() {
        std::string comando =
            Citar(LUVENOR_CLI) + " danfe " + Citar(GetParam().arquivo) + " -o " + Citar(Em("d.pdf"));
        for (const std::string& o : GetParam().opcoes) comando += " " + o;
        int codigo = -1;
        Rodar(comando + " 2>/dev/null", codigo);
        return codigo == GetParam().codigo && fs::exists(Em("d.pdf"));
    }

    TNotaFiscal nf;
    fs::path pasta;
    static inline int contador = 0;
};

std::string NomeDoCaso(const testing::TestParamInfo<Caso>& info) {
    std::string nome = fs::path(info.param.arquivo).stem().string();
    for (const std::string& o : info.param.opcoes) nome += "_" + o;
    for (char& c : nome)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return nome;
}

}  // namespace

TEST_P(CliNfce, PdfTextHoldsEveryItemPaymentAndTotal) {
    ASSERT_TRUE(GerarPdf());
    int codigo = -1;
    const std::string texto =
        Corrido(Rodar("pdftotext -layout -enc UTF-8 " + Citar(Em("d.pdf")) + " - 2>/dev/null", codigo));
    ASSERT_EQ(codigo, 0);
    auto contem = [&](const std::string& parte, const std::string& oQue) {
        EXPECT_NE(texto.find(Corrido(parte)), std::string::npos) << oQue << ": '" << parte << "'";
    };
    for (int i = 0; i < nf.ItensNF.Count(); ++i) {
        const TItemNF& item = nf.ItensNF[i];
        const std::string n = std::to_string(i + 1);
        contem(TirarEspacos(item.DescrOrig), "item " + n);
        contem(Quantidade(item.Qtde) + " " + TirarEspacos(item.UnidMed) + " x " + ValorUnitario(item.VlrUnit),
               "item " + n + " quantity");
        contem(Valor(item.VlrItem), "item " + n + " total");
    }
    ASSERT_GT(nf.PagtosNF.Count(), 0);
    for (int i = 0; i < nf.PagtosNF.Count(); ++i) {
        contem(nf.PagtosNF[i].Descricao(), "payment");
        contem(Valor(nf.PagtosNF[i].Valor), "payment value");
    }
    contem("QTD. TOTAL DE ITENS " + std::to_string(nf.ItensNF.Count()), "item count");
    contem("VALOR TOTAL R$ " + Valor(nf.TotItem), "goods");
    contem("DESCONTO R$ " + Valor(nf.TotDesc), "discount");
    contem("VALOR A PAGAR R$ " + Valor(nf.TotNota), "to pay");
    contem("TROCO R$ " + Valor(nf.VlrTroco), "change");
    contem("R$ " + Valor(nf.TotTrib), "approximate taxes");
}

TEST_P(CliNfce, QrCodeAt203DpiDecodesToTheFilesQrCode) {
    ASSERT_TRUE(GerarPdf());
    // The code prints once, at the end of the last page: that page's last 2000 pixel rows at
    // 203 dpi hold it (a reader gives up on a whole roll of 300 items, 17000 rows long).
    int codigo = -1;
    const std::string info = Rodar("pdfinfo -f 1 -l 100000 " + Citar(Em("d.pdf")) + " 2>/dev/null", codigo);
    ASSERT_EQ(codigo, 0);
    const std::regex tamanho(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+) pts)");
    std::smatch m;
    std::string pagina;
    double alturaPts = 0;
    for (auto i = std::sregex_iterator(info.begin(), info.end(), tamanho); i != std::sregex_iterator(); ++i) {
        pagina = (*i)[1];
        alturaPts = std::stod((*i)[3]);
    }
    ASSERT_FALSE(pagina.empty()) << info;
    const int altura = static_cast<int>(alturaPts * 203 / 72);
    const int topo = std::max(0, altura - 2000);
    Rodar("pdftoppm -r 203 -png -singlefile -f " + pagina + " -l " + pagina + " -x 0 -y " +
              std::to_string(topo) + " -W 4000 -H " + std::to_string(altura - topo) + " " +
              Citar(Em("d.pdf")) + " " + Citar(Em("p")),
          codigo);
    ASSERT_EQ(codigo, 0);
    const std::string lido = Rodar("zbarimg -q --raw " + Citar(Em("p.png")) + " 2>/dev/null", codigo);
    ASSERT_EQ(codigo, 0) << "no QR code found";
    EXPECT_EQ(lido, nf.QrCodeNfce + "\n");
}

INSTANTIATE_TEST_SUITE_P(Nfce, CliNfce, testing::ValuesIn(Casos()), NomeDoCaso);
