// Hostile invoices and page files, timed: every case must stay linear in its size. Run with
// --benchmark_filter to pick one; each reports its time per run (compare the sizes of one case).
//   DANFE of an invoice whose free text is one word of N bytes (cut at what the DANFE prints)
//   line breaking of one word of N bytes, and a clipped label of N bytes
//   reading a page file whose store macros number N (refused past the bound)
#include "../../tests/report/PaginasHostis.h"

#include "ClasDocFisc/TDuplicata.h"
#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLAplicacao.h"
#include "report/RLControl.h"
#include "report/RLTextLayout.h"
#include "util/Notificador.h"
#include "util/UDatas.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace luvenor;

namespace {

class NotificadorMudo : public Notificador {
public:
    void Mostrar(const std::string&, bool) override {}
};

void NotaComTextoLivre(TNotaFiscal& nf, size_t bytes) {
    nf.NumLcto = 1;
    nf.Serie = "1";
    nf.tpImp = "1";
    nf.ChaveNfe = "35240312345678000190550010000045671000045670";
    nf.DtDoc = CodificarData(2024, 3, 5);
    nf.CnpjFili = "12345678000190";
    nf.Cnpj = "98765432000110";
    nf.Participantes.Add()->Cnpj = nf.CnpjFili;
    nf.Participantes.Add()->Cnpj = nf.Cnpj;
    nf.Participantes.Add();
    nf.ItensNF.Add()->DescrOrig = "PRODUTO";
    nf.ObservOrig = std::string(bytes, 'W');
}

void BM_DanfePalavraUnica(benchmark::State& state) {
    IniciarAplicacaoGrafica("bench_hostil");
    NotificadorMudo mudo;
    NotificadorInstalado instalado(&mudo);
    TNotaFiscal nf;
    NotaComTextoLivre(nf, static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        int paginas = 0;
        ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
            f.RLReport1().PreparePages();
            paginas = f.RLReport1().Pages().Count();
        });
        benchmark::DoNotOptimize(paginas);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DanfePalavraUnica)->Arg(1 << 16)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

int PaginasDoDanfe(TNotaFiscal& nf) {
    int paginas = 0;
    ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
        f.RLReport1().PreparePages();
        paginas = f.RLReport1().Pages().Count();
    });
    return paginas;
}

// One band spread over many sheets: the instalments' memo (the DANFE prints the first thousand).
void BM_DanfeMuitasParcelas(benchmark::State& state) {
    IniciarAplicacaoGrafica("bench_hostil");
    NotificadorMudo mudo;
    NotificadorInstalado instalado(&mudo);
    TNotaFiscal nf;
    NotaComTextoLivre(nf, 10);
    for (int i = 1; i <= state.range(0); ++i) {
        TDuplicata& d = *nf.DuplsNF.Add();
        d.NumDupl = std::to_string(i);
        d.DtVencto = CodificarData(2024, 4, 5);
        d.VlrDupl = 1;
    }
    for (auto _ : state) benchmark::DoNotOptimize(PaginasDoDanfe(nf));
}
BENCHMARK(BM_DanfeMuitasParcelas)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

// The additional information as words over many sheets: 0.4, 1.6 and 6.4 MB before the cut.
void BM_DanfeTextoLivreEmPalavras(benchmark::State& state) {
    IniciarAplicacaoGrafica("bench_hostil");
    NotificadorMudo mudo;
    NotificadorInstalado instalado(&mudo);
    TNotaFiscal nf;
    NotaComTextoLivre(nf, 0);
    std::string texto;
    while (texto.size() < static_cast<size_t>(state.range(0))) texto += "VOLUME 002 EXPEDICAO ";
    nf.ObservOrig = texto;
    for (auto _ : state) benchmark::DoNotOptimize(PaginasDoDanfe(nf));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DanfeTextoLivreEmPalavras)
    ->Arg(400 << 10)
    ->Arg(1600 << 10)
    ->Arg(6400 << 10)
    ->Unit(benchmark::kMillisecond);

void BM_QuebrarPalavraUnica(benchmark::State& state) {
    IniciarAplicacaoGrafica("bench_hostil");
    TRLFont fonte;
    fonte.Name = "Times New Roman";
    fonte.Height = -9;
    const TRLTextMeasurer m(fonte);
    const std::string palavra(static_cast<size_t>(state.range(0)), 'W');
    for (auto _ : state) benchmark::DoNotOptimize(QuebrarLinhas(palavra, m, 300));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QuebrarPalavraUnica)->Arg(1 << 16)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

void BM_LerMacrosDaLoja(benchmark::State& state) {
    const std::string arquivo = teste::hostis::MacrosDaLoja(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TRLGraphicStorage store;
        try {
            LerArquivoPaginas(arquivo, store);
        } catch (const ERLPageFileError&) {
        }
        benchmark::DoNotOptimize(store.Count());
    }
}
BENCHMARK(BM_LerMacrosDaLoja)->Arg(100)->Arg(1000)->Arg(200000)->Unit(benchmark::kMicrosecond);

}  // namespace
