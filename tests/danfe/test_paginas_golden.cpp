// The DANFE of each fixture invoice, page by page as text, against its checked-in dump in
// tests/danfe/golden/. A box that moves, a font that changes or a caption that is reworded shows
// here as a failing line.
//
// After an intended change of the layouts or the filling pass, rewrite the dumps with
//     LUVENOR_ATUALIZAR_DUMPS=1 ctest --test-dir build -R PaginasGolden
// and review the diff of tests/danfe/golden/ before committing it with the change.
#include "PaginasDanfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace luvenor;

namespace {

struct CasoGolden {
    const char* nome;  // the dump's file name, without .txt
    const char* xml;   // the invoice, relative to the project folder
    FormatoNfce formatoNfce = FormatoNfce::Bobina80;
};

const CasoGolden casos[] = {
    {"nfe-exemplo", "samples/nfe-exemplo.xml"},
    {"paisagem-servicos", "tests/fixtures/danfe/paisagem-servicos.xml"},
    {"retrato-tres-folhas", "tests/fixtures/danfe/retrato-tres-folhas.xml"},
    {"infcpl-8000-retrato", "tests/fixtures/danfe/infcpl-8000-retrato.xml"},
    {"infcpl-8000-paisagem", "tests/fixtures/danfe/infcpl-8000-paisagem.xml"},
    {"infcpl-8000-dois-itens-retrato", "tests/fixtures/danfe/infcpl-8000-dois-itens-retrato.xml"},
    {"infcpl-16000-dois-itens-paisagem", "tests/fixtures/danfe/infcpl-16000-dois-itens-paisagem.xml"},
    {"homologacao-consumidor", "tests/fixtures/danfe/homologacao-consumidor.xml"},
    {"issqn-retrato", "tests/fixtures/danfe/issqn-retrato.xml"},
    {"locais-retrato", "tests/fixtures/danfe/locais-retrato.xml"},
    {"locais-paisagem", "tests/fixtures/danfe/locais-paisagem.xml"},
    {"nfce-bobina80-pagamentos-troco", "tests/fixtures/nfce/nfce-3pagamentos-troco.xml"},
    {"nfce-bobina58-contingencia", "tests/fixtures/nfce/nfce-contingencia.xml", FormatoNfce::Bobina58},
    {"nfce-bobina80-homologacao-cpf", "tests/fixtures/nfce/nfce-homologacao.xml"},
    {"nfce-a4-descricao-longa", "tests/fixtures/nfce/nfce-descricao-longa.xml", FormatoNfce::A4},
};

bool AtualizarDumps() {
    const char* v = std::getenv("LUVENOR_ATUALIZAR_DUMPS");
    return v && std::string(v) == "1";
}

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream in(texto);
    for (std::string linha; std::getline(in, linha);) linhas.push_back(linha);
    return linhas;
}

// The changed stretch between the lines both texts share at their start and at their end, with
// line numbers: enough to see what moved without a diff tool. When the stretch kept its length
// (boxes moved, texts reworded) only the lines that differ are shown, in pairs.
std::string Diferenca(const std::string& esperado, const std::string& obtido) {
    constexpr size_t mostradas = 12;
    const std::vector<std::string> e = Linhas(esperado);
    const std::vector<std::string> o = Linhas(obtido);
    size_t inicio = 0;
    while (inicio < e.size() && inicio < o.size() && e[inicio] == o[inicio]) ++inicio;
    size_t fim = 0;
    while (fim < e.size() - inicio && fim < o.size() - inicio &&
           e[e.size() - 1 - fim] == o[o.size() - 1 - fim])
        ++fim;
    const size_t nE = e.size() - inicio - fim;
    const size_t nO = o.size() - inicio - fim;
    std::ostringstream s;
    s << "first difference at line " << inicio + 1 << "; " << nE << " expected line(s) became " << nO
      << ":\n";
    auto linha = [&](const char* marca, size_t i, const std::string& texto) {
        s << marca << ' ' << i + 1 << ": " << texto << '\n';
    };
    if (nE == nO) {
        size_t vistas = 0;
        for (size_t i = inicio; i < inicio + nE; ++i) {
            if (e[i] == o[i]) continue;
            if (++vistas > mostradas) {
                s << "... and more\n";
                break;
            }
            linha("-", i, e[i]);
            linha("+", i, o[i]);
        }
        return s.str();
    }
    auto trecho = [&](const std::vector<std::string>& linhas, size_t n, const char* marca) {
        for (size_t i = inicio; i < inicio + std::min(n, mostradas); ++i) linha(marca, i, linhas[i]);
        if (n > mostradas) s << marca << " ... " << n - mostradas << " more\n";
    };
    trecho(e, nE, "-");
    trecho(o, nO, "+");
    return s.str();
}

std::string Ler(const std::filesystem::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::ostringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

void PrintTo(const CasoGolden& c, std::ostream* os) {
    *os << c.xml;
}

class PaginasGolden : public testing::TestWithParam<CasoGolden> {};

}  // namespace

TEST_P(PaginasGolden, DumpIgualAoGuardado) {
    std::string dump;
    std::string segundo;
    ASSERT_TRUE(teste::ComFormulario(
        teste::NoProjeto(GetParam().xml),
        [&](TFrtDanfe& f) {
            dump = teste::DumpDasPaginas(f);
            segundo = teste::DumpDasPaginas(f);
        },
        GetParam().formatoNfce))
        << GetParam().xml << " could not be read whole";
    // A second preparation of the same form must not differ: the dump may hold nothing of a run.
    EXPECT_EQ(segundo, dump) << Diferenca(dump, segundo);

    const std::filesystem::path guardado =
        teste::NoProjeto(std::string("tests/danfe/golden/") + GetParam().nome + ".txt");
    if (AtualizarDumps()) {
        if (Ler(guardado) != dump) {
            std::ofstream(guardado, std::ios::binary | std::ios::trunc) << dump;
            std::printf("rewrote %s\n", guardado.string().c_str());
        }
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(guardado))
        << guardado << " is missing; LUVENOR_ATUALIZAR_DUMPS=1 writes it";
    const std::string esperado = Ler(guardado);
    EXPECT_TRUE(esperado == dump) << GetParam().nome << ": the pages differ from " << guardado << "\n"
                                  << Diferenca(esperado, dump)
                                  << "If the change is intended, run the test with LUVENOR_ATUALIZAR_DUMPS=1 "
                                     "and commit the rewritten dump.";
}

INSTANTIATE_TEST_SUITE_P(Fixtures, PaginasGolden, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoGolden>& i) {
                             std::string nome = i.param.nome;
                             std::replace(nome.begin(), nome.end(), '-', '_');
                             return nome;
                         });
