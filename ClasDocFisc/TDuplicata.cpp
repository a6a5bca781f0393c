#include "ClasDocFisc/TDuplicata.h"

#include <iterator>

namespace luvenor {

namespace {

constexpr TCampo<TDuplicata> kCamposDuplicata[] = {
    LUVENOR_CAMPO(TDuplicata, NumDupl, Texto),        LUVENOR_CAMPO(TDuplicata, SeqDupl, Inteiro),
    LUVENOR_CAMPO(TDuplicata, DtVencto, Data),        LUVENOR_CAMPO(TDuplicata, VlrDupl, Real),
    LUVENOR_CAMPO(TDuplicata, Quitada, Logico),       LUVENOR_CAMPO(TDuplicata, Imposto, Logico),
    LUVENOR_CAMPO(TDuplicata, VlrLiq, Real),          LUVENOR_CAMPO(TDuplicata, FormaPagto, Texto),
    LUVENOR_CAMPO(TDuplicata, CnpjCredCartao, Texto), LUVENOR_CAMPO(TDuplicata, Bandeira, Texto),
    LUVENOR_CAMPO(TDuplicata, NumAutCartao, Texto),   LUVENOR_CAMPO(TDuplicata, IncrDupl, Inteiro),
};
static_assert(std::size(kCamposDuplicata) == 12);
static_assert(TabelaValida(kCamposDuplicata));

}  // namespace

template <>
std::span<const TCampo<TDuplicata>> TabelaCampos<TDuplicata>() {
    return kCamposDuplicata;
}

namespace {

constexpr TCampo<TColeDuplicata> kCamposResumo[] = {
    LUVENOR_CAMPO(TColeDuplicata, TotDuplN, Real), LUVENOR_CAMPO(TColeDuplicata, TotDuplD, Real),
    LUVENOR_CAMPO(TColeDuplicata, TotDuplL, Real), LUVENOR_CAMPO(TColeDuplicata, ContaDp, Inteiro),
    LUVENOR_CAMPO(TColeDuplicata, Avista, Logico), LUVENOR_CAMPO(TColeDuplicata, IndPagto, Texto),
};
static_assert(std::size(kCamposResumo) == 6);
static_assert(TabelaValida(kCamposResumo));

}  // namespace

template <>
std::span<const TCampo<TColeDuplicata>> TabelaCampos<TColeDuplicata>() {
    return kCamposResumo;
}

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
