#include "ClasDocFisc/TNotaFiscal.h"

#include "ClasDocFisc/CamposJson.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TNotaFiscal, TItemColecao)

void TNotaFiscal::Assign(const TItemColecao& fonte) {
    if (const auto* nota = dynamic_cast<const TNotaFiscal*>(&fonte))
        CopiarCampos(*this, *nota);
    else
        TItemColecao::Assign(fonte);
}

void TNotaFiscal::Limpar() {
    ZerarCampos(*this);
}

double TNotaFiscal::TotRetSemIss() const {
    return TotPisRet + TotCofinsRet + TotCsllRet + TotInssRet + TotIrrfRet;
}

std::string TNotaFiscal::IssRetido() const {
    return TotIssRet > 0 ? "S" : "N";
}

}  // namespace luvenor
