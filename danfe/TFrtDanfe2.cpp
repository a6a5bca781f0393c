// The landscape form: no stub; the header band runs the filling pass on every sheet and the
// engine's page fields number the sheets.
#include "danfe/TFrtDanfe.h"

namespace luvenor {

TFrtDanfe2::TFrtDanfe2() : TFrtDanfe(LayoutPaisagem()) {
    Banda("bandDados").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandDadosBeforePrint(s, p); };
    Banda("bandFatura").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandFaturaBeforePrint(s, p); };
}

void TFrtDanfe2::bandDadosBeforePrint(TRLCustomControl&, bool&) {
    PreencherDanfe();
}

void TFrtDanfe2::bandFaturaBeforePrint(TRLCustomControl&, bool& PrintIt) {
    PrintIt = NotaFiscalDanfe && NotaFiscalDanfe->DuplsNF.Count() > 0;
}

}  // namespace luvenor
