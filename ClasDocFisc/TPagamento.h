#pragma once
// One payment of an invoice and the list of payments.
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TPagamento, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TPagamento(CAMPO, CALCULADO, COLECAO)                                     \
    CAMPO(Texto, FormaPagto)                                                                     \
    CAMPO(Real, Valor)                                                                           \
    /* The card of a card payment: acquirer's tax number, brand code and authorisation. */       \
    CAMPO(Texto, CnpjCredenciadora)                                                              \
    CAMPO(Texto, BandeiraCartao)                                                                 \
    CAMPO(Texto, AutorizacaoCartao)                                                              \
    /* The name of the means of payment coded by FormaPagto (exact match), else "Indefinido". */ \
    CALCULADO(Texto, Descricao)

class TPagamento : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TPagamento"; }
    // Copies the stored fields from another TPagamento; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    LUVENOR_DECLARAR_CAMPOS(TPagamento)
};

template <>
std::span<const TCampo<TPagamento>> TabelaCampos<TPagamento>();

class TColePagamento : public TColecaoDe<TPagamento> {
public:
    using TColecaoDe::TColecaoDe;
};

}  // namespace luvenor
