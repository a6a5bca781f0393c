// luvenor-cli as a user runs it: output streams and exit codes of read and info, and the exit
// codes every command shares.
#include "CliTeste.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace luvenor::teste;

namespace {

const std::string Amostras = std::string("'") + LUVENOR_SAMPLES_DIR + "/";
const std::string Exemplo = std::string("'") + LUVENOR_SOURCE_DIR + "/samples/nfe-exemplo.xml'";

}  // namespace

TEST(CliLer, WholeReadPrintsTheRecordAndExitsZero) {
    Execucao e = Rodar("read " + Exemplo);
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_EQ(e.saida.rfind("{\"MsgErro\":\"\",\"NotaFiscal\":{", 0), 0u) << e.saida.substr(0, 80);
    EXPECT_NE(e.saida.find("DANFE gerado pelo visualizador de NF-e Luvenor"), std::string::npos);
    EXPECT_NE(e.saida.find("FERRAGENS AURORA INDÚSTRIA E COMÉRCIO LTDA"), std::string::npos);

    Execucao semCredito = Rodar("read --sem-credito " + Exemplo);
    EXPECT_EQ(semCredito.codigo, 0);
    EXPECT_EQ(semCredito.saida.find("DANFE gerado pelo visualizador"), std::string::npos);
}

TEST(CliLer, ReadThatStopsEarlyStillPrintsTheRecordAndExitsThree) {
    Execucao e = Rodar("read " + Amostras + "v400-nfeproc-sem-protnfe-bom.xml'");
    EXPECT_EQ(e.codigo, 3);
    EXPECT_EQ(e.saida.rfind("{\"MsgErro\":\"Arquivo não está no formado de distribuição. Tag "
                            "<protNFe> não encontrada.\",\"NotaFiscal\":{",
                            0),
              0u)
        << e.saida.substr(0, 120);
}

TEST(CliLer, FileThatCannotBeLoadedGoesToStderrAndExitsTwo) {
    Execucao malformado = Rodar("read " + Amostras + "v200-malformado-semprot.xml'");
    EXPECT_EQ(malformado.codigo, 2);
    EXPECT_EQ(malformado.saida, "");
    EXPECT_EQ(malformado.erros.rfind("Erro ao abrir arquivo ", 0), 0u) << malformado.erros;

    Execucao soNFe = Rodar("read " + Amostras + "v400-semprot-mei-sn102.xml'");
    EXPECT_EQ(soNFe.codigo, 2);
    EXPECT_EQ(soNFe.erros,
              "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> "
              "não encontrada. - \n");

    Execucao ausente = Rodar("info /nao/existe.xml");
    EXPECT_EQ(ausente.codigo, 2);
    EXPECT_EQ(ausente.erros, "Arquivo XML não encontrado.\n");
}

TEST(CliInfo, KeyDataOfTheBundledSample) {
    Execucao e = Rodar("info " + Exemplo);
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(e.saida.find("35250112345678000195550010000043211876543211"), std::string::npos);
    EXPECT_NE(e.saida.find("12.345.678/0001-95  FERRAGENS AURORA"), std::string::npos) << e.saida;
    EXPECT_NE(e.saida.find("98.765.432/0001-98  CONSTRUTORA HORIZONTE AZUL LTDA"), std::string::npos);
    EXPECT_NE(e.saida.find("15/01/2025"), std::string::npos);  // the issue date, not the exit date
    EXPECT_EQ(e.saida.find("16/01/2025"), std::string::npos);
    EXPECT_NE(e.saida.find("135250000123456"), std::string::npos);

    Execucao parcial = Rodar("info " + Amostras + "v200-15itens-3vol.xml'");
    EXPECT_EQ(parcial.codigo, 3);
    EXPECT_EQ(parcial.erros, "Tag <idDest> não encontrada.\n");
}

struct CasoUso {
    const char* nome;
    const char* argumentos;
};

class CliUsoErrado : public testing::TestWithParam<CasoUso> {};

// Wrong usage exits 1 whatever the command, with the usage on stderr and nothing on stdout.
TEST_P(CliUsoErrado, ExitsOneWithTheUsageOnStderr) {
    Execucao e = Rodar(GetParam().argumentos);
    EXPECT_EQ(e.codigo, 1) << e.erros;
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("usage: luvenor-cli"), std::string::npos) << e.erros;
}

INSTANTIATE_TEST_SUITE_P(
    Comandos, CliUsoErrado,
    testing::Values(CasoUso{"NoCommand", ""}, CasoUso{"UnknownCommand", "imprimir x.xml"},
                    CasoUso{"ReadWithoutFile", "read"}, CasoUso{"InfoWithTwoFiles", "info a.xml b.xml"},
                    CasoUso{"DanfeWithoutOutput", "danfe x.xml"},
                    CasoUso{"DanfeWithUnknownFormat", "danfe x.xml -o x.jpg"},
                    CasoUso{"RenderWithoutOutput", "render x.rpf"},
                    CasoUso{"RenderWithUnknownOption", "render x.rpf -o x.pdf --cor"},
                    CasoUso{"RenderWithDpiOutOfRange", "render x.rpf -o x.png --dpi 5"}),
    [](const testing::TestParamInfo<CasoUso>& info) { return std::string(info.param.nome); });

TEST(CliRender, DamagedInputExitsTwoAndUnwritableOutputFour) {
    namespace fs = std::filesystem;
    const fs::path pasta = fs::temp_directory_path() / ("luvenor-render-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    const std::string rpf = (pasta / "nota.rpf").string();
    ASSERT_EQ(Rodar("danfe " + Exemplo + " -o '" + rpf + "'").codigo, 0);

    EXPECT_EQ(Rodar("render '" + rpf + "' -o '" + (pasta / "nota.pdf").string() + "'").codigo, 0);
    EXPECT_GT(fs::file_size(pasta / "nota.pdf"), 1000u);
    EXPECT_EQ(Rodar("render '" + rpf + "' -o '" + (pasta / "falta" / "nota.pdf").string() + "'").codigo, 4);
    const std::string saida = " -o '" + (pasta / "x.pdf").string() + "'";
    EXPECT_EQ(Rodar("render '" + (pasta / "falta.rpf").string() + "'" + saida).codigo, 2);
    std::ofstream(pasta / "lixo.rpf") << "not a page file";
    Execucao lixo = Rodar("render '" + (pasta / "lixo.rpf").string() + "'" + saida);
    EXPECT_EQ(lixo.codigo, 2);
    EXPECT_NE(lixo.erros.find("lixo.rpf"), std::string::npos) << lixo.erros;
    EXPECT_FALSE(fs::exists(pasta / "x.pdf"));
    fs::remove_all(pasta);
}

TEST(CliUso, HelpAndWrongUsage) {
    Execucao ajuda = Rodar("read --help");
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_NE(ajuda.saida.find("--sem-credito"), std::string::npos);
    EXPECT_NE(ajuda.saida.find("Exit codes"), std::string::npos);
    EXPECT_EQ(Rodar("read").codigo, 1);
    EXPECT_EQ(Rodar("read --nao-existe x.xml").codigo, 1);
    EXPECT_NE(Rodar("--help").saida.find("info"), std::string::npos);
}

namespace {

const std::string Assinadas = std::string(LUVENOR_FIXTURES_DIR) + "/assinatura/";
const std::string Alterada = "v400-retrato-3itens-icms40-2dup.xml";  // issuer changed after signing

}  // namespace

TEST(CliVerificar, OneLinePerFileAndExitZeroOnlyWhenEveryFileVerifies) {
    const std::string validas =
        "'" + Assinadas + "assinada-sha1.xml' '" + Assinadas + "assinada-sha256.xml' " + Exemplo;
    Execucao todas = Rodar("verify " + validas);
    EXPECT_EQ(todas.codigo, 0) << todas.saida;
    EXPECT_EQ(todas.saida,
              Assinadas + "assinada-sha1.xml: Assinatura válida · Protocolo confere · Chave correta\n" +
                  Assinadas + "assinada-sha256.xml: Assinatura válida · Protocolo confere · Chave correta\n" +
                  LUVENOR_SOURCE_DIR +
                  "/samples/nfe-exemplo.xml: Assinatura válida · Protocolo confere · "
                  "Chave correta\n");
    EXPECT_EQ(todas.erros, "");

    Execucao uma = Rodar("verify " + validas + " " + Amostras + Alterada + "'");
    EXPECT_EQ(uma.codigo, 5);
    EXPECT_NE(uma.saida.find(Alterada + ": Assinatura inválida: conteúdo alterado após a assinatura"),
              std::string::npos)
        << uma.saida;

    Execucao ausente = Rodar("verify /nao/existe.xml");
    EXPECT_EQ(ausente.codigo, 5) << "a file that cannot be loaded is not verified";
    EXPECT_EQ(ausente.saida, "/nao/existe.xml: Arquivo XML não encontrado.\n");
}

TEST(CliVerificar, DetailsHelpAndWrongUsage) {
    Execucao detalhes = Rodar("verify --detalhes " + Exemplo);
    EXPECT_EQ(detalhes.codigo, 0);
    EXPECT_NE(detalhes.saida.find("\n  Certificado: FERRAGENS AURORA INDUSTRIA E COMERCIO LTDA"),
              std::string::npos)
        << detalhes.saida;
    EXPECT_NE(detalhes.saida.find("\n  Cadeia não verificada"), std::string::npos);

    Execucao ajuda = Rodar("verify --help");
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_NE(ajuda.saida.find("Exit codes"), std::string::npos);
    EXPECT_EQ(Rodar("verify").codigo, 1);
    EXPECT_EQ(Rodar("verify --nao-existe " + Exemplo).codigo, 1);
    EXPECT_NE(Rodar("--help").saida.find("verify"), std::string::npos);
}

TEST(CliInfo, TellsWhetherTheFileIsTheOneThatWasSignedAndAuthorised) {
    Execucao exemplo = Rodar("info " + Exemplo);
    EXPECT_EQ(exemplo.codigo, 0);
    EXPECT_NE(
        exemplo.saida.find("\nAutenticidade:   Assinatura válida · Protocolo confere · Chave correta\n"),
        std::string::npos)
        << exemplo.saida;
    EXPECT_NE(exemplo.saida.find("\n                 Validade: 01/01/2024 a 31/12/2030"), std::string::npos);

    // An altered file is still shown; the read itself went well.
    Execucao alterada = Rodar("info " + Amostras + Alterada + "'");
    EXPECT_EQ(alterada.codigo, 0);
    EXPECT_NE(
        alterada.saida.find("Autenticidade:   Assinatura inválida: conteúdo alterado após a assinatura · "
                            "Protocolo confere · Chave não confere com: CNPJ/CPF do emitente"),
        std::string::npos)
        << alterada.saida;
    EXPECT_NE(alterada.saida.find("O certificado não é do emitente da nota"), std::string::npos);
}
