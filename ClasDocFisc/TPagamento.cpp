#include "ClasDocFisc/TPagamento.h"

namespace luvenor {

LUVENOR_DEFINIR_TABELA(TPagamento, TItemColecao)

void TPagamento::Assign(const TItemColecao& fonte) {
    if (const auto* pagamento = dynamic_cast<const TPagamento*>(&fonte)) CopiarCampos(*this, *pagamento);
}

std::string TPagamento::Descricao() const {
    struct TForma {
        std::string_view Codigo;
        std::string_view Descricao;
    };
    static constexpr TForma kFormas[] = {
        {"01", "Dinheiro"},
        {"02", "Cheque"},
        {"03", "Cartão de Crédito"},
        {"04", "Cartão de Débito"},
        {"05", "Crédito Loja"},
        {"10", "Vale Alimentação"},
        {"11", "Vale Refeição"},
        {"12", "Vale Presente"},
        {"13", "Vale Combustível"},
        // The later codes, which consumer invoices use most.
        {"14", "Duplicata Mercantil"},
        {"15", "Boleto Bancário"},
        {"16", "Depósito Bancário"},
        {"17", "PIX"},
        {"18", "Transferência Bancária"},
        {"19", "Programa de Fidelidade"},
        {"20", "PIX Estático"},
        {"21", "Crédito em Loja"},
        {"22", "Pagamento Eletrônico não Informado"},
        {"90", "Sem Pagamento"},
        {"99", "Outros"},
    };
    for (const TForma& forma : kFormas)
        if (forma.Codigo == FormaPagto) return std::string(forma.Descricao);
    return "Indefinido";
}

}  // namespace luvenor
