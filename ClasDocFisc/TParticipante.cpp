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

const TParticipante* TColeParticipante::BuscarPapel(std::string_view papel, std::string_view chave) const {
    const std::string procurado = TirarEspacos(chave);
    for (int i = 0; i < Count(); ++i) {
        const TParticipante& p = (*this)[i];
        if (p.Papel == papel && TirarEspacos(p.Cnpj) == procurado) return &p;
    }
    return BuscarCnpj(chave);
}

bool TColeParticipante::TemPapel(std::string_view papel) const {
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Papel == papel) return true;
    return false;
}

TParticipante* TColeParticipante::BuscarCnpj(std::string_view chave) {
    return const_cast<TParticipante*>(std::as_const(*this).BuscarCnpj(chave));
}

}  // namespace luvenor
