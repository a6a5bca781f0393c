#include "ClasDocFisc/TEventoNF.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TEventoNF, TItemColecao)

void TEventoNF::Assign(const TItemColecao& fonte) {
    if (const auto* evento = dynamic_cast<const TEventoNF*>(&fonte)) CopiarCampos(*this, *evento);
}

}  // namespace luvenor
