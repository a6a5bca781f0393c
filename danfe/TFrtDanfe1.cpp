// The portrait form: the stub on the first sheet only and the sheet counter "Fl: n".
#include "danfe/TFrtDanfe.h"

#include "report/RLLabel.h"
#include "util/UString.h"

namespace luvenor {

TFrtDanfe1::TFrtDanfe1() : TFrtDanfe(LayoutRetrato()) {
    RLReport1().BeforePrint = [this](TRLCustomControl& s, bool& p) { RLReport1BeforePrint(s, p); };
    TRLBand& canhoto = Banda("bandCanhoto");
    canhoto.BeforePrint = [this](TRLCustomControl& s, bool& p) { bandCanhotoBeforePrint(s, p); };
    canhoto.AfterPrint = [this](TRLCustomControl& s) { bandCanhotoAfterPrint(s); };
    // The stub heads the first sheet only: a continuation sheet has its height free.
    canhoto.PrintsOnNewPage = [this] { return ImprimirCanhoto; };
    Banda("bandDados").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandDadosBeforePrint(s, p); };
    Banda("bandFatura1").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandFatura1BeforePrint(s, p); };
    Banda("bandFatura2").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandFatura2BeforePrint(s, p); };
    Banda("bandAdicionais").AfterPrint = [this](TRLCustomControl& s) { bandAdicionaisAfterPrint(s); };
}

void TFrtDanfe1::RLReport1BeforePrint(TRLCustomControl&, bool&) {
    ImprimirCanhoto = true;
    NumFolha = 0;
}

void TFrtDanfe1::bandCanhotoBeforePrint(TRLCustomControl&, bool& PrintIt) {
    PreencherDanfe();
    PrintIt = ImprimirCanhoto;
}

void TFrtDanfe1::bandCanhotoAfterPrint(TRLCustomControl&) {
    ImprimirCanhoto = false;
    NumFolha = 0;
}

void TFrtDanfe1::bandDadosBeforePrint(TRLCustomControl&, bool&) {
    ++NumFolha;
    Legenda("labDados16", "Fl: " + std::to_string(NumFolha));
}

void TFrtDanfe1::bandFatura1BeforePrint(TRLCustomControl&, bool& PrintIt) {
    PrintIt = NotaFiscalDanfe && NotaFiscalDanfe->DuplsNF.Count() > 0;
}

void TFrtDanfe1::bandFatura2BeforePrint(TRLCustomControl&, bool& PrintIt) {
    PrintIt = NotaFiscalDanfe && NotaFiscalDanfe->DuplsNF.Count() > 0;
}

void TFrtDanfe1::bandAdicionaisAfterPrint(TRLCustomControl&) {
    ImprimirCanhoto = true;
    NumFolha = 0;
}

}  // namespace luvenor
