// The DANFE NFC-e in-process, in the same run as the NF-e's: a 10-item consumer invoice with two
// payments and its QR code prepared on the 80 mm roll and exported to PDF. Its time sits beside
// the 1-item NF-e DANFE's (DanfeEmPdf/retrato_1_item), which it should not exceed.
#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLAplicacao.h"
#include "report/RLExport.h"
#include "util/UDatas.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

using namespace luvenor;

namespace {

void MontarNfce(TNotaFiscal& nf, int itens) {
    nf.Modelo = "65";
    nf.NumLcto = 3210;
    nf.SerieNum = "1";
    nf.TipoLcto = "NE";
    nf.AnoLcto = 2024;
    nf.IncrLcto = 1;
    nf.tpAmb = "1";
    nf.tpEmis = "1";
    nf.ChaveNfe = "43240512345678000195650010000032101000032103";
    nf.DtDoc = CodificarData(2024, 5, 14);
    nf.HrEmissao = "10:00:00";
    nf.ProtocoloNfe = "143240000003210";
    nf.DtProtocoloNfe = nf.DtDoc;
    nf.HrProtocoloNfe = "10:00:02";
    nf.CnpjFili = "12345678000195";
    TParticipante& emitente = *nf.Participantes.Add();
    emitente.Papel = PapelEmitente;
    emitente.Cnpj = nf.CnpjFili;
    emitente.Razao = "Mercearia Fictícia do Bairro Ltda";
    emitente.Endereco = "Rua das Laranjeiras";
    emitente.Numero = "77";
    emitente.Cidade = "Porto Alegre";
    emitente.Estado = "RS";
    for (int i = 1; i <= itens; ++i) {
        TItemNF& it = *nf.ItensNF.Add();
        it.SeqItem = i;
        it.CodProd = std::to_string(7000 + i);
        it.DescrOrig = "PRODUTO DE MERCEARIA NÚMERO " + std::to_string(i);
        it.UnidMed = "UN";
        it.Qtde = 1 + i % 3;
        it.VlrUnit = 4.5 + i;
        it.VlrItem = it.Qtde * it.VlrUnit;
        nf.TotItem += it.VlrItem;
    }
    nf.TotNota = nf.TotItem;
    nf.TotTrib = nf.TotNota * 0.2;
    for (const char* forma : {"01", "03"}) {
        TPagamento& p = *nf.PagtosNF.Add();
        p.FormaPagto = forma;
        p.Valor = nf.TotNota / 2;
    }
    nf.QrCodeNfce = "https://www.sefaz.rs.gov.br/NFCE/NFCE-COM.aspx?p=" + nf.ChaveNfe +
                    "|2|1|1|A604FD51E40ED8465B787B3E9CF8C1D90E61DB13";
    nf.UrlChaveNfce = "www.sefaz.rs.gov.br/nfce/consulta";
}

void NfceEmPdf(benchmark::State& state, int itens) {
    IniciarAplicacaoGrafica("bench_danfe");
    TNotaFiscal nf;
    MontarNfce(nf, itens);
    const std::string pdf = (std::filesystem::temp_directory_path() / "luvenor-bench-nfce.pdf").string();
    int paginas = 0;
    for (auto _ : state) {
        ImprimirDanfe(nf, true, [&](TFrtDanfe& f) {
            f.RLReport1().ShowProgress = false;
            if (!f.RLReport1().PreparePages())
                throw std::runtime_error("the DANFE NFC-e could not be prepared");
            paginas = f.RLReport1().Pages().Count();
            ExportarPdf(f.RLReport1().Pages(), pdf);
        });
    }
    std::filesystem::remove(pdf);
    state.counters["paginas"] = paginas;
}

}  // namespace

BENCHMARK_CAPTURE(NfceEmPdf, bobina80_10_itens, 10)->Unit(benchmark::kMillisecond);
