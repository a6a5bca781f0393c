#pragma once
// One payment of an invoice and the list of payments.
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

class TPagamento : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TPagamento"; }
    // Copies FormaPagto and Valor from another TPagamento; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    std::string FormaPagto;
    double Valor = 0;
    // The name of the means of payment coded by FormaPagto (exact match), else "Indefinido".
    std::string Descricao() const;
};

template <>
std::span<const TCampo<TPagamento>> TabelaCampos<TPagamento>();

class TColePagamento : public TColecaoDe<TPagamento> {
public:
    using TColecaoDe::TColecaoDe;
};

}  // namespace luvenor
