#include "ClasDocFisc/TParticipante.h"

#include <iterator>
#include <utility>

#include "util/UString.h"

namespace luvenor {

namespace {

constexpr TCampo<TParticipante> kCampos[] = {
    LUVENOR_CAMPO(TParticipante, Codigo, Texto),       LUVENOR_CAMPO(TParticipante, Razao, Texto),
    LUVENOR_CAMPO(TParticipante, Cnpj, Texto),         LUVENOR_CAMPO(TParticipante, InscrEst, Texto),
    LUVENOR_CAMPO(TParticipante, Suframa, Texto),      LUVENOR_CAMPO(TParticipante, Endereco, Texto),
    LUVENOR_CAMPO(TParticipante, Numero, Texto),       LUVENOR_CAMPO(TParticipante, Complemento, Texto),
    LUVENOR_CAMPO(TParticipante, Bairro, Texto),       LUVENOR_CAMPO(TParticipante, Cidade, Texto),
    LUVENOR_CAMPO(TParticipante, CodMunicipio, Texto), LUVENOR_CAMPO(TParticipante, Estado, Texto),
    LUVENOR_CAMPO(TParticipante, Pais, Texto),         LUVENOR_CAMPO(TParticipante, CodPais, Texto),
    LUVENOR_CAMPO(TParticipante, Fantasia, Texto),     LUVENOR_CAMPO(TParticipante, Email, Texto),
    LUVENOR_CAMPO(TParticipante, CodUF, Texto),        LUVENOR_CAMPO(TParticipante, Cep, Texto),
    LUVENOR_CAMPO(TParticipante, InscrMun, Texto),     LUVENOR_CAMPO(TParticipante, Fone, Texto),
    LUVENOR_CAMPO(TParticipante, Fax, Texto),
};
static_assert(std::size(kCampos) == 21);
static_assert(TabelaValida(kCampos));

}  // namespace

template <>
std::span<const TCampo<TParticipante>> TabelaCampos<TParticipante>() {
    return kCampos;
}

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
