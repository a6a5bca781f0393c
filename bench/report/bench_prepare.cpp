// Preparing an item list with an expanding memo (about 33 rows a page, 1,000 rows about 30 pages) and drawing
// every page to PDF (one page and about 30) or to PNG: milliseconds per page for each, and the process's
// peak memory, which the page store's memory budget and small cache keep bounded as the page count grows.
//
//   bench_report_prepare --benchmark_filter='Preparar/310$'    (about 10 pages)
//   bench_report_prepare --benchmark_filter='Preparar/3100$'   (about 100 pages)
#include "report/RLAplicacao.h"
#include "report/RLDataTable.h"
#include "report/RLExport.h"
#include "report/RLFonts.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "report/RLReport.h"
#include "report/RLSystemInfo.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace luvenor;

namespace {

void GarantirAplicacao() {
    IniciarAplicacaoGrafica("bench_report_prepare");
}

// Peak resident memory of the process, in kB.
double PicoDeMemoriaKb() {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha))
        if (linha.rfind("VmHWM:", 0) == 0) return std::stod(linha.substr(6));
    return 0;
}

// Wall-clock milliseconds spent inside the measured calls.
class Cronometro {
public:
    void Iniciar() { inicio_ = std::chrono::steady_clock::now(); }
    void Parar() { total_ += std::chrono::steady_clock::now() - inicio_; }
    double Milissegundos() const { return std::chrono::duration<double, std::milli>(total_).count(); }

private:
    std::chrono::steady_clock::time_point inicio_;
    std::chrono::steady_clock::duration total_{};
};

void Contadores(benchmark::State& state, int paginas, const Cronometro& cronometro) {
    state.counters["paginas"] = paginas;
    const double total = static_cast<double>(paginas) * static_cast<double>(state.iterations());
    state.counters["ms_por_pagina"] = total > 0 ? cronometro.Milissegundos() / total : 0.0;
    state.counters["pico_kb"] = PicoDeMemoriaKb();
}

TRLFont Times(int altura) {
    TRLFont f;
    f.Name = "Times New Roman";
    f.Height = -altura;
    f.Charset = 0;
    return f;
}

TRLLabel& Rotulo(TRLCustomControl& banda, const std::string& nome, int left, int top, int width) {
    auto& l = banda.Criar<TRLLabel>(nome);
    l.AutoSize = false;
    l.SetFont(Times(7));
    l.SetBounds(left, top, width, 8);
    return l;
}

// An invoice-like report: a header with page numbers, an item list whose rows hold a
// description memo of three lines and a few fixed cells.
struct Relatorio {
    explicit Relatorio(int linhas) {
        mestre.AddField("ID", TRLFieldType::ftInteger);
        mestre.Append();
        mestre.Post();
        itens.AddField("ITEM", TRLFieldType::ftInteger);
        for (int i = 1; i <= linhas; ++i) {
            itens.Append();
            itens.SetInteger("ITEM", i);
            itens.Post();
        }
        relatorio.Margins = TRLMargins{8, 8, 8, 8};
        relatorio.ShowProgress = false;
        relatorio.DataSource = &mestre;
        auto& cab = relatorio.Criar<TRLBand>("bandDados");
        cab.BandType = TRLBandType::btHeader;
        cab.SetBounds(30, 0, 734, 40);
        Rotulo(cab, "labTitulo", 0, 0, 300).SetCaption("DOCUMENTO AUXILIAR");
        auto& folha = cab.Criar<TRLSystemInfo>("folha");
        folha.Info = TRLInfoType::itPageNumber;
        folha.Text = "Fl: ";
        folha.SetBounds(600, 0, 40, 10);
        auto& total = cab.Criar<TRLSystemInfo>("total");
        total.Info = TRLInfoType::itLastPageNumber;
        total.Text = "/";
        total.SetBounds(650, 0, 40, 10);
        auto& sub = relatorio.Criar<TRLSubDetail>("RLSubDetail1");
        sub.SetBounds(30, 100, 734, 200);
        sub.DataSource = &itens;
        auto& col = sub.Criar<TRLBand>("RLBand2");
        col.BandType = TRLBandType::btColumnHeader;
        col.SetBounds(0, 0, 734, 20);
        Rotulo(col, "labProdutos", 0, 0, 200).SetCaption("DADOS DO PRODUTO/SERVIÇOS");
        auto& linha = sub.Criar<TRLBand>("RLBand1");
        linha.IntegralHeight = false;
        linha.SetBounds(0, 20, 734, 13);
        auto& descricao = linha.Criar<TRLMemo>("memDescricao");
        descricao.SetFont(Times(7));
        descricao.SetBounds(70, 0, 120, 13);
        auto& codigo = Rotulo(linha, "labCodigo", 0, 0, 60);
        auto& valor = Rotulo(linha, "labValor", 470, 0, 50);
        valor.Alignment = TRLTextAlignment::taRightJustify;
        linha.BeforePrint = [this, &descricao, &codigo, &valor](TRLCustomControl&, bool&) {
            const std::string n = itens.AsString("ITEM");
            codigo.SetCaption("COD-" + n);
            valor.SetCaption(n + ",00");
            descricao.SetText("PRODUTO DE TESTE NÚMERO " + n +
                              " COM UMA DESCRIÇÃO LONGA QUE OCUPA TRÊS LINHAS "
                              "NA COLUNA DA DESCRIÇÃO");
        };
    }

    TRLDataTable mestre{"CdsTempor"};
    TRLDataTable itens{"CdsItens"};
    TRLReport relatorio{"RLReport1"};
};

void Preparar(benchmark::State& state) {
    GarantirAplicacao();
    Relatorio r(static_cast<int>(state.range(0)));
    int paginas = 0;
    Cronometro cronometro;
    for (auto _ : state) {
        cronometro.Iniciar();
        if (!r.relatorio.PreparePages()) state.SkipWithError("a preparação falhou");
        cronometro.Parar();
        paginas = r.relatorio.Pages().Count();
    }
    Contadores(state, paginas, cronometro);
}
BENCHMARK(Preparar)->Arg(310)->Arg(1000)->Arg(3100)->Unit(benchmark::kMillisecond);

// Output of the drawing benchmarks, removed after each run.
std::string ArquivoTemporario(int64_t linhas, const char* extensao) {
    const auto nome = "bench_report_prepare_" + std::to_string(linhas) + extensao;
    return (std::filesystem::temp_directory_path() / nome).string();
}

void DesenharPdf(benchmark::State& state) {
    GarantirAplicacao();
    Relatorio r(static_cast<int>(state.range(0)));
    if (!r.relatorio.PreparePages()) {
        state.SkipWithError("a preparação falhou");
        return;
    }
    const int paginas = r.relatorio.Pages().Count();
    const std::string arquivo = ArquivoTemporario(state.range(0), ".pdf");
    Cronometro cronometro;
    for (auto _ : state) {
        cronometro.Iniciar();
        ExportarPdf(r.relatorio.Pages(), arquivo);
        cronometro.Parar();
    }
    std::remove(arquivo.c_str());
    Contadores(state, paginas, cronometro);
}
BENCHMARK(DesenharPdf)->Arg(31)->Arg(1000)->Unit(benchmark::kMillisecond);

// One PNG per page at 96 dpi; most of it is the PNG encoder's.
void DesenharPng(benchmark::State& state) {
    GarantirAplicacao();
    Relatorio r(static_cast<int>(state.range(0)));
    if (!r.relatorio.PreparePages()) {
        state.SkipWithError("a preparação falhou");
        return;
    }
    const int paginas = r.relatorio.Pages().Count();
    const std::string arquivo = ArquivoTemporario(state.range(0), ".png");
    std::vector<std::string> escritos;
    Cronometro cronometro;
    for (auto _ : state) {
        cronometro.Iniciar();
        escritos = ExportarPng(r.relatorio.Pages(), arquivo, 96);
        cronometro.Parar();
    }
    for (const std::string& nome : escritos) std::remove(nome.c_str());
    Contadores(state, paginas, cronometro);
}
BENCHMARK(DesenharPng)->Arg(310)->Unit(benchmark::kMillisecond);

}  // namespace
