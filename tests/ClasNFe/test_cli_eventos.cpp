// luvenor-cli with events: the situation and the events info prints, --evento and --verbose on
// read, info, danfe and pages, and the DACCe of an event file.
#include "CliTeste.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace luvenor::teste;

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& nome) {
    return std::string("'") + LUVENOR_FIXTURES_DIR + "/eventos/" + nome + "'";
}

const std::string Chave = "35190512345678000195550010000012341000012342";

TEST(CliEventos, InfoDizASituacao) {
    Execucao autorizada = Rodar("info " + Fixture("nfe-producao.xml"));
    EXPECT_EQ(autorizada.codigo, 0) << autorizada.erros;
    EXPECT_NE(autorizada.saida.find("Situação:        AUTORIZADA\n"), std::string::npos) << autorizada.saida;

    Execucao cancelada = Rodar("info " + Fixture("vizinho/" + Chave + "-nfe.xml"));
    EXPECT_EQ(cancelada.codigo, 0) << cancelada.erros;
    EXPECT_NE(
        cancelada.saida.find("Situação:        CANCELADA - protocolo 135190000000999 de 21/05/2019 09:00:05"),
        std::string::npos)
        << cancelada.saida;
    EXPECT_EQ(cancelada.erros, "") << "reasons only with --verbose";

    Execucao denegada = Rodar("info " + Fixture("nfe-denegada.xml"));
    EXPECT_NE(denegada.saida.find("Situação:        DENEGADA"), std::string::npos) << denegada.saida;

    Execucao semProtocolo = Rodar("info " + Fixture("nfe-sem-protocolo.xml"));
    EXPECT_EQ(semProtocolo.codigo, 3);
    EXPECT_NE(semProtocolo.saida.find("Situação:        SEM PROTOCOLO"), std::string::npos)
        << semProtocolo.saida;
}

TEST(CliEventos, InfoListaCartasEEventosDesconhecidosEVerboseDizOsIgnorados) {
    Execucao e = Rodar("info --verbose " + Fixture("nfe-producao.xml") + " --evento " +
                       Fixture("avulsos/cce-curta.xml") + " --evento " + Fixture("avulsos/manifestacao.xml") +
                       " --evento " + Fixture("avulsos/cancelamento-outra-chave.xml"));
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(
        e.saida.find(
            "Eventos:         Carta de correção nº 1 de 21/05/2019 09:00:05, protocolo 135190000000888: "
            "Onde se lê Rua A, leia-se Rua B.\n"),
        std::string::npos)
        << e.saida;
    EXPECT_NE(e.saida.find("                 210200 Confirmacao da Operacao nº 1"), std::string::npos)
        << e.saida;
    EXPECT_NE(e.saida.find("Situação:        AUTORIZADA"), std::string::npos);
    EXPECT_NE(e.erros.find("evento 110111 nº 1 (cancelamento-outra-chave.xml) ignorado: é de outra NF-e"),
              std::string::npos)
        << e.erros;
}

TEST(CliEventos, ReadLevaStatusEEventosNoJson) {
    Execucao e = Rodar("read " + Fixture("nfe-producao.xml") + " --evento " +
                       Fixture("avulsos/retenv-cancelamento.xml"));
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(e.saida.find("\"Status\":\"C\""), std::string::npos);
    EXPECT_NE(e.saida.find("\"ProtocoloCancNfe\":\"135190000000666\""), std::string::npos);
    EXPECT_NE(e.saida.find("\"Eventos\":[{\"Origem\":\"retenv-cancelamento.xml\""), std::string::npos);

    Execucao semArquivo = Rodar("read " + Fixture("nfe-producao.xml") + " --evento");
    EXPECT_EQ(semArquivo.codigo, 1);
    EXPECT_NE(semArquivo.erros.find("--evento needs a file"), std::string::npos) << semArquivo.erros;
}

TEST(CliEventos, PaginasMarcamACanceladaEUmEventoHostilNaoImpedeADanfe) {
    Execucao e =
        Rodar("pages --verbose " + Fixture("nfe-producao.xml") + " --evento " +
              Fixture("avulsos/retenv-cancelamento.xml") + " --evento " + Fixture("avulsos/doctype.xml"));
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(e.saida.find("\"NOTA FISCAL CANCELADA\""), std::string::npos);
    EXPECT_NE(e.saida.find("PROTOCOLO DE CANCELAMENTO"), std::string::npos);
    EXPECT_NE(e.erros.find("doctype.xml ignorado"), std::string::npos) << e.erros;
}

TEST(CliEventos, DanfeDeUmArquivoDeEventoImprimeADacce) {
    const std::string saida =
        (fs::temp_directory_path() / ("luvenor-dacce-" + std::to_string(::getpid()) + ".pdf")).string();
    Execucao e = Rodar("danfe " + Fixture("avulsos/cce-1000.xml") + " -o '" + saida + "'");
    EXPECT_EQ(e.codigo, 0) << e.erros;
    EXPECT_EQ(Conteudo(saida).rfind("%PDF-", 0), 0u);
    fs::remove(saida);

    Execucao paginas = Rodar("pages " + Fixture("avulsos/cce-curta.xml"));
    EXPECT_EQ(paginas.codigo, 0) << paginas.erros;
    EXPECT_NE(paginas.saida.find("CARTA DE CORREÇÃO ELETRÔNICA"), std::string::npos);

    Execucao semCarta = Rodar("pages " + Fixture("avulsos/retenv-cancelamento.xml"));
    EXPECT_EQ(semCarta.codigo, 4);
    EXPECT_NE(semCarta.erros.find("nenhuma carta de correção"), std::string::npos) << semCarta.erros;
}

}  // namespace
