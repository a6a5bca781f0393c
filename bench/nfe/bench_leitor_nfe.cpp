// Reading a 990-item invoice: the whole load (parse and read), the read alone, and its
// verification. The invoice is built from a real sample by repeating its first det with new item
// numbers, so its signature no longer holds: the check still canonicalises and digests the whole
// infNFe (and digests it once more to show the changed content's digest); only the RSA step, a
// small fixed cost, is not reached.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "util/Notificador.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

using namespace luvenor;

namespace {

constexpr int ItensGrandes = 990;

// A pretty-printed sample, one element a line, and one written on a single line as real
// authorised invoices are (its signature's reference is its own infNFe).
constexpr const char* AmostraIndentada = "v400-retrato-41itens-12dup-transporta.xml";
constexpr const char* AmostraCompacta = "v400-retrato-41itens-icms00-20-40-70.xml";

std::string NotaGrande(const std::string& amostra = AmostraIndentada) {
    std::ifstream arquivo(LUVENOR_SAMPLES_DIR "/" + amostra, std::ios::binary);
    std::stringstream conteudo;
    conteudo << arquivo.rdbuf();
    std::string xml = conteudo.str();
    size_t inicio = xml.find("<det ");
    size_t fimPrimeiro = xml.find("</det>", inicio) + 6;
    size_t fimUltimo = xml.rfind("</det>") + 6;
    if (inicio == std::string::npos || fimUltimo < fimPrimeiro)
        throw std::runtime_error("sample without det");
    std::string det = xml.substr(inicio, fimPrimeiro - inicio);
    std::string itens;
    for (int n = 1; n <= ItensGrandes; ++n)
        itens +=
            std::regex_replace(det, std::regex("nItem=\"[0-9]+\""), "nItem=\"" + std::to_string(n) + "\"") +
            "\n";
    return xml.substr(0, inicio) + itens + xml.substr(fimUltimo);
}

void Conferir(benchmark::State& estado, const TNotaFiscal& nf, const std::string& msg) {
    if (!msg.empty() || nf.ItensNF.Count() != ItensGrandes)
        estado.SkipWithError("the 990-item invoice did not read whole");
}

void LoadAndRead990Items(benchmark::State& estado, const char* amostra) {
    const std::string xml = NotaGrande(amostra);
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    ResultadoCarga r;
    for (auto _ : estado) {
        r = CarregarTextoNFe(leitor, xml, "grande.xml");
        benchmark::DoNotOptimize(nf.ItensNF.Count());
    }
    Conferir(estado, nf, r.ErroCarga + r.MsgErro);
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(xml.size()));
    estado.counters["KB"] = static_cast<double>(xml.size()) / 1024.0;
}

void ReadOnly990Items(benchmark::State& estado) {
    const std::string xml = NotaGrande();
    AnaliseXml analise = AnalisarXml(xml, "grande.xml");
    NoXml nfeProc(xmlDocGetRootElement(analise.documento.get()));
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    std::string msg;
    for (auto _ : estado) {
        leitor.LerXmlNfe(nfeProc, true, msg);
        benchmark::DoNotOptimize(nf.ItensNF.Count());
    }
    Conferir(estado, nf, msg);
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(xml.size()));
}

void Verify990Items(benchmark::State& estado) {
    const std::string xml = NotaGrande(AmostraCompacta);
    AnaliseXml analise = AnalisarXml(xml, "grande.xml");
    VerificacaoNFe v;
    for (auto _ : estado) {
        v = VerificarDocumentoNFe(analise.documento.get());
        benchmark::DoNotOptimize(v.Assinatura.Estado);
    }
    if (v.Assinatura.Estado != EstadoAssinatura::ConteudoAlterado || v.Assinatura.DigestCalculado.empty())
        estado.SkipWithError("the 990-item invoice was not canonicalised and digested");
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(xml.size()));
}

void LoadReadAndVerify990Items(benchmark::State& estado) {
    const std::string xml = NotaGrande(AmostraCompacta);
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    ResultadoCarga r;
    VerificacaoNFe v;
    for (auto _ : estado) {
        r = CarregarTextoNFe(leitor, xml, "grande.xml", true, &v);
        benchmark::DoNotOptimize(v.Assinatura.Estado);
    }
    Conferir(estado, nf, r.ErroCarga + r.MsgErro);
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(xml.size()));
}

}  // namespace

BENCHMARK_CAPTURE(LoadAndRead990Items, indented, AmostraIndentada)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadAndRead990Items, compact, AmostraCompacta)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadOnly990Items)->Unit(benchmark::kMillisecond);
BENCHMARK(Verify990Items)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadReadAndVerify990Items)->Unit(benchmark::kMillisecond);
