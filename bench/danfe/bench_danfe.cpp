// The DANFE in-process: prepare the pages and export them to PDF, for a one-item invoice and for
// a generated 990-item invoice, in both layouts. Reports milliseconds per DANFE and its pages.
// The same into memory through cairo and through Qt's own PDF writer, to compare the two in one run.
// Also the preview's part: drawing one prepared page on a screen-sized image at 100% and 200%.
#include "ClasDocFisc/TNotaFiscal.h"
#include "report/RLAplicacao.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLExport.h"
#include "report/RLFonts.h"
#include "report/RLPagedOutput.h"
#include "report/RLPagePainter.h"
#include "util/UDatas.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

using namespace luvenor;

namespace {

void GarantirAplicacao() {
    IniciarAplicacaoGrafica("bench_danfe");
}

TParticipante& Parte(TNotaFiscal& nf, const std::string& cnpj, const std::string& razao) {
    TParticipante& p = *nf.Participantes.Add();
    p.Cnpj = cnpj;
    p.Razao = razao;
    p.Endereco = "Avenida das Acácias";
    p.Numero = "1500";
    p.Bairro = "Jardim Exemplo";
    p.Cidade = "Campinas";
    p.Estado = "SP";
    p.Cep = "13000000";
    p.Fone = "1932320000";
    p.InscrEst = "244000111222";
    return p;
}

void MontarNota(TNotaFiscal& nf, int itens, bool paisagem) {
    nf.NumLcto = 4567;
    nf.Serie = "1";
    nf.TipoLcto = "NE";
    nf.AnoLcto = 2024;
    nf.IncrLcto = 1;
    nf.tpNF = "1";
    nf.tpImp = paisagem ? "2" : "1";
    nf.tpAmb = "1";
    nf.ChaveNfe = "35240312345678000190550010000045671000045670";
    nf.DescrNatOper = "Venda de produção do estabelecimento";
    nf.DtDoc = nf.DtEntSai = CodificarData(2024, 3, 5);
    nf.ProtocoloNfe = "135240000004567";
    nf.CnpjFili = "12345678000190";
    nf.Cnpj = "98765432000110";
    Parte(nf, nf.CnpjFili, "Indústria Fictícia de Utensílios Ltda");
    Parte(nf, nf.Cnpj, "Comércio Imaginário de Panelas S.A.");
    Parte(nf, "", "");
    nf.IndFrete = "0";
    nf.ObservOrig = "Pedido 7788. Documento emitido por empresa fictícia para medir o tempo do DANFE.";
    for (int i = 1; i <= itens; ++i) {
        TItemNF& it = *nf.ItensNF.Add();
        it.SeqItem = i;
        it.CodProd = "PRD" + std::to_string(100000 + i);
        it.DescrOrig = "PANELA DE ALUMÍNIO FUNDIDO MODELO " + std::to_string(i) +
                       (i % 3 == 0 ? " COM TAMPA DE VIDRO TEMPERADO E CABO" : "");
        it.UnidMed = "UN";
        it.Cfop = "5101";
        it.CodNcm = "76151000";
        it.OrigMerc = "0";
        it.CstIcms = "00";
        it.Qtde = 1 + i % 7;
        it.VlrUnit = 19.9 + i % 13;
        it.VlrItem = it.Qtde * it.VlrUnit;
        it.BaseIcms = it.VlrItem;
        it.AliqIcms = 18;
        it.VlrIcms = it.VlrItem * 0.18;
        nf.TotItem += it.VlrItem;
    }
    nf.TotNota = nf.TotItem;
}

void DanfeEmPdf(benchmark::State& state, int itens, bool paisagem) {
    GarantirAplicacao();
    TNotaFiscal nf;
    MontarNota(nf, itens, paisagem);
    const std::string pdf = (std::filesystem::temp_directory_path() / "luvenor-bench-danfe.pdf").string();
    int paginas = 0;
    for (auto _ : state) {
        ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
            f.RLReport1().ShowProgress = false;
            if (!f.RLReport1().PreparePages()) throw std::runtime_error("the DANFE could not be prepared");
            paginas = f.RLReport1().Pages().Count();
            ExportarPdf(f.RLReport1().Pages(), pdf);
        });
    }
    std::filesystem::remove(pdf);
    state.counters["paginas"] = paginas;
}

// Prepared and written into memory, by cairo (what the export uses) or by Qt's PDF writer.
void DanfeNaMemoria(benchmark::State& state, int itens, bool porQt) {
    GarantirAplicacao();
    TNotaFiscal nf;
    MontarNota(nf, itens, false);
    qsizetype bytes = 0;
    for (auto _ : state) {
        ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
            f.RLReport1().ShowProgress = false;
            if (!f.RLReport1().PreparePages()) throw std::runtime_error("the DANFE could not be prepared");
            QByteArray pdf;
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            const TRLGraphicStorage& paginas = f.RLReport1().Pages();
            if (porQt)
                GravarPdfQt(paginas, buffer, TodasAsPaginas(paginas), ProgressoNulo());
            else
                GravarPdf(paginas, buffer, TodasAsPaginas(paginas), ProgressoNulo());
            bytes = pdf.size();
        });
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// What paging through a preview costs: page 2 of the 990-item DANFE (full of item rows) drawn at
// `zoom` percent on an image, as the preview's pane draws it.
void PaginaNaTela(benchmark::State& state, int zoom) {
    GarantirAplicacao();
    TNotaFiscal nf;
    MontarNota(nf, 990, false);
    ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
        f.RLReport1().ShowProgress = false;
        if (!f.RLReport1().PreparePages()) throw std::runtime_error("the DANFE could not be prepared");
        const TRLGraphicStorage& paginas = f.RLReport1().Pages();
        const auto pagina = paginas.Page(1);
        const int largura = pagina->Width() * zoom / 100;
        const int altura = pagina->Height() * zoom / 100;
        QImage tela(largura, altura, QImage::Format_ARGB32_Premultiplied);
        TRLPagePainter desenhista;
        for (auto _ : state) {
            tela.fill(Qt::white);
            QPainter p(&tela);
            desenhista.Desenhar(*pagina, paginas.Macros(), p, QRectF(0, 0, largura, altura));
        }
    });
}

}  // namespace

BENCHMARK_CAPTURE(PaginaNaTela, zoom_100, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaginaNaTela, zoom_200, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeEmPdf, retrato_1_item, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeEmPdf, paisagem_1_item, 1, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeNaMemoria, cairo_1_item, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeNaMemoria, qt_1_item, 1, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeNaMemoria, cairo_990_itens, 990, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeNaMemoria, qt_990_itens, 990, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeEmPdf, retrato_990_itens, 990, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DanfeEmPdf, paisagem_990_itens, 990, true)->Unit(benchmark::kMillisecond);
