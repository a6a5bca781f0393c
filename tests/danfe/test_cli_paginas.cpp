// luvenor-cli pages as a user runs it: what it prints for an NF-e file and for a saved page file,
// the DANFE options it shares with the danfe command, and its exit codes.
#include "DanfeTeste.h"

#include <QImage>
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

struct Execucao {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

std::string Conteudo(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

std::string Citar(const std::string& s) {
    return "'" + s + "'";
}

const std::string exemplo = Citar(std::string(LUVENOR_SOURCE_DIR) + "/samples/nfe-exemplo.xml");
const fs::path dumpExemplo = fs::path(LUVENOR_SOURCE_DIR) / "tests/danfe/golden/nfe-exemplo.txt";

class CliPaginas : public testing::Test {
protected:
    void SetUp() override {
        pasta = fs::temp_directory_path() / ("luvenor-pages-" + std::to_string(::getpid()) + "-" +
                                             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    void TearDown() override { fs::remove_all(pasta); }

    std::string Em(const std::string& nome) const { return (pasta / nome).string(); }

    // Runs the tool; `saida` names where its stdout goes when not to a file read back.
    Execucao Rodar(const std::string& argumentos, const std::string& saida = "") const {
        const std::string out = saida.empty() ? Citar(Em("out.txt")) : saida;
        // Under the sanitizers, the list of suppressed leaks would end up among the messages.
        const std::string comando = "LSAN_OPTIONS=\"${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0\" " +
                                    Citar(LUVENOR_CLI) + " " + argumentos + " > " + out + " 2> " +
                                    Citar(Em("err.txt"));
        const int estado = std::system(comando.c_str());
        Execucao e;
        e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        if (saida.empty()) e.saida = Conteudo(Em("out.txt"));
        e.erros = Conteudo(Em("err.txt"));
        return e;
    }

    // The sample without its protocol: the read stops at its last step.
    std::string SemProtocolo() const {
        std::string xml = Conteudo(std::string(LUVENOR_SOURCE_DIR) + "/samples/nfe-exemplo.xml");
        const size_t inicio = xml.find("<protNFe");
        const size_t fim = xml.find("</protNFe>");
        xml.erase(inicio, fim + std::string("</protNFe>").size() - inicio);
        std::ofstream(Em("sem-protocolo.xml"), std::ios::binary) << xml;
        return Citar(Em("sem-protocolo.xml"));
    }

    fs::path pasta;
};

}  // namespace

TEST_F(CliPaginas, NotaImprimeOMesmoDumpQueOGuardado) {
    const Execucao e = Rodar("pages " + exemplo);
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    EXPECT_TRUE(e.saida == Conteudo(dumpExemplo)) << "luvenor-cli pages and the golden dump disagree";
}

TEST_F(CliPaginas, ArquivoDePaginasSalvoImprimeAsMesmasPaginasDaNota) {
    ASSERT_EQ(Rodar("danfe " + exemplo + " -o " + Citar(Em("exemplo.rpf"))).codigo, 0);
    const Execucao e = Rodar("pages " + Citar(Em("exemplo.rpf")));
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_TRUE(e.saida == Conteudo(dumpExemplo)) << "a saved page file prints otherwise than its DANFE";
}

TEST_F(CliPaginas, OpcoesDoDanfeMudamAsPaginas) {
    const std::string guardado = Conteudo(dumpExemplo);
    const Execucao semCredito = Rodar("pages --sem-credito " + exemplo);
    EXPECT_EQ(semCredito.codigo, 0) << semCredito.erros;
    EXPECT_NE(guardado.find("DANFE gerado pelo visualizador"), std::string::npos);
    EXPECT_EQ(semCredito.saida.find("DANFE gerado pelo visualizador"), std::string::npos);

    luvenor::teste::GarantirAplicacao();
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(qRgb(200, 30, 30));
    ASSERT_TRUE(logo.save(QString::fromStdString(Em("logo.png"))));
    const Execucao comLogo = Rodar("pages --logo " + Citar(Em("logo.png")) + " " + exemplo);
    EXPECT_EQ(comLogo.codigo, 0) << comLogo.erros;
    EXPECT_NE(comLogo.saida.find("picture=BMP,40x30 "), std::string::npos);
    EXPECT_EQ(guardado.find("picture=BMP,40x30 "), std::string::npos);
}

TEST_F(CliPaginas, LeituraInterrompidaSoImprimeComParcial) {
    const std::string arquivo = SemProtocolo();
    const Execucao sem = Rodar("pages " + arquivo);
    EXPECT_EQ(sem.codigo, 3);
    EXPECT_EQ(sem.saida, "");
    EXPECT_NE(sem.erros.find("<protNFe>"), std::string::npos) << sem.erros;

    const Execucao com = Rodar("pages --parcial " + arquivo);
    EXPECT_EQ(com.codigo, 3);
    EXPECT_EQ(com.saida.rfind("Store ", 0), 0u) << com.saida.substr(0, 80);
    EXPECT_NE(com.saida.find("--- sheet 1 of 1 ---"), std::string::npos);
}

TEST_F(CliPaginas, ArquivosQueNaoSeLeemSaoRecusadosComCodigoDois) {
    const Execucao ausente = Rodar("pages /nao/existe.xml");
    EXPECT_EQ(ausente.codigo, 2);
    EXPECT_EQ(ausente.saida, "");
    EXPECT_EQ(ausente.erros, "Arquivo XML não encontrado.\n");

    ASSERT_EQ(Rodar("danfe " + exemplo + " -o " + Citar(Em("inteiro.rpf"))).codigo, 0);
    const std::string bytes = Conteudo(Em("inteiro.rpf"));
    std::ofstream(Em("cortado.rpf"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    const Execucao cortado = Rodar("pages " + Citar(Em("cortado.rpf")));
    EXPECT_EQ(cortado.codigo, 2);
    EXPECT_EQ(cortado.saida, "");
    EXPECT_EQ(cortado.erros.rfind("luvenor-cli pages: " + Em("cortado.rpf") + ": ", 0), 0u) << cortado.erros;
}

TEST_F(CliPaginas, SaidaQueNaoSeEscreveDaCodigoQuatro) {
    const Execucao cheia = Rodar("pages " + exemplo, "/dev/full");
    EXPECT_EQ(cheia.codigo, 4);
    EXPECT_NE(cheia.erros.find("could not be written"), std::string::npos) << cheia.erros;
}

struct CasoUso {
    const char* nome;
    const char* argumentos;
};

class CliPaginasUso : public CliPaginas, public testing::WithParamInterface<CasoUso> {};

TEST_P(CliPaginasUso, UsoErradoDaCodigoUm) {
    const Execucao e = Rodar(std::string("pages ") + GetParam().argumentos);
    EXPECT_EQ(e.codigo, 1);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros.rfind("luvenor-cli pages: ", 0), 0u) << e.erros;
}

const CasoUso usosErrados[] = {
    {"sem_arquivo", ""},
    {"opcao_desconhecida", "--formato png nota.xml"},
    {"dois_arquivos", "a.xml b.xml"},
    {"logo_sem_valor", "nota.xml --logo"},
    {"opcao_de_danfe_com_arquivo_de_paginas", "--sem-credito paginas.rpf"},
    {"logo_que_nao_e_imagem", "--logo /nao/existe.png nota.xml"},
};

INSTANTIATE_TEST_SUITE_P(Usos, CliPaginasUso, testing::ValuesIn(usosErrados),
                         [](const testing::TestParamInfo<CasoUso>& i) { return std::string(i.param.nome); });

TEST_F(CliPaginas, AjudaExplicaOComandoELinhaDoComandoNaAjudaGeral) {
    const Execucao ajuda = Rodar("pages --help");
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_NE(ajuda.saida.find("--parcial"), std::string::npos);
    EXPECT_NE(ajuda.saida.find("Exit codes"), std::string::npos);
    EXPECT_NE(Rodar("pages").erros.find("usage: luvenor-cli pages"), std::string::npos);
    EXPECT_NE(Rodar("--help").saida.find("  pages "), std::string::npos);
}
