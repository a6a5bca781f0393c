// The folder listing: one row per invoice with its situation, event files matched by key and not
// listed, sub-folders on request, cancelling, the Brazilian amounts, and the samples listed as
// the main window loads them.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/DadosPrincipais.h"
#include "ClasNFe/LeitorEventos.h"
#include "ClasNFe/ListaNotas.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;
using namespace luvenor;

namespace {

const std::string Chave = "35190512345678000195550010000012341000012342";

fs::path Fixture(const std::string& nome) {
    return fs::path(LUVENOR_FIXTURES_DIR) / "eventos" / nome;
}

void Escrever(const fs::path& caminho, const std::string& texto) {
    fs::create_directories(caminho.parent_path());
    std::ofstream(caminho, std::ios::binary) << texto;
}

class ListaNotas : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ = fs::temp_directory_path() / ("luvenor-lista-" + std::to_string(::getpid()));
        fs::remove_all(pasta_);
        // The fixtures share one key: the cancellation lies in a folder of its own, where it
        // cancels only the invoice beside it.
        fs::create_directories(pasta_ / "sub");
        fs::copy_file(Fixture("nfe-producao.xml"), pasta_ / "autorizada.xml");
        fs::copy_file(Fixture("vizinho/" + Chave + "-nfe.xml"), pasta_ / "sub" / (Chave + "-nfe.xml"));
        const std::string evento = "110111" + Chave + "01-procEventoNFe.xml";
        fs::copy_file(Fixture("vizinho/" + evento), pasta_ / "sub" / evento);
        fs::copy_file(Fixture("nfe-sem-protocolo.xml"), pasta_ / "sem-protocolo.xml");
        fs::copy_file(Fixture("nfe-denegada.xml"), pasta_ / "denegada.xml");
        Escrever(pasta_ / "quebrado.xml", "<nfeProc><NFe>");
        Escrever(pasta_ / "outro.XML", "<?xml version=\"1.0\"?><pedido/>");
        Escrever(pasta_ / "leia-me.txt", "não é XML");
    }
    void TearDown() override { fs::remove_all(pasta_); }

    std::map<std::string, LinhaNota> Listar(bool recursivo) {
        std::string erro;
        std::map<std::string, LinhaNota> porArquivo;
        for (LinhaNota& l : ListarPastaOrdenada(pasta_.string(), recursivo, erro)) porArquivo[l.Arquivo] = l;
        EXPECT_EQ(erro, "");
        return porArquivo;
    }

    fs::path pasta_;
};

TEST_F(ListaNotas, UmaLinhaPorNotaComASituacaoEOEventoAoLado) {
    auto linhas = Listar(true);
    ASSERT_EQ(linhas.size(), 6u) << "the event file and the .txt give no row";
    EXPECT_EQ(linhas["autorizada.xml"].Situacao, "AUTORIZADA");
    EXPECT_EQ(linhas["sub/" + Chave + "-nfe.xml"].Situacao, "CANCELADA");
    EXPECT_EQ(linhas["sem-protocolo.xml"].Situacao, "SEM PROTOCOLO");
    EXPECT_FALSE(linhas["sem-protocolo.xml"].Motivo.empty()) << "the step the read stopped at";
    EXPECT_EQ(linhas["denegada.xml"].Situacao, "DENEGADA");
    EXPECT_EQ(linhas["quebrado.xml"].Situacao, SituacaoNaoNFe);
    EXPECT_FALSE(linhas["quebrado.xml"].Motivo.empty());
    EXPECT_EQ(linhas["outro.XML"].Situacao, SituacaoNaoNFe);
    EXPECT_FALSE(linhas["outro.XML"].EhNFe);

    const LinhaNota& nota = linhas["sub/" + Chave + "-nfe.xml"];
    EXPECT_TRUE(nota.EhNFe);
    EXPECT_EQ(nota.ChaveNfe, Chave);
    EXPECT_EQ(nota.CnpjEmit, "12.345.678/0001-95");
    EXPECT_EQ(nota.Layout, "Retrato");
    EXPECT_EQ(nota.DataEmissao.size(), 10u);
}

TEST_F(ListaNotas, SubpastasSoQuandoPedidasComOCaminhoRelativo) {
    auto linhas = Listar(false);
    EXPECT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas.count("sub/" + Chave + "-nfe.xml"), 0u);
}

TEST_F(ListaNotas, PastaAusenteDizPorQueEContaAntesDeEntregar) {
    std::string erro;
    EXPECT_TRUE(ListarPastaOrdenada((pasta_ / "nao-existe").string(), false, erro).empty());
    EXPECT_NE(erro.find("Pasta não encontrada"), std::string::npos);

    size_t total = 0, entregues = 0;
    OpcoesLista opcoes;
    opcoes.Tarefas = 2;
    opcoes.AoContar = [&](size_t n) {
        EXPECT_EQ(entregues, 0u);
        total = n;
    };
    ListarPasta(pasta_.string(), opcoes, [&](LinhaNota&&) { ++entregues; });
    EXPECT_EQ(total, 5u);
    EXPECT_EQ(entregues, 5u);
}

TEST_F(ListaNotas, CancelarParaALeitura) {
    std::atomic<bool> cancelar{true};
    OpcoesLista opcoes;
    opcoes.Cancelar = &cancelar;
    size_t entregues = 0;
    EXPECT_EQ(ListarPasta(pasta_.string(), opcoes, [&](LinhaNota&&) { ++entregues; }), "");
    EXPECT_EQ(entregues, 0u);
}

TEST(ListaValores, FormatoBrasileiroEColunasDeclaradasUmaVez) {
    EXPECT_EQ(ValorBrasileiro(1234.5), "1.234,50");
    EXPECT_EQ(ValorBrasileiro(0), "0,00");
    EXPECT_EQ(ValorBrasileiro(1234567.891), "1.234.567,89");
    std::map<std::string, int> nomes;
    for (const ColunaLista& c : ColunasLista()) ++nomes[c.Nome];
    for (const auto& [nome, vezes] : nomes) EXPECT_EQ(vezes, 1) << nome;
}

// Every sample listed, each row what the main window's load shows for the file.
TEST(ListaAmostras, LinhasConcordamComACargaCompleta) {
    std::string erro;
    const auto linhas = ListarPastaOrdenada(LUVENOR_SAMPLES_DIR, true, erro);
    ASSERT_EQ(erro, "");
    ASSERT_GE(linhas.size(), 50u);
    for (const LinhaNota& l : linhas) {
        TNotaFiscal nf;
        TXmlNFe leitor;
        leitor.NotaFiscal = &nf;
        const ResultadoCarga r =
            CarregarArquivoNFe(leitor, (fs::path(LUVENOR_SAMPLES_DIR) / l.Arquivo).string());
        ASSERT_EQ(l.EhNFe, r.Carregado()) << l.Arquivo;
        if (!l.EhNFe) continue;
        const DadosPrincipais d = MontarDadosPrincipais(nf);
        EXPECT_EQ(l.Numero, d.NumNota) << l.Arquivo;
        EXPECT_EQ(l.NomeEmit, d.NomeEmit) << l.Arquivo;
        EXPECT_EQ(l.CnpjDest, d.CnpjDest) << l.Arquivo;
        EXPECT_EQ(l.Valor, nf.TotNota) << l.Arquivo;
        EXPECT_EQ(l.Situacao, r.MsgErro.empty() || nf.SemProtocolo ? SituacaoNFe(nf) : SituacaoInterrompida)
            << l.Arquivo;
    }
}

}  // namespace
