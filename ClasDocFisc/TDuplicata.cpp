#include "ClasDocFisc/TDuplicata.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TDuplicata, TItemColecao)

LUVENOR_DEFINIR_TABELA(TColeDuplicata, TColecaoDe<TDuplicata>)

void TDuplicata::Assign(const TItemColecao& fonte) {
    if (const auto* duplicata = dynamic_cast<const TDuplicata*>(&fonte)) CopiarCampos(*this, *duplicata);
}

void TColeDuplicata::CopiarDe(const TColeDuplicata& fonte) {
    TColecaoDe::CopiarDe(fonte);
    CopiarCampos(*this, fonte);
}

double TColeDuplicata::TotDuplL() const {
    return TotDuplN - TotDuplD;
}

}  // namespace luvenor
