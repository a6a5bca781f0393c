#include "ClasDocFisc/TPagamento.h"

#include <iterator>

namespace luvenor {

namespace {

constexpr TCampo<TPagamento> kCampos[] = {
    LUVENOR_CAMPO(TPagamento, FormaPagto, Texto),
    LUVENOR_CAMPO(TPagamento, Valor, Real),
    LUVENOR_CAMPO(TPagamento, Descricao, Texto),
};
static_assert(std::size(kCampos) == 3);
static_assert(TabelaValida(kCampos));

}  // namespace

template <>
std::span<const TCampo<TPagamento>> TabelaCampos<TPagamento>() {
    return kCampos;
}

void TPagamento::Assign(const TItemColecao& fonte) {
    if (const auto* pagamento = dynamic_cast<const TPagamento*>(&fonte)) CopiarCampos(*this, *pagamento);
}

std::string TPagamento::Descricao() const {
    struct TForma {
        std::string_view Codigo;
        std::string_view Descricao;
    };
    static constexpr TForma kFormas[] = {
        {"01", "Dinheiro"},         {"02", "Cheque"},        {"03", "Cartão de Crédito"},
        {"04", "Cartão de Débito"}, {"05", "Crédito Loja"},  {"10", "Vale Alimentação"},
        {"11", "Vale Refeição"},    {"12", "Vale Presente"}, {"13", "Vale Combustível"},
        {"99", "Outros"},
    };
    for (const TForma& forma : kFormas)
        if (forma.Codigo == FormaPagto) return std::string(forma.Descricao);
    return "Indefinido";
}

}  // namespace luvenor
