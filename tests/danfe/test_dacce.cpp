// The DACCe: the correction letter's own sheets. Its page dumps against the checked-in ones (a
// short letter and one of 1,000 characters), a letter longer than a sheet continuing on the next
// ones under the repeated header, and the issuer's data taken from the invoice when it is known.
//
// After an intended change of the form, rewrite the dumps with
//     LUVENOR_ATUALIZAR_DUMPS=1 ctest --test-dir build -R Dacce
// and review the diff of tests/danfe/golden/ before committing it.
#include "DanfeTeste.h"

#include "ClasNFe/ArquivosEvento.h"
#include "ClasNFe/CarregarNFe.h"
#include "danfe/TFrtDacce.h"
#include "report/RLPageDump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

const std::string Pasta = LUVENOR_FIXTURES_DIR "/eventos/";

struct Dacce {
    bool preparado = false;
    std::vector<TRLGraphicSurface> paginas;
    std::string dump;
};

Dacce PrepararDacce(const TNotaFiscal& nf) {
    GarantirAplicacao();
    Dacce r;
    const TEventoNF* carta = UltimaCartaCorrecao(nf);
    if (!carta) return r;
    ImprimirDacce(nf, *carta, [&r](TFrtDacce& f) {
        f.RLReport1().ShowProgress = false;
        r.preparado = f.RLReport1().PreparePages();
        const TRLGraphicStorage& store = f.RLReport1().Pages();
        for (int i = 0; i < store.Count(); ++i) r.paginas.push_back(*store.Page(i));
        r.dump = DescreverPaginas(store);
    });
    return r;
}

void CarregarEvento(TNotaFiscal& nf, const std::string& arquivo) {
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga r = CarregarArquivoNFe(leitor, Pasta + "avulsos/" + arquivo);
    ASSERT_TRUE(r.Carregado() && r.DocumentoEvento) << r.ErroCarga;
}

std::string Ler(const std::filesystem::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::ostringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

class DaccePaginas : public testing::TestWithParam<const char*> {};

TEST_P(DaccePaginas, DumpIgualAoGuardado) {
    TNotaFiscal nf;
    CarregarEvento(nf, std::string(GetParam()) + ".xml");
    const Dacce d = PrepararDacce(nf);
    ASSERT_TRUE(d.preparado);
    ASSERT_EQ(d.paginas.size(), 1u);
    const std::filesystem::path guardado =
        std::string(LUVENOR_SOURCE_DIR) + "/tests/danfe/golden/dacce-" + GetParam() + ".txt";
    const char* atualizar = std::getenv("LUVENOR_ATUALIZAR_DUMPS");
    if (atualizar && std::string(atualizar) == "1") {
        std::ofstream(guardado, std::ios::binary | std::ios::trunc) << d.dump;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(guardado))
        << guardado << " is missing; LUVENOR_ATUALIZAR_DUMPS=1 writes it";
    EXPECT_TRUE(Ler(guardado) == d.dump) << "the DACCe pages differ from " << guardado
                                         << "; if intended, rewrite it with LUVENOR_ATUALIZAR_DUMPS=1";
}

INSTANTIATE_TEST_SUITE_P(Cartas, DaccePaginas, testing::Values("cce-curta", "cce-1000"),
                         [](const testing::TestParamInfo<const char*>& i) {
                             std::string nome = i.param;
                             return nome.replace(nome.find('-'), 1, "_");
                         });

TEST(Dacce, CartaDeUmArquivoSozinhoMostraAChaveEOsDadosDoEvento) {
    TNotaFiscal nf;
    CarregarEvento(nf, "cce-curta.xml");
    const Dacce d = PrepararDacce(nf);
    ASSERT_TRUE(d.preparado);
    const TRLGraphicSurface& p = d.paginas[0];
    EXPECT_TRUE(TemTexto(p, "CARTA DE CORREÇÃO ELETRÔNICA"));
    EXPECT_TRUE(TemTexto(p, "3519 0512 3456 7800 0195 5500 1000 0012 3410 0001 2342"));
    EXPECT_TRUE(TemTexto(p, "Nº 000.001.234    SÉRIE 1"));
    EXPECT_TRUE(TemTexto(p, "CNPJ/CPF: 12.345.678/0001-95"));
    EXPECT_TRUE(TemTexto(p, "135190000000888"));
    EXPECT_TRUE(TemTexto(p, "21/05/2019 09:00:00"));
    EXPECT_TRUE(TemTexto(p, "21/05/2019 09:00:05"));
    EXPECT_TRUE(TemTexto(p, "Onde se lê Rua A, leia-se Rua B."));
    EXPECT_TRUE(TemTextoComecando(p, "A Carta de Correção é disciplinada"));
    EXPECT_TRUE(TemTexto(p, "FOLHA 1"));
    // The number of sheets is filled in when the pages are complete.
    EXPECT_NE(d.dump.find("\"DE 1\""), std::string::npos);
}

TEST(Dacce, CartaComANotaTrazOEmitenteEAEmissao) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    ResultadoCarga r = CarregarArquivoNFe(leitor, Pasta + "nfe-producao.xml");
    ASSERT_EQ(r.MsgErro, "");
    AdicionarArquivoEvento(nf, Pasta + "avulsos/cce-curta.xml", r.Avisos);
    AdicionarArquivoEvento(nf, Pasta + "avulsos/cce-1000.xml", r.Avisos);
    const Dacce d = PrepararDacce(nf);
    ASSERT_TRUE(d.preparado);
    const TRLGraphicSurface& p = d.paginas[0];
    EXPECT_TRUE(TemTexto(p, "EMPRESA EMITENTE FICTÍCIA LTDA"));
    EXPECT_TRUE(TemTextoComecando(p, "EMISSÃO: "));
    // The letter of highest sequence is the one in force.
    EXPECT_TRUE(TemTexto(p, "135190000000889"));
    EXPECT_FALSE(TemTexto(p, "Onde se lê Rua A, leia-se Rua B."));
}

TEST(Dacce, CorrecaoMaiorQueUmaFolhaContinuaNasSeguintes) {
    TNotaFiscal nf;
    CarregarEvento(nf, "cce-curta.xml");
    std::string longa;
    for (int i = 1; i <= 400; ++i) longa += "Trecho " + std::to_string(i) + " da correção muito extensa. ";
    nf.Eventos[0].Correcao = longa;
    const Dacce d = PrepararDacce(nf);
    ASSERT_TRUE(d.preparado);
    ASSERT_GE(d.paginas.size(), 2u);
    EXPECT_NE(d.dump.find("\"DE " + std::to_string(d.paginas.size()) + "\""), std::string::npos);
    for (const TRLGraphicSurface& p : d.paginas) {
        EXPECT_TRUE(TemTexto(p, "CARTA DE CORREÇÃO ELETRÔNICA")) << "the header repeats on every sheet";
        EXPECT_TRUE(TemTextoComecando(p, "Trecho ")) << "no sheet without part of the correction";
        EXPECT_TRUE(TemTexto(p, "CORREÇÃO")) << "each part of the correction's box repeats its caption";
    }
    // Every part of the text is printed, the last one on the last sheet, with the conditions of use.
    EXPECT_TRUE(TemTextoComecando(d.paginas.back(), "A Carta de Correção é disciplinada"));
    bool ultimo = false;
    for (const std::string& t : Textos(d.paginas.back()))
        ultimo |= t.find("Trecho 400 ") != std::string::npos;
    EXPECT_TRUE(ultimo);
}

TEST(Dacce, SemCartaDeCorrecaoNaoHaDacce) {
    TNotaFiscal nf;
    CarregarEvento(nf, "retenv-cancelamento.xml");
    EXPECT_EQ(UltimaCartaCorrecao(nf), nullptr);
    EXPECT_EQ(nf.Status, "C");
}

}  // namespace
