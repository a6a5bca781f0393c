#include "ClasDocFisc/TNFeRef.h"

#include <iterator>

namespace luvenor {

namespace {

constexpr TCampo<TNFeRef> kCampos[] = {
    LUVENOR_CAMPO(TNFeRef, TipoLcto, Texto),      LUVENOR_CAMPO(TNFeRef, Ano, Inteiro),
    LUVENOR_CAMPO(TNFeRef, Incremental, Inteiro), LUVENOR_CAMPO(TNFeRef, CnpjEmitente, Texto),
    LUVENOR_CAMPO(TNFeRef, CodUFEmitente, Texto), LUVENOR_CAMPO(TNFeRef, EstadoEmitente, Texto),
    LUVENOR_CAMPO(TNFeRef, NumLcto, Inteiro),     LUVENOR_CAMPO(TNFeRef, DtEmissao, Data),
    LUVENOR_CAMPO(TNFeRef, Serie, Texto),         LUVENOR_CAMPO(TNFeRef, Modelo, Texto),
    LUVENOR_CAMPO(TNFeRef, ChaveNfe, Texto),      LUVENOR_CAMPO(TNFeRef, Especie, Texto),
    LUVENOR_CAMPO(TNFeRef, NfForn, Texto),
};
static_assert(std::size(kCampos) == 13);
static_assert(TabelaValida(kCampos));

}  // namespace

template <>
std::span<const TCampo<TNFeRef>> TabelaCampos<TNFeRef>() {
    return kCampos;
}

void TNFeRef::Assign(const TItemColecao& fonte) {
    if (const auto* referencia = dynamic_cast<const TNFeRef*>(&fonte)) CopiarCampos(*this, *referencia);
}

}  // namespace luvenor
