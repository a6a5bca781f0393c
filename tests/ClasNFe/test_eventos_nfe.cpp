// The invoice's events: inside nfeProc, beside the invoice by name, given by file; which count,
// why the others do not, and what they make of the invoice's state. Hostile event files never
// stop the invoice from loading.
#include "ClasDocFisc/ExportarJson.h"
#include "ClasNFe/ArquivosEvento.h"
#include "ClasNFe/DadosPrincipais.h"
#include "ClasNFe/NFeTeste.h"

#include <algorithm>
#include <filesystem>

#include <unistd.h>

using namespace luvenor;
using namespace luvenor::teste;
namespace fs = std::filesystem;

namespace {

const std::string Chave = "35190512345678000195550010000012341000012342";
const std::string Pasta = LUVENOR_FIXTURES_DIR "/eventos/";

struct Carga {
    TNotaFiscal nf;
    ResultadoCarga resultado;
};

std::unique_ptr<Carga> Carregar(const std::string& caminho, const std::vector<std::string>& eventos = {}) {
    auto c = std::make_unique<Carga>();
    TXmlNFe leitor;
    leitor.NotaFiscal = &c->nf;
    c->resultado = CarregarArquivoNFe(leitor, caminho);
    EXPECT_TRUE(c->resultado.Carregado()) << c->resultado.ErroCarga;
    for (const std::string& e : eventos)
        AdicionarArquivoEvento(c->nf, Pasta + "avulsos/" + e, c->resultado.Avisos);
    return c;
}

bool AlgumAviso(const ResultadoCarga& r, const std::string& trecho) {
    return std::any_of(r.Avisos.begin(), r.Avisos.end(),
                       [&](const std::string& a) { return a.find(trecho) != std::string::npos; });
}

std::string Avisos(const ResultadoCarga& r) {
    std::string todos;
    for (const std::string& a : r.Avisos) todos += a + "\n";
    return todos;
}

TEST(EventosNFe, CancelamentoDentroDoNfeProcCancelaENaoContaOsRecusados) {
    auto c = Carregar(Pasta + "interna/nfe-cancelada-interna.xml");
    EXPECT_EQ(c->resultado.MsgErro, "");
    EXPECT_EQ(c->nf.Status, "C");
    EXPECT_EQ(c->nf.ProtocoloCancNfe, "135190000000555");
    EXPECT_EQ(c->nf.dhProtocoloCancNfe, "20/05/2019 10:15:30");
    ASSERT_EQ(c->nf.Eventos.Count(), 1);
    EXPECT_EQ(c->nf.Eventos[0].Origem, "nfeProc");
    EXPECT_TRUE(AlgumAviso(c->resultado, "cStat 573: Rejeição: Duplicidade de evento"))
        << Avisos(c->resultado);
    EXPECT_EQ(SituacaoNFe(c->nf), "CANCELADA");
    EXPECT_EQ(MontarDadosPrincipais(c->nf).Situacao,
              "CANCELADA - protocolo 135190000000555 de 20/05/2019 10:15:30");
}

TEST(EventosNFe, ArquivoAoLadoPeloNomeCancelaEOsHostisSoSaoAvisados) {
    auto c = Carregar(Pasta + "vizinho/" + Chave + "-nfe.xml");
    EXPECT_EQ(c->resultado.MsgErro, "");
    EXPECT_EQ(c->nf.ItensNF.Count(), 3);
    EXPECT_EQ(c->nf.Status, "C");
    EXPECT_EQ(c->nf.ProtocoloCancNfe, "135190000000999");
    EXPECT_EQ(c->nf.MotivoCanc, "Pedido cancelado pelo cliente antes da entrega");
    ASSERT_EQ(c->nf.Eventos.Count(), 1);
    EXPECT_EQ(c->nf.Eventos[0].Origem, "110111" + Chave + "01-procEventoNFe.xml");
    // The DOCTYPE and the broken file are named, each with why it was left out.
    EXPECT_TRUE(AlgumAviso(c->resultado, Chave + "-doctype.xml ignorado")) << Avisos(c->resultado);
    EXPECT_TRUE(AlgumAviso(c->resultado, Chave + "-quebrado.xml ignorado")) << Avisos(c->resultado);
    // A file whose name lacks the key is never opened, whatever it holds.
    EXPECT_FALSE(AlgumAviso(c->resultado, "evento-sem-chave-no-nome")) << Avisos(c->resultado);
    EXPECT_EQ(c->resultado.Avisos.size(), 2u) << Avisos(c->resultado);
}

TEST(EventosNFe, ArquivosDadosPeloUsuario) {
    auto c = Carregar(Pasta + "nfe-producao.xml",
                      {"cce-curta.xml", "cancelamento-rejeitado.xml", "cancelamento-outra-chave.xml",
                       "cancelamento-homologacao.xml", "manifestacao.xml", "cce-curta.xml"});
    EXPECT_EQ(c->nf.Status, "") << "no cancellation here counts";
    ASSERT_EQ(c->nf.Eventos.Count(), 2) << "the correction letter once and the manifestation";
    const TEventoNF& carta = c->nf.Eventos[0];
    EXPECT_TRUE(carta.CartaCorrecao());
    EXPECT_EQ(carta.SeqEvento, 1);
    EXPECT_EQ(carta.Correcao, "Onde se lê Rua A, leia-se Rua B.");
    EXPECT_EQ(carta.Protocolo, "135190000000888");
    EXPECT_EQ(carta.DtEvento, Data(2019, 5, 21));
    EXPECT_EQ(carta.HrEvento, "09:00:00");
    EXPECT_EQ(carta.CnpjAutor, "12345678000195");
    EXPECT_EQ(c->nf.SeqEventoCCe, 1);
    EXPECT_EQ(c->nf.ProtocoloCCeNfe, "135190000000888");
    EXPECT_EQ(c->nf.Eventos[1].TpEvento, "210200");
    EXPECT_TRUE(AlgumAviso(c->resultado, "cStat 501")) << Avisos(c->resultado);
    EXPECT_TRUE(
        AlgumAviso(c->resultado, "é de outra NF-e (chave 35190598765432000110550010000099991000099995)"));
    EXPECT_TRUE(AlgumAviso(c->resultado, "é de outro ambiente (tpAmb 2, a NF-e tem 1)"));
    EXPECT_EQ(c->resultado.Avisos.size(), 3u) << Avisos(c->resultado);

    const DadosPrincipais dados = MontarDadosPrincipais(c->nf);
    EXPECT_EQ(dados.Situacao, "AUTORIZADA");
    ASSERT_EQ(dados.Eventos.size(), 2u);
    EXPECT_EQ(
        dados.Eventos[0],
        "Carta de correção nº 1 de 21/05/2019 09:00:05, protocolo 135190000000888: Onde se lê Rua A, leia-se "
        "Rua B.");
    EXPECT_EQ(dados.Eventos[1].rfind("210200 Confirmacao da Operacao nº 1", 0), 0u) << dados.Eventos[1];
}

TEST(EventosNFe, CancelamentoEmHomologacaoELoteDeRetorno) {
    auto homologacao = Carregar(LUVENOR_FIXTURES_DIR "/nfe/base-v400.xml", {"cancelamento-homologacao.xml"});
    EXPECT_EQ(homologacao->nf.Status, "C");
    EXPECT_EQ(homologacao->nf.ProtocoloCancNfe, "135190000000321");
    EXPECT_EQ(MontarDadosPrincipais(homologacao->nf).Situacao,
              "CANCELADA - protocolo 135190000000321 de 21/05/2019 09:00:05 (homologação: sem valor fiscal)");

    auto lote = Carregar(Pasta + "nfe-producao.xml", {"retenv-cancelamento.xml"});
    EXPECT_EQ(lote->nf.Status, "C");
    EXPECT_EQ(lote->nf.ProtocoloCancNfe, "135190000000666");
}

TEST(EventosNFe, ProtocoloDenegadoOuQueCancela) {
    auto denegada = Carregar(Pasta + "nfe-denegada.xml");
    EXPECT_EQ(denegada->nf.Status, "D");
    EXPECT_EQ(denegada->nf.CStatProtocolo, "302");
    EXPECT_EQ(SituacaoNFe(denegada->nf), "DENEGADA");
    EXPECT_EQ(MontarDadosPrincipais(denegada->nf).Situacao,
              "DENEGADA - Uso Denegado: Irregularidade fiscal do destinatário");
    // A protocol that records the cancellation itself cancels.
    auto autorizada = Ler(Trocar(Base(), "<cStat>100</cStat>", "<cStat>101</cStat>"));
    EXPECT_EQ(autorizada->nf.Status, "C");
    EXPECT_EQ(SituacaoNFe(autorizada->nf), "CANCELADA");
    auto normal = Ler(Base());
    EXPECT_EQ(normal->nf.Status, "");
    EXPECT_EQ(SituacaoNFe(normal->nf), "AUTORIZADA");
}

TEST(EventosNFe, LeituraInterrompidaDizOndeParouESeSoFaltouOProtocolo) {
    auto semProtocolo = Carregar(Pasta + "nfe-sem-protocolo.xml");
    EXPECT_NE(semProtocolo->resultado.MsgErro, "");
    EXPECT_TRUE(semProtocolo->nf.SemProtocolo);
    EXPECT_EQ(semProtocolo->nf.LeituraInterrompida, semProtocolo->resultado.MsgErro);
    EXPECT_EQ(SituacaoNFe(semProtocolo->nf), "SEM PROTOCOLO");

    auto incompleta = Carregar(Pasta + "nfe-incompleta.xml");
    EXPECT_EQ(incompleta->resultado.MsgErro, "Tag <total> não encontrada.");
    EXPECT_FALSE(incompleta->nf.SemProtocolo);
    EXPECT_EQ(incompleta->nf.LeituraInterrompida, "Tag <total> não encontrada.");

    // The next whole read forgets both.
    TXmlNFe leitor;
    leitor.NotaFiscal = &incompleta->nf;
    CarregarArquivoNFe(leitor, Pasta + "nfe-producao.xml");
    EXPECT_EQ(incompleta->nf.LeituraInterrompida, "");
    EXPECT_FALSE(incompleta->nf.SemProtocolo);
}

// A scratch folder for the files a test makes, removed at the end.
class PastaEventos : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ =
            fs::temp_directory_path() / ("luvenor-eventos-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta_);
    }
    void TearDown() override { fs::remove_all(pasta_); }
    std::string Gravar(const std::string& nome, const std::string& conteudo) {
        const std::string caminho = (pasta_ / nome).string();
        std::ofstream(caminho, std::ios::binary) << conteudo;
        return caminho;
    }
    fs::path pasta_;
};

TEST_F(PastaEventos, SoNomesXmlComAChaveSaoProcurados) {
    const std::string nota = Gravar(Chave + "-nfe.xml", "");
    const std::string evento = Gravar("110110" + Chave + "01-procEventoNFe.XML", "");
    Gravar(Chave + "-nfe.pdf", "");
    Gravar("outro-110110-procEventoNFe.xml", "");
    fs::create_directories(pasta_ / (Chave + "-pasta.xml"));
    EXPECT_EQ(ProcurarArquivosEvento(nota, Chave), std::vector<std::string>{evento});
    // A key that is not one finds nothing, and would otherwise match every name.
    EXPECT_TRUE(ProcurarArquivosEvento(nota, "").empty());
    EXPECT_TRUE(ProcurarArquivosEvento(nota, Chave.substr(0, 20)).empty());
}

TEST_F(PastaEventos, ArquivoEnormeOuQueNaoEEventoNaoMudaNada) {
    auto c = Carregar(Pasta + "nfe-producao.xml", {"doctype.xml", "nao-xml.xml"});
    const std::string enorme =
        Gravar("enorme.xml", "<retEvento>" + std::string(TamanhoMaximoEvento, 'a') + "</retEvento>");
    const std::string nota = Gravar("nota.xml", LerArquivo(Pasta + "nfe-producao.xml"));
    AdicionarArquivoEvento(c->nf, enorme, c->resultado.Avisos);
    AdicionarArquivoEvento(c->nf, nota, c->resultado.Avisos);
    AdicionarArquivoEvento(c->nf, (pasta_ / "nao-existe.xml").string(), c->resultado.Avisos);
    EXPECT_EQ(c->nf.Eventos.Count(), 0);
    EXPECT_EQ(c->nf.Status, "");
    EXPECT_EQ(c->nf.ItensNF.Count(), 3);
    EXPECT_EQ(c->nf.ProtocoloNfe, "135190000000001");
    ASSERT_EQ(c->resultado.Avisos.size(), 5u) << Avisos(c->resultado);
    EXPECT_TRUE(AlgumAviso(c->resultado, "doctype.xml ignorado"));
    EXPECT_TRUE(AlgumAviso(c->resultado, "nao-xml.xml ignorado"));
    EXPECT_TRUE(AlgumAviso(c->resultado, "enorme.xml ignorado: arquivo maior que 1 MB"));
    EXPECT_TRUE(AlgumAviso(c->resultado, "nota.xml ignorado: <nfeProc> não é um evento de NF-e"));
    EXPECT_TRUE(AlgumAviso(c->resultado, "nao-existe.xml ignorado: arquivo não encontrado"));
}

TEST_F(PastaEventos, DocumentoDeEventoVazioNaoApagaANotaCarregada) {
    auto c = Carregar(Pasta + "nfe-producao.xml");
    TXmlNFe leitor;
    leitor.NotaFiscal = &c->nf;
    const ResultadoCarga r =
        CarregarArquivoNFe(leitor, Gravar("lote.xml", "<retEnvEvento><cStat>128</cStat></retEnvEvento>"));
    EXPECT_FALSE(r.Carregado());
    EXPECT_NE(r.ErroCarga.find("sem nenhum evento"), std::string::npos) << r.ErroCarga;
    EXPECT_EQ(c->nf.NumLcto, 1234);
    EXPECT_EQ(c->nf.ItensNF.Count(), 3);
}

TEST(EventosNFe, ArquivoDeEventoSozinhoDaADadosDaChave) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga r = CarregarArquivoNFe(leitor, Pasta + "avulsos/cce-1000.xml");
    ASSERT_TRUE(r.Carregado()) << r.ErroCarga;
    EXPECT_TRUE(r.DocumentoEvento);
    EXPECT_EQ(nf.ChaveNfe, Chave);
    EXPECT_EQ(nf.NumLcto, 1234);
    EXPECT_EQ(nf.SerieNum, "1");
    EXPECT_EQ(nf.Modelo, "55");
    EXPECT_EQ(nf.CnpjFili, "12345678000195");
    EXPECT_EQ(nf.tpAmb, "1");
    ASSERT_EQ(nf.Eventos.Count(), 1);
    EXPECT_EQ(nf.Eventos[0].SeqEvento, 2);
    const std::string& correcao = nf.Eventos[0].Correcao;
    EXPECT_EQ(std::count_if(correcao.begin(), correcao.end(), [](char c) { return (c & 0xC0) != 0x80; }),
              1000)
        << "1,000 characters, kept whole";
}

TEST(EventosNFe, JsonLevaSituacaoEEventos) {
    auto c = Carregar(Pasta + "interna/nfe-cancelada-interna.xml");
    const std::string json = ExportarJson(c->nf);
    EXPECT_NE(json.find("\"Status\":\"C\""), std::string::npos);
    EXPECT_NE(json.find("\"Eventos\":[{\"Origem\":\"nfeProc\",\"TpEvento\":\"110111\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"Protocolo\":\"135190000000555\""), std::string::npos);
}

}  // namespace
