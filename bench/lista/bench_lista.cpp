// Listing a folder of 10,000 different invoices on every core: the time to the first rows (what
// the folder window shows first) and to the whole list. The folder is generated once, in /tmp,
// by bench/gerar-notas.py.
#include "ClasNFe/ListaNotas.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int Quantas = 10000;

const fs::path& PastaGerada() {
    static const fs::path pasta = [] {
        fs::path p = fs::temp_directory_path() / ("luvenor-bench-lista-" + std::to_string(::getpid()));
        const std::string comando = "python3 '" LUVENOR_SOURCE_DIR "/bench/gerar-notas.py' '" + p.string() +
                                    "' " + std::to_string(Quantas) + " > /dev/null";
        if (std::system(comando.c_str()) != 0) std::abort();
        std::atexit([] { fs::remove_all(PastaGerada()); });
        return p;
    }();
    return pasta;
}

void BM_ListarPasta(benchmark::State& state) {
    const fs::path& pasta = PastaGerada();
    using Relogio = std::chrono::steady_clock;
    double primeiras = 0, total = 0;
    size_t linhas = 0;
    for (auto _ : state) {
        const auto inicio = Relogio::now();
        linhas = 0;
        luvenor::OpcoesLista opcoes;
        opcoes.Tarefas = static_cast<int>(state.range(0));
        luvenor::ListarPasta(pasta.string(), opcoes, [&](luvenor::LinhaNota&&) {
            // The first screenful of the folder window.
            if (++linhas == 30) primeiras = std::chrono::duration<double>(Relogio::now() - inicio).count();
        });
        total = std::chrono::duration<double>(Relogio::now() - inicio).count();
    }
    state.counters["primeiras_30_s"] = primeiras;
    state.counters["lista_completa_s"] = total;
    state.counters["linhas"] = static_cast<double>(linhas);
}

}  // namespace

BENCHMARK(BM_ListarPasta)->Arg(1)->Arg(2)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);
