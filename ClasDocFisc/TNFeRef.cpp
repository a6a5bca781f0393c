#include "ClasDocFisc/TNFeRef.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TNFeRef, TItemColecao)

void TNFeRef::Assign(const TItemColecao& fonte) {
    if (const auto* referencia = dynamic_cast<const TNFeRef*>(&fonte)) CopiarCampos(*this, *referencia);
}

}  // namespace luvenor
