#pragma once
// One instalment of the bill and the list of instalments with its summary values.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

class TDuplicata : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TDuplicata"; }
    // Copies all properties from another TDuplicata; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    std::string NumDupl;
    int32_t SeqDupl = 0;
    TData DtVencto = 0;
    double VlrDupl = 0;
    bool Quitada = false;
    bool Imposto = false;
    double VlrLiq = 0;
    std::string FormaPagto;
    std::string CnpjCredCartao;
    std::string Bandeira;
    std::string NumAutCartao;
    int32_t IncrDupl = 0;
};

template <>
std::span<const TCampo<TDuplicata>> TabelaCampos<TDuplicata>();

// Clear (also through the invoice's Limpar) removes the items only: the summary values keep
// what they hold.
class TColeDuplicata : public TColecaoDe<TDuplicata> {
public:
    using TColecaoDe::TColecaoDe;
    // The items and the summary values of `fonte`.
    void CopiarDe(const TColeDuplicata& fonte);

    double TotDuplN = 0;
    double TotDuplD = 0;
    // The net total, TotDuplN - TotDuplD, computed on every read.
    double TotDuplL() const;
    int32_t ContaDp = 0;
    bool Avista = false;
    std::string IndPagto;
};

template <>
std::span<const TCampo<TColeDuplicata>> TabelaCampos<TColeDuplicata>();

}  // namespace luvenor
