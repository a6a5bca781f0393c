#include "ClasDocFisc/TItemNF.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TItemNF, TItemColecao)

void TItemNF::Assign(const TItemColecao& fonte) {
    if (const auto* item = dynamic_cast<const TItemNF*>(&fonte))
        CopiarCampos(*this, *item);
    else
        TItemColecao::Assign(fonte);
}

TItemNF* TColeItemNF::Add() {
    TItemNF* item = TColecaoDe::Add();
    item->SeqItem = Count();
    return item;
}

}  // namespace luvenor
