#include "ClasDocFisc/TParticipante.h"

#include <iterator>
#include <utility>

#include "util/UString.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TParticipante, TItemColecao)

void TParticipante::Assign(const TItemColecao& fonte) {
    if (const auto* participante = dynamic_cast<const TParticipante*>(&fonte))
        CopiarCampos(*this, *participante);
    else
        TItemColecao::Assign(fonte);
}

void TParticipante::Limpar() {
    ZerarCampos(*this);
}

const TParticipante* TColeParticipante::BuscarCnpj(std::string_view chave) const {
    const std::string procurado = TirarEspacos(chave);
    for (int i = 0; i < Count(); ++i)
        if (TirarEspacos((*this)[i].Cnpj) == procurado) return Items(i);
    return nullptr;
}

TParticipante* TColeParticipante::BuscarCnpj(std::string_view chave) {
    return const_cast<TParticipante*>(std::as_const(*this).BuscarCnpj(chave));
}

}  // namespace luvenor
