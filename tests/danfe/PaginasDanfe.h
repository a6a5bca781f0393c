#pragma once
// Shared by the page-dump tests: a fixture invoice loaded as the viewer loads it, its DANFE form
// and the text of its prepared pages, the same text `luvenor-cli pages` prints.
#include "DanfeTeste.h"

#include "ClasNFe/CarregarNFe.h"
#include "report/RLPageDump.h"

#include <functional>
#include <string>

namespace luvenor::teste {

inline std::string NoProjeto(const std::string& relativo) {
    return std::string(LUVENOR_SOURCE_DIR) + "/" + relativo;
}

// Loads the file (with the viewer's credit line) and hands `usar` its DANFE form with the master
// record appended and nothing prepared (a consumer invoice's on `formatoNfce`); false when the file could not
// be read whole.
inline bool ComFormulario(const std::string& xml, const std::function<void(TFrtDanfe&)>& usar,
                          FormatoNfce formatoNfce = FormatoNfce::Bobina80) {
    GarantirAplicacao();
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga carga = CarregarArquivoNFe(leitor, xml);
    if (!carga.Carregado() || !carga.MsgErro.empty()) return false;
    bool usado = false;
    ImprimirDanfe(
        nf, true,
        [&](TFrtDanfe& f) {
            usar(f);
            usado = true;
        },
        formatoNfce);
    return usado;
}

// Prepares the form's pages anew and describes them.
inline std::string DumpDasPaginas(TFrtDanfe& f) {
    TRLReport& relatorio = f.RLReport1();
    relatorio.ShowProgress = false;
    if (!relatorio.PreparePages()) return "(the pages could not be prepared)\n";
    return DescreverPaginas(relatorio.Pages());
}

}  // namespace luvenor::teste
