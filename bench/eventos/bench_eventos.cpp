// Loading an invoice that lies in a folder of 10,000 other files, as in an issuer's download
// folder: the look-up of event files beside it lists names only, so the load should cost about
// the same as in an empty folder. Measured with no event file among the others, and with 50
// event files of other invoices plus one of its own (a cancellation) whose names hold keys.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace luvenor;
namespace fs = std::filesystem;

namespace {

constexpr int OutrosArquivos = 10000;
const std::string Chave = "35190512345678000195550010000012341000012342";

std::string Ler(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::stringstream conteudo;
    conteudo << arquivo.rdbuf();
    return conteudo.str();
}

void Gravar(const fs::path& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary) << conteudo;
}

// A folder holding the invoice and `outros` other small files; removed when the run ends.
class Pasta {
public:
    Pasta(int outros, bool comEventos) {
        raiz_ = fs::temp_directory_path() /
                ("luvenor-bench-eventos-" + std::to_string(::getpid()) + "-" + std::to_string(comEventos));
        fs::remove_all(raiz_);
        fs::create_directories(raiz_);
        const std::string fixtures = LUVENOR_FIXTURES_DIR "/eventos/";
        nota_ = (raiz_ / (Chave + "-nfe.xml")).string();
        Gravar(nota_, Ler(fixtures + "nfe-producao.xml"));
        for (int i = 0; i < outros; ++i) {
            char nome[64];
            std::snprintf(nome, sizeof nome, "3519051234567800019555001%09d1%08d9-nfe.xml", i, i);
            Gravar(raiz_ / nome, "<nfeProc/>");
        }
        if (!comEventos) return;
        const std::string cancelamento = Ler(fixtures + "vizinho/110111" + Chave + "01-procEventoNFe.xml");
        for (int i = 0; i < 50; ++i) {
            char nome[80];
            std::snprintf(nome, sizeof nome, "1101103519051234567800019555001%09d1%08d901-procEventoNFe.xml",
                          i, i);
            Gravar(raiz_ / nome, cancelamento);
        }
        Gravar(raiz_ / ("110111" + Chave + "01-procEventoNFe.xml"), cancelamento);
    }
    ~Pasta() { fs::remove_all(raiz_); }
    const std::string& Nota() const { return nota_; }

private:
    fs::path raiz_;
    std::string nota_;
};

void Carregar(benchmark::State& estado, int outros, bool comEventos, const std::string& statusEsperado) {
    const Pasta pasta(outros, comEventos);
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    for (auto _ : estado) {
        ResultadoCarga r = CarregarArquivoNFe(leitor, pasta.Nota());
        benchmark::DoNotOptimize(r);
        if (!r.MsgErro.empty() || nf.Status != statusEsperado)
            estado.SkipWithError("the invoice did not load as expected");
    }
}

void BM_CarregarPastaVazia(benchmark::State& estado) {
    Carregar(estado, 0, false, "");
}
void BM_CarregarEntre10000Arquivos(benchmark::State& estado) {
    Carregar(estado, OutrosArquivos, false, "");
}
void BM_CarregarEntre10000ArquivosComEventos(benchmark::State& estado) {
    Carregar(estado, OutrosArquivos, true, "C");
}

}  // namespace

BENCHMARK(BM_CarregarPastaVazia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CarregarEntre10000Arquivos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CarregarEntre10000ArquivosComEventos)->Unit(benchmark::kMillisecond);
